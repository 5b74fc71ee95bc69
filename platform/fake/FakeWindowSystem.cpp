// An in-memory desktop for tests: windows in z-order that a test can change, even between two calls.
#include "platform/fake/FakeWindowSystem.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace dorvik::platform
{

namespace
{

// GetClassNameW into a 255-character buffer leaves room for 254 and the terminator; a title is read whole.
constexpr std::size_t kMaxClassNameLength = 254;

// The ShowWindow commands this desktop acts on; any other command is only recorded.
constexpr int kSwHide = 0;
constexpr int kSwShowNormal = 1;
constexpr int kSwShowMinimized = 2;
constexpr int kSwShowMaximized = 3;
constexpr int kSwShowNoActivate = 4;
constexpr int kSwShow = 5;
constexpr int kSwMinimize = 6;
constexpr int kSwShowMinNoActive = 7;
constexpr int kSwShowNa = 8;
constexpr int kSwRestore = 9;
constexpr int kSwShowDefault = 10;
constexpr int kSwForceMinimize = 11;

bool Contains(const Rect& rect, int x, int y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

} // namespace

FakeWindowSystem::FakeWindowSystem()
    : desktop_(static_cast<WindowId>(0x10010))
    , nextHandle_(0x10020)
{
}

WindowId FakeWindowSystem::Add(FakeWindow window)
{
    return Insert(std::move(window), WindowId::None, false);
}

WindowId FakeWindowSystem::AddOnTop(FakeWindow window)
{
    return Insert(std::move(window), WindowId::None, true);
}

WindowId FakeWindowSystem::AddChild(WindowId parent, FakeWindow window)
{
    if (!Find(parent))
    {
        throw std::invalid_argument("FakeWindowSystem::AddChild: the parent names no window");
    }
    return Insert(std::move(window), parent, false);
}

WindowId FakeWindowSystem::Insert(FakeWindow window, WindowId parent, bool onTop)
{
    const auto id = static_cast<WindowId>(nextHandle_);
    // Real handles are spaced apart too; a step of 4 keeps a test from mistaking a count for a handle.
    nextHandle_ += 4;
    windows_.emplace(id, Entry{std::move(window), parent});
    if (onTop)
    {
        zOrder_.insert(zOrder_.begin(), id);
    }
    else
    {
        zOrder_.push_back(id);
    }
    return id;
}

void FakeWindowSystem::Destroy(WindowId window)
{
    if (!Find(window))
    {
        return;
    }
    for (const WindowId child : ChildrenOf(window))
    {
        Destroy(child);
    }
    windows_.erase(window);
    std::erase(zOrder_, window);
    if (active_ == window)
    {
        active_ = WindowId::None;
    }
}

void FakeWindowSystem::SetTitle(WindowId window, std::wstring title)
{
    if (Entry* entry = Find(window))
    {
        entry->window.title = std::move(title);
    }
}

void FakeWindowSystem::SetVisible(WindowId window, bool visible)
{
    if (Entry* entry = Find(window))
    {
        entry->window.visible = visible;
    }
}

void FakeWindowSystem::SetExStyle(WindowId window, std::int32_t exStyle)
{
    if (Entry* entry = Find(window))
    {
        entry->window.exStyle = exStyle;
    }
}

void FakeWindowSystem::BringToTop(WindowId window)
{
    if (Find(window))
    {
        std::erase(zOrder_, window);
        zOrder_.insert(zOrder_.begin(), window);
    }
}

void FakeWindowSystem::SendToBottom(WindowId window)
{
    if (Find(window))
    {
        std::erase(zOrder_, window);
        zOrder_.push_back(window);
    }
}

void FakeWindowSystem::SetActive(WindowId window)
{
    active_ = window;
}

void FakeWindowSystem::SetCopyResult(std::int32_t result)
{
    copyResult_ = result;
}

bool FakeWindowSystem::Exists(WindowId window) const
{
    return Find(window) != nullptr;
}

const FakeWindow& FakeWindowSystem::Get(WindowId window) const
{
    const Entry* entry = Find(window);
    if (!entry)
    {
        throw std::invalid_argument("FakeWindowSystem::Get: the handle names no window");
    }
    return entry->window;
}

void FakeWindowSystem::After(FakeCall call, std::size_t n, std::function<void(FakeWindowSystem&)> change)
{
    if (n == 0)
    {
        throw std::invalid_argument("FakeWindowSystem::After: n counts calls from 1");
    }
    pending_.push_back(Pending{call, n, std::move(change)});
}

const std::vector<FakeCallRecord>& FakeWindowSystem::Calls() const
{
    return calls_;
}

std::size_t FakeWindowSystem::CallCount(FakeCall call) const
{
    if (call == FakeCall::Any)
    {
        return calls_.size();
    }
    return static_cast<std::size_t>(std::count_if(
        calls_.begin(), calls_.end(), [call](const FakeCallRecord& r) { return r.call == call; }));
}

void FakeWindowSystem::ClearCalls()
{
    calls_.clear();
    moveCalls_.clear();
    showCalls_.clear();
    copyCalls_.clear();
    titlesSet_.clear();
}

const std::vector<MoveCall>& FakeWindowSystem::MoveCalls() const
{
    return moveCalls_;
}

const std::vector<ShowCall>& FakeWindowSystem::ShowCalls() const
{
    return showCalls_;
}

const std::vector<CopyCall>& FakeWindowSystem::CopyCalls() const
{
    return copyCalls_;
}

const std::vector<std::wstring>& FakeWindowSystem::TitlesSet() const
{
    return titlesSet_;
}

const FakeWindowSystem::Entry* FakeWindowSystem::Find(WindowId window) const
{
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

FakeWindowSystem::Entry* FakeWindowSystem::Find(WindowId window)
{
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<WindowId> FakeWindowSystem::ChildrenOf(WindowId parent) const
{
    const WindowId key = parent == desktop_ ? WindowId::None : parent;
    std::vector<WindowId> children;
    for (const WindowId id : zOrder_)
    {
        if (windows_.at(id).parent == key)
        {
            children.push_back(id);
        }
    }
    return children;
}

WindowId FakeWindowSystem::DeepestAt(WindowId parent, int x, int y) const
{
    for (const WindowId child : ChildrenOf(parent))
    {
        const FakeWindow& w = windows_.at(child).window;
        if (w.visible && Contains(w.rect, x, y))
        {
            return DeepestAt(child, x, y);
        }
    }
    return parent;
}

void FakeWindowSystem::Record(FakeCall call, WindowId window) const
{
    // The interface's reads are const, but they are logged and a change scheduled after one of them must
    // be able to alter the desktop; no test holds the fake itself as const.
    auto& self = const_cast<FakeWindowSystem&>(*this);
    self.calls_.push_back(FakeCallRecord{call, window});

    std::vector<std::function<void(FakeWindowSystem&)>> due;
    for (auto it = self.pending_.begin(); it != self.pending_.end();)
    {
        if ((it->call == FakeCall::Any || it->call == call) && --it->remaining == 0)
        {
            due.push_back(std::move(it->change));
            it = self.pending_.erase(it);
        }
        else
        {
            ++it;
        }
    }
    for (auto& change : due)
    {
        change(self);
    }
}

std::vector<WindowId> FakeWindowSystem::TopLevelWindows() const
{
    // Taken before the call is recorded, so a change scheduled after it alters the desktop, not the copy.
    std::vector<WindowId> snapshot = ChildrenOf(WindowId::None);
    Record(FakeCall::TopLevelWindows, WindowId::None);
    return snapshot;
}

WindowId FakeWindowSystem::DesktopWindow() const
{
    Record(FakeCall::DesktopWindow, WindowId::None);
    return desktop_;
}

WindowId FakeWindowSystem::RelatedWindow(WindowId window, WindowRelation relation) const
{
    WindowId result = WindowId::None;
    if (window == desktop_ || Find(window))
    {
        if (relation == WindowRelation::FirstChild)
        {
            const std::vector<WindowId> children = ChildrenOf(window);
            result = children.empty() ? WindowId::None : children.front();
        }
        else if (relation == WindowRelation::Next && window != desktop_)
        {
            const std::vector<WindowId> siblings = ChildrenOf(windows_.at(window).parent);
            const auto it = std::find(siblings.begin(), siblings.end(), window);
            result = it + 1 == siblings.end() ? WindowId::None : *(it + 1);
        }
    }
    Record(FakeCall::RelatedWindow, window);
    return result;
}

WindowId FakeWindowSystem::WindowFromPoint(int x, int y) const
{
    const WindowId result = DeepestAt(desktop_, x, y);
    Record(FakeCall::WindowFromPoint, WindowId::None);
    return result == desktop_ ? WindowId::None : result;
}

WindowId FakeWindowSystem::ActiveWindow() const
{
    Record(FakeCall::ActiveWindow, WindowId::None);
    return active_;
}

WindowId FakeWindowSystem::SetActiveWindow(WindowId window)
{
    const WindowId previous = active_;
    WindowId result = WindowId::None;
    if (IsNone(window))
    {
        active_ = WindowId::None;
        result = previous;
    }
    else if (const Entry* entry = Find(window); entry && IsNone(entry->parent))
    {
        active_ = window;
        result = previous;
    }
    Record(FakeCall::SetActiveWindow, window);
    return result;
}

std::wstring FakeWindowSystem::WindowText(WindowId window) const
{
    const Entry* entry = Find(window);
    std::wstring text = entry ? entry->window.title : std::wstring();
    Record(FakeCall::WindowText, window);
    return text;
}

void FakeWindowSystem::SetWindowText(WindowId window, std::wstring_view text)
{
    titlesSet_.emplace_back(text);
    if (Entry* entry = Find(window))
    {
        entry->window.title = text;
    }
    Record(FakeCall::SetWindowText, window);
}

std::wstring FakeWindowSystem::ClassName(WindowId window) const
{
    const Entry* entry = Find(window);
    std::wstring name = entry ? entry->window.className.substr(0, kMaxClassNameLength) : std::wstring();
    Record(FakeCall::ClassName, window);
    return name;
}

std::int32_t FakeWindowSystem::ExtendedStyle(WindowId window) const
{
    const Entry* entry = Find(window);
    const std::int32_t style = entry ? entry->window.exStyle : 0;
    Record(FakeCall::ExtendedStyle, window);
    return style;
}

bool FakeWindowSystem::IsTopLevel(WindowId window) const
{
    const Entry* entry = Find(window);
    const bool topLevel = entry && entry->parent == WindowId::None;
    Record(FakeCall::IsTopLevel, window);
    return topLevel;
}

bool FakeWindowSystem::IsOwnWindow(WindowId window) const
{
    const Entry* entry = Find(window);
    const bool own = entry && entry->window.own;
    Record(FakeCall::IsOwnWindow, window);
    return own;
}

bool FakeWindowSystem::IsVisible(WindowId window) const
{
    // As IsWindowVisible: the window and every ancestor must carry the visible flag.
    bool visible = Find(window) != nullptr;
    for (const Entry* entry = Find(window); entry && visible; entry = Find(entry->parent))
    {
        visible = entry->window.visible;
    }
    Record(FakeCall::IsVisible, window);
    return visible;
}

bool FakeWindowSystem::IsIconic(WindowId window) const
{
    const Entry* entry = Find(window);
    const bool iconic = entry && entry->window.iconic;
    Record(FakeCall::IsIconic, window);
    return iconic;
}

bool FakeWindowSystem::IsZoomed(WindowId window) const
{
    // A minimised window only remembers that it comes back maximised; Windows reports it as not zoomed.
    const Entry* entry = Find(window);
    const bool zoomed = entry && entry->window.zoomed && !entry->window.iconic;
    Record(FakeCall::IsZoomed, window);
    return zoomed;
}

void FakeWindowSystem::ShowWindow(WindowId window, int command)
{
    showCalls_.push_back(ShowCall{window, command});
    if (Entry* entry = Find(window))
    {
        FakeWindow& w = entry->window;
        switch (command)
        {
        case kSwHide:
            w.visible = false;
            break;
        case kSwShowNormal:
        case kSwShowNoActivate:
        case kSwRestore:
        case kSwShowDefault:
            w.visible = true;
            if (w.iconic)
            {
                w.iconic = false;
            }
            else
            {
                w.zoomed = false;
            }
            break;
        case kSwShowMinimized:
        case kSwMinimize:
        case kSwShowMinNoActive:
        case kSwForceMinimize:
            w.visible = true;
            w.iconic = true;
            break;
        case kSwShowMaximized:
            w.visible = true;
            w.iconic = false;
            w.zoomed = true;
            break;
        case kSwShow:
        case kSwShowNa:
            w.visible = true;
            break;
        default:
            break;
        }
    }
    Record(FakeCall::ShowWindow, window);
}

Rect FakeWindowSystem::WindowRect(WindowId window) const
{
    const Entry* entry = Find(window);
    const Rect rect = entry ? entry->window.rect : Rect{};
    Record(FakeCall::WindowRect, window);
    return rect;
}

Rect FakeWindowSystem::ClientRect(WindowId window) const
{
    const Entry* entry = Find(window);
    const Rect rect = entry ? entry->window.client : Rect{};
    Record(FakeCall::ClientRect, window);
    return rect;
}

void FakeWindowSystem::MoveWindow(WindowId window, int left, int top, int width, int height, bool repaint)
{
    moveCalls_.push_back(MoveCall{window, left, top, width, height, repaint});
    if (Entry* entry = Find(window))
    {
        FakeWindow& w = entry->window;
        // The frame keeps its thickness, so the client area changes by as much as the window does.
        const int frameWidth = (w.rect.right - w.rect.left) - w.client.right;
        const int frameHeight = (w.rect.bottom - w.rect.top) - w.client.bottom;
        w.rect = Rect{left, top, left + width, top + height};
        w.client = Rect{0, 0, std::max(0, width - frameWidth), std::max(0, height - frameHeight)};
    }
    Record(FakeCall::MoveWindow, window);
}

MenuHandle FakeWindowSystem::Menu(WindowId window) const
{
    const Entry* entry = Find(window);
    const MenuHandle menu = entry ? entry->window.menu : MenuHandle::None;
    Record(FakeCall::Menu, window);
    return menu;
}

void FakeWindowSystem::SetMenu(WindowId window, MenuHandle menu)
{
    if (Entry* entry = Find(window))
    {
        entry->window.menu = menu;
    }
    Record(FakeCall::SetMenu, window);
}

WindowId FakeWindowSystem::Parent(WindowId window) const
{
    const Entry* entry = Find(window);
    const WindowId parent = entry ? entry->parent : WindowId::None;
    Record(FakeCall::Parent, window);
    return parent;
}

void FakeWindowSystem::SetParent(WindowId window, WindowId newParent)
{
    const bool toDesktop = IsNone(newParent) || newParent == desktop_;
    if (Entry* entry = Find(window); entry && newParent != window && (toDesktop || Find(newParent)))
    {
        entry->parent = toDesktop ? WindowId::None : newParent;
    }
    Record(FakeCall::SetParent, window);
}

std::int32_t FakeWindowSystem::Flash(WindowId window)
{
    const std::int32_t wasActive = Find(window) && active_ == window ? 1 : 0;
    Record(FakeCall::Flash, window);
    return wasActive;
}

std::intptr_t FakeWindowSystem::RequestClose(WindowId window)
{
    std::intptr_t answer = 0;
    if (const Entry* entry = Find(window))
    {
        answer = entry->window.closeAnswer;
        if (entry->window.closesOnRequest)
        {
            Destroy(window);
        }
    }
    Record(FakeCall::RequestClose, window);
    return answer;
}

std::int32_t FakeWindowSystem::CopyClientArea(WindowId window, DcHandle destination, int x, int y, int width,
                                              int height, int sourceWidth, int sourceHeight)
{
    copyCalls_.push_back(CopyCall{window, destination, x, y, width, height, sourceWidth, sourceHeight});
    const std::int32_t result = Find(window) ? copyResult_ : 0;
    Record(FakeCall::CopyClientArea, window);
    return result;
}

} // namespace dorvik::platform
