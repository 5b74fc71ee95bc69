// Reading windows of another process.
#include "support/Window.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <ostream>
#include <stdexcept>

#include "support/Text.h"

namespace dorvik::e2e
{

namespace
{

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) noexcept
{
    // Only collects: nothing here may throw through the system's callback, and reserve() made room.
    auto* windows = reinterpret_cast<std::vector<Window>*>(context);
    if (windows->size() == windows->capacity())
    {
        return FALSE;
    }
    windows->emplace_back(window);
    return TRUE;
}

// A snapshot taken once, so windows that come and go during the walk cannot cut it short or loop it.
std::vector<Window> Snapshot(HWND parent)
{
    std::vector<Window> windows;
    for (size_t room = 256;; room *= 4)
    {
        windows.clear();
        windows.reserve(room);
        if (parent)
        {
            ::EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
        }
        else
        {
            ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
        }
        if (windows.size() < room)
        {
            return windows;
        }
    }
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction LoadGetDpiForWindow() noexcept
{
    // Looked up at run time: older systems and older mingw headers do not have it.
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<GetDpiForWindowFunction>(
                        reinterpret_cast<void*>(::GetProcAddress(user32, "GetDpiForWindow")))
                  : nullptr;
}

} // namespace

bool Window::Exists() const noexcept
{
    return handle_ && ::IsWindow(handle_);
}

std::wstring Window::Text() const
{
    auto text = TryText();
    if (!text)
    {
        throw std::runtime_error("cannot read the text of window " +
                                 std::to_string(reinterpret_cast<uintptr_t>(handle_)) + ": " +
                                 LastErrorText());
    }
    return std::move(*text);
}

std::optional<std::wstring> Window::TryText() const
{
    const auto length = TrySend(WM_GETTEXTLENGTH);
    if (!length)
    {
        return std::nullopt;
    }
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const auto copied = TrySend(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!copied)
    {
        return std::nullopt;
    }
    text.resize(std::min(text.size(), static_cast<size_t>(*copied)));
    return text;
}

std::wstring Window::ClassName() const
{
    wchar_t name[256] = {};
    const int length = ::GetClassNameW(handle_, name, static_cast<int>(std::size(name)));
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

bool Window::HasClass(std::wstring_view className) const
{
    const std::wstring name = ClassName();
    return ::CompareStringOrdinal(name.c_str(), static_cast<int>(name.size()), className.data(),
                                  static_cast<int>(className.size()), TRUE) == CSTR_EQUAL;
}

DWORD Window::Style() const noexcept
{
    return static_cast<DWORD>(::GetWindowLongPtrW(handle_, GWL_STYLE));
}

DWORD Window::ExStyle() const noexcept
{
    return static_cast<DWORD>(::GetWindowLongPtrW(handle_, GWL_EXSTYLE));
}

bool Window::HasStyle(DWORD style) const noexcept
{
    return (Style() & style) == style;
}

bool Window::HasExStyle(DWORD exStyle) const noexcept
{
    return (ExStyle() & exStyle) == exStyle;
}

bool Window::IsVisible() const noexcept
{
    return ::IsWindowVisible(handle_) != FALSE;
}

bool Window::IsEnabled() const noexcept
{
    return ::IsWindowEnabled(handle_) != FALSE;
}

bool Window::IsMinimized() const noexcept
{
    return ::IsIconic(handle_) != FALSE;
}

int Window::Id() const noexcept
{
    return ::GetDlgCtrlID(handle_);
}

DWORD Window::ProcessId() const noexcept
{
    DWORD pid = 0;
    ::GetWindowThreadProcessId(handle_, &pid);
    return pid;
}

DWORD Window::ThreadId() const noexcept
{
    return ::GetWindowThreadProcessId(handle_, nullptr);
}

Window Window::Parent() const noexcept
{
    return Window(::GetAncestor(handle_, GA_PARENT) == ::GetDesktopWindow()
                      ? nullptr
                      : ::GetAncestor(handle_, GA_PARENT));
}

Window Window::Owner() const noexcept
{
    return Window(::GetWindow(handle_, GW_OWNER));
}

Window Window::TopLevel() const noexcept
{
    return Window(::GetAncestor(handle_, GA_ROOT));
}

RECT Window::WindowRect() const noexcept
{
    RECT rect{};
    ::GetWindowRect(handle_, &rect);
    return rect;
}

RECT Window::ClientRect() const noexcept
{
    RECT rect{};
    ::GetClientRect(handle_, &rect);
    return rect;
}

RECT Window::ClientRectOnScreen() const noexcept
{
    RECT rect = ClientRect();
    ::MapWindowPoints(handle_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT Window::RectIn(const Window& container) const noexcept
{
    RECT rect = WindowRect();
    ::MapWindowPoints(nullptr, container.handle_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

unsigned Window::Dpi() const noexcept
{
    static const GetDpiForWindowFunction getDpiForWindow = LoadGetDpiForWindow();
    if (getDpiForWindow)
    {
        if (const UINT dpi = getDpiForWindow(handle_))
        {
            return dpi;
        }
    }
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return static_cast<unsigned>(dpi);
}

std::vector<Window> Window::Children() const
{
    std::vector<Window> children;
    for (const Window& window : Snapshot(handle_))
    {
        if (::GetAncestor(window.handle_, GA_PARENT) == handle_)
        {
            children.push_back(window);
        }
    }
    return children;
}

std::vector<Window> Window::Descendants() const
{
    // EnumChildWindows already walks every level, parents before their children.
    return Snapshot(handle_);
}

Window Window::Descendant(int id) const
{
    for (const Window& window : Snapshot(handle_))
    {
        if (window.Id() == id)
        {
            return window;
        }
    }
    return {};
}

std::optional<LRESULT> Window::TrySend(UINT message, WPARAM wParam, LPARAM lParam) const noexcept
{
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(handle_, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               static_cast<UINT>(kSendTimeout.count()), &result))
    {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    const auto result = TrySend(message, wParam, lParam);
    if (!result)
    {
        throw std::runtime_error("window " + std::to_string(reinterpret_cast<uintptr_t>(handle_)) +
                                 " did not answer message " + std::to_string(message) + ": " +
                                 LastErrorText());
    }
    return *result;
}

bool Window::Post(UINT message, WPARAM wParam, LPARAM lParam) const noexcept
{
    return ::PostMessageW(handle_, message, wParam, lParam) != FALSE;
}

void PrintTo(const Window& window, std::ostream* out)
{
    *out << "HWND " << reinterpret_cast<const void*>(window.Handle());
    if (window.Exists())
    {
        *out << " (class " << Utf8(window.ClassName()) << ", id " << window.Id() << ")";
    }
}

std::vector<Window> TopLevelWindows(DWORD pid)
{
    std::vector<Window> windows = Snapshot(nullptr);
    if (pid != 0)
    {
        std::erase_if(windows, [pid](const Window& window) { return window.ProcessId() != pid; });
    }
    return windows;
}

Window FindTopLevelWindow(std::wstring_view title, DWORD pid)
{
    for (const Window& window : TopLevelWindows(pid))
    {
        if (window.TryText() == title)
        {
            return window;
        }
    }
    return {};
}

Window WaitForTopLevelWindow(std::wstring_view title, DWORD pid, Milliseconds timeout)
{
    Window found;
    WaitUntil(
        [&] {
            found = FindTopLevelWindow(title, pid);
            return static_cast<bool>(found);
        },
        timeout);
    return found;
}

std::vector<Window> VisibleTopLevelWindows(DWORD pid)
{
    std::vector<Window> windows = TopLevelWindows(pid);
    std::erase_if(windows, [](const Window& window) { return !window.IsVisible(); });
    return windows;
}

Window WindowAtPoint(POINT screenPoint) noexcept
{
    return Window(::WindowFromPoint(screenPoint));
}

} // namespace dorvik::e2e
