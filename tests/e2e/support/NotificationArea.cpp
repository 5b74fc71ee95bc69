// Finding the notification area's icons on the screen and reading their tips.
#include "support/NotificationArea.h"

#include <commctrl.h>
#include <cstring>
#include <shellapi.h>
#include <stdexcept>
#include <utility>

#include "support/Icons.h"
#include "support/OwnedHandles.h"
#include "support/Paths.h"
#include "support/RemoteMemory.h"
#include "support/Text.h"

namespace dorvik::e2e
{

namespace
{

struct OpaquePixel
{
    int x;
    int y;
    uint32_t colour;
};

// The pixels that the icon covers completely: drawn on black and on white they come out the same. The others
// let the background through, in part or in full, and say nothing about the icon.
std::vector<OpaquePixel> OpaquePixels(HICON icon, int width, int height)
{
    const Image onBlack = RenderIcon(icon, width, height, Rgb(0, 0, 0));
    const Image onWhite = RenderIcon(icon, width, height, Rgb(255, 255, 255));
    std::vector<OpaquePixel> opaque;
    for (int y = 0; y < height; ++y)
    {
        for (int x = 0; x < width; ++x)
        {
            if (onBlack.At(x, y) == onWhite.At(x, y))
            {
                opaque.push_back({x, y, onBlack.At(x, y)});
            }
        }
    }
    return opaque;
}

bool ShowsAt(const Image& shown, int left, int top, const std::vector<OpaquePixel>& opaque)
{
    for (const OpaquePixel& pixel : opaque)
    {
        if (shown.At(left + pixel.x, top + pixel.y) != pixel.colour)
        {
            return false;
        }
    }
    return true;
}

// Tool index of tooltip, with its text, which the tooltip copies to where lpszText points: into its own
// process, like every pointer in a common control's message.
std::optional<NotificationTip> Tool(const Window& tooltip, int index)
{
    constexpr size_t kTextChars = 256;
    const RemoteMemory buffer(tooltip.ProcessId(), sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t));
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.lpszText = reinterpret_cast<LPWSTR>(static_cast<std::byte*>(buffer.Address()) + sizeof info);
    buffer.Write(&info, sizeof info);
    const std::wstring empty(kTextChars, L'\0');
    buffer.Write(empty.data(), kTextChars * sizeof(wchar_t), sizeof info);
    const auto found = tooltip.TrySend(TTM_ENUMTOOLSW, static_cast<WPARAM>(index), buffer.AsLParam());
    if (!found || *found == 0)
    {
        return std::nullopt;
    }
    buffer.Read(&info, sizeof info);
    NotificationTip tip;
    tip.text.assign(kTextChars, L'\0');
    buffer.Read(tip.text.data(), kTextChars * sizeof(wchar_t), sizeof info);
    tip.text.resize(tip.text.find(L'\0'));
    tip.area = info.rect;
    ::MapWindowPoints(info.hwnd, nullptr, reinterpret_cast<POINT*>(&tip.area), 2);
    return tip;
}

} // namespace

Window Taskbar()
{
    for (const Window& window : TopLevelWindows())
    {
        if (window.HasClass(L"Shell_TrayWnd"))
        {
            return window;
        }
    }
    return {};
}

bool NotificationAreaShown()
{
    const Window taskbar = Taskbar();
    return taskbar && taskbar.IsVisible();
}

win32::UniqueHicon LoadProgramIcon(int resourceId)
{
    const std::wstring path = ProgramPath();
    const UniqueModule module(
        ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module)
    {
        throw std::runtime_error("cannot read the resources of " + Utf8(path) + ": " + LastErrorText());
    }
    // Not LR_SHARED: the icon must outlive the module it was read from.
    win32::UniqueHicon icon(static_cast<HICON>(::LoadImageW(module.get(), MAKEINTRESOURCEW(resourceId),
                                                            IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                            ::GetSystemMetrics(SM_CYSMICON), 0)));
    if (!icon)
    {
        throw std::runtime_error("the program has no icon " + std::to_string(resourceId) + ": " +
                                 LastErrorText());
    }
    return icon;
}

std::optional<RECT> FindNotificationIcon(HICON icon)
{
    const Window taskbar = Taskbar();
    if (!taskbar || !taskbar.IsVisible())
    {
        return std::nullopt;
    }
    const int width = ::GetSystemMetrics(SM_CXSMICON);
    const int height = ::GetSystemMetrics(SM_CYSMICON);
    const std::vector<OpaquePixel> opaque = OpaquePixels(icon, width, height);
    if (opaque.empty())
    {
        throw std::invalid_argument("the icon has no opaque pixel to look for");
    }
    const RECT area = taskbar.WindowRect();
    const Image shown = CaptureScreen(area);
    // From the right, where the notification area lies.
    for (int left = shown.width - width; left >= 0; --left)
    {
        for (int top = 0; top + height <= shown.height; ++top)
        {
            if (ShowsAt(shown, left, top, opaque))
            {
                return RECT{area.left + left, area.top + top, area.left + left + width,
                            area.top + top + height};
            }
        }
    }
    return std::nullopt;
}

bool RemoveNotificationIcon(const Window& owner, UINT iconId)
{
    // Looked up at run time: the driver does not link shell32 for this one call.
    using ShellNotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
    const HMODULE shell = ::LoadLibraryW(L"shell32.dll");
    if (!shell)
    {
        return false;
    }
    const UniqueModule loaded(shell);
    const auto notify = reinterpret_cast<ShellNotifyIconFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(shell, "Shell_NotifyIconW")));
    if (!notify)
    {
        return false;
    }
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner.Handle();
    data.uID = iconId;
    return notify(NIM_DELETE, &data) != FALSE;
}

std::vector<NotificationTip> NotificationTips()
{
    std::vector<NotificationTip> tips;
    const Window taskbar = Taskbar();
    if (!taskbar)
    {
        return tips;
    }
    for (const Window& window : TopLevelWindows(taskbar.ProcessId()))
    {
        if (!window.HasClass(TOOLTIPS_CLASSW) || window.Owner() != taskbar)
        {
            continue;
        }
        const int count = static_cast<int>(window.TrySend(TTM_GETTOOLCOUNT).value_or(0));
        for (int index = 0; index < count; ++index)
        {
            // Explorer keeps the tooltip of an icon that has gone, with an empty rectangle.
            if (auto tip = Tool(window, index); tip && !::IsRectEmpty(&tip->area))
            {
                tips.push_back(std::move(*tip));
            }
        }
    }
    return tips;
}

namespace
{

// TTM_GETTITLE, or nothing where the tooltip does not answer it.
std::optional<std::wstring> AskedTitle(const Window& tip)
{
    constexpr size_t kTitleChars = 128;
    RemoteMemory memory(tip.ProcessId(), sizeof(TTGETTITLE) + kTitleChars * sizeof(wchar_t));
    TTGETTITLE request{};
    request.dwSize = sizeof(request);
    request.cch = kTitleChars;
    request.pszTitle =
        reinterpret_cast<WCHAR*>(static_cast<std::byte*>(memory.Address()) + sizeof(TTGETTITLE));
    memory.Write(&request, sizeof(request));
    if (!tip.TrySend(TTM_GETTITLE, 0, memory.AsLParam()))
    {
        return std::nullopt;
    }
    std::wstring title(kTitleChars, L'\0');
    memory.Read(title.data(), kTitleChars * sizeof(wchar_t), sizeof(TTGETTITLE));
    title.resize(title.find(L'\0'));
    return title.empty() ? std::nullopt : std::optional(title);
}

// Wine 8's comctl32 leaves TTM_GETTITLE out. Its tooltip keeps its state in a record named by the window's
// first extra value: the window's own handle first, the title's address 2152 bytes in (64-bit builds). The
// handle is checked before the address is trusted.
std::optional<std::wstring> TitleFromWinesRecord(const Window& tip)
{
    constexpr size_t kRecordBytes = 2168;
    constexpr size_t kTitleAddressAt = 2152;
    const win32::UniqueHandle process(
        ::OpenProcess(PROCESS_VM_READ | PROCESS_QUERY_INFORMATION, FALSE, tip.ProcessId()));
    const auto record = reinterpret_cast<const void*>(::GetWindowLongPtrW(tip.Handle(), 0));
    std::vector<std::byte> bytes(kRecordBytes);
    HWND self = nullptr;
    if (!process || !record ||
        !::ReadProcessMemory(process.get(), record, bytes.data(), bytes.size(), nullptr))
    {
        return std::nullopt;
    }
    std::memcpy(&self, bytes.data(), sizeof(self));
    const void* titleAddress = nullptr;
    std::memcpy(&titleAddress, bytes.data() + kTitleAddressAt, sizeof(titleAddress));
    wchar_t title[128] = {};
    if (self != tip.Handle() || !titleAddress ||
        !::ReadProcessMemory(process.get(), titleAddress, title, sizeof(title) - sizeof(wchar_t), nullptr))
    {
        return std::nullopt;
    }
    return std::wstring(title);
}

} // namespace

std::optional<BalloonNotification> ShownBalloon()
{
    for (const Window& window : TopLevelWindows())
    {
        if (!window.HasClass(TOOLTIPS_CLASSW) || !window.IsVisible() || !window.HasStyle(TTS_BALLOON))
        {
            continue;
        }
        BalloonNotification balloon;
        balloon.text = window.TryText().value_or(L"");
        auto title = AskedTitle(window);
        if (!title)
        {
            title = TitleFromWinesRecord(window);
        }
        balloon.title = title.value_or(L"");
        return balloon;
    }
    return std::nullopt;
}

std::optional<std::wstring> NotificationTipAt(POINT screenPoint)
{
    for (const NotificationTip& tip : NotificationTips())
    {
        if (::PtInRect(&tip.area, screenPoint))
        {
            return tip.text;
        }
    }
    return std::nullopt;
}

} // namespace dorvik::e2e
