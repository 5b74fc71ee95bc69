// The desktop's windows through user32 and gdi32, with the wide-character entry points.
#include "platform/win32/Win32WindowSystem.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"

namespace dorvik::win32
{

// The logic names these numbers without the Windows headers; they must be Windows' own.
static_assert(static_cast<UINT>(WindowRelation::Next) == GW_HWNDNEXT);
static_assert(static_cast<UINT>(WindowRelation::FirstChild) == GW_CHILD);
static_assert(platform::kExStyleToolWindow == WS_EX_TOOLWINDOW);
static_assert(platform::kExStyleAppWindow == WS_EX_APPWINDOW);
static_assert(platform::kShowHide == SW_HIDE);
static_assert(platform::kShowShow == SW_SHOW);

namespace
{

// Windows copies at most 254 characters of a class name and the terminator into a buffer of 255.
constexpr int kTextBufferLength = 255;

// Long enough for a window that is merely busy, short enough that a hung one cannot freeze the tick.
constexpr UINT kCloseTimeoutMs = 3000;

// No exception may cross user32's frames: a failure to grow the list (the only one there can be) ends the
// program where the memory was asked for, as the program's operator new ends it everywhere.
BOOL CALLBACK CollectWindow(HWND window, LPARAM context) noexcept
{
    reinterpret_cast<std::vector<WindowId>*>(context)->push_back(ToWindowId(window));
    return TRUE;
}

using TextReader = int(WINAPI*)(HWND, LPWSTR, int);

std::wstring ReadText(TextReader read, WindowId window)
{
    wchar_t buffer[kTextBufferLength] = {};
    const int length = read(ToHwnd(window), buffer, kTextBufferLength);
    if (length <= 0)
    {
        return {};
    }
    return std::wstring(buffer, static_cast<std::size_t>(std::min(length, kTextBufferLength - 1)));
}

// A title is as long as its window made it. Read after its length, it may have grown in between: one spare
// character tells, and a read that fills the buffer is made again with more room.
std::wstring ReadTitle(HWND window)
{
    int room = ::GetWindowTextLengthW(window) + 2;
    for (;;)
    {
        std::wstring title(static_cast<std::size_t>(room), L'\0');
        const int length = ::GetWindowTextW(window, title.data(), room);
        if (length <= 0)
        {
            return {};
        }
        if (length < room - 1)
        {
            title.resize(static_cast<std::size_t>(length));
            return title;
        }
        room *= 2;
    }
}

Rect FromRect(const RECT& rect) noexcept
{
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

std::vector<WindowId> Win32WindowSystem::TopLevelWindows() const
{
    std::vector<WindowId> windows;
    windows.reserve(lastCount_ + lastCount_ / 4 + 16);
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    lastCount_ = windows.size();
    return windows;
}

bool Win32WindowSystem::IsTopLevel(WindowId window) const
{
    // The parent of a top-level window, owned or not, is this desktop's window; a child's is another window,
    // a message-only window's is the message window, and a handle that names no window has none.
    const HWND hwnd = ToHwnd(window);
    return !IsNone(window) && ::IsWindow(hwnd) && ::GetAncestor(hwnd, GA_PARENT) == ::GetDesktopWindow();
}

bool Win32WindowSystem::IsOwnWindow(WindowId window) const
{
    DWORD process = 0;
    return ::GetWindowThreadProcessId(ToHwnd(window), &process) != 0 && process == ::GetCurrentProcessId();
}

WindowId Win32WindowSystem::DesktopWindow() const
{
    return ToWindowId(::GetDesktopWindow());
}

WindowId Win32WindowSystem::RelatedWindow(WindowId window, WindowRelation relation) const
{
    return ToWindowId(::GetWindow(ToHwnd(window), static_cast<UINT>(relation)));
}

WindowId Win32WindowSystem::WindowFromPoint(int x, int y) const
{
    return ToWindowId(::WindowFromPoint(POINT{x, y}));
}

WindowId Win32WindowSystem::ActiveWindow() const
{
    return ToWindowId(::GetActiveWindow());
}

WindowId Win32WindowSystem::SetActiveWindow(WindowId window)
{
    return ToWindowId(::SetActiveWindow(ToHwnd(window)));
}

std::wstring Win32WindowSystem::WindowText(WindowId window) const
{
    return ReadTitle(ToHwnd(window));
}

void Win32WindowSystem::SetWindowText(WindowId window, std::wstring_view text)
{
    const std::wstring terminated(text);
    ::SetWindowTextW(ToHwnd(window), terminated.c_str());
}

std::wstring Win32WindowSystem::ClassName(WindowId window) const
{
    return ReadText(&::GetClassNameW, window);
}

std::int32_t Win32WindowSystem::ExtendedStyle(WindowId window) const
{
    // The extended style is a DWORD in the low half of the LONG_PTR.
    return static_cast<std::int32_t>(::GetWindowLongPtrW(ToHwnd(window), GWL_EXSTYLE));
}

bool Win32WindowSystem::IsVisible(WindowId window) const
{
    return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::IsIconic(WindowId window) const
{
    return ::IsIconic(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::IsZoomed(WindowId window) const
{
    return ::IsZoomed(ToHwnd(window)) != FALSE;
}

void Win32WindowSystem::ShowWindow(WindowId window, int command)
{
    ::ShowWindow(ToHwnd(window), command);
}

Rect Win32WindowSystem::WindowRect(WindowId window) const
{
    RECT rect{};
    if (!::GetWindowRect(ToHwnd(window), &rect))
    {
        return Rect{};
    }
    return FromRect(rect);
}

Rect Win32WindowSystem::ClientRect(WindowId window) const
{
    RECT rect{};
    if (!::GetClientRect(ToHwnd(window), &rect))
    {
        return Rect{};
    }
    return FromRect(rect);
}

void Win32WindowSystem::MoveWindow(WindowId window, int left, int top, int width, int height, bool repaint)
{
    ::MoveWindow(ToHwnd(window), left, top, width, height, repaint ? TRUE : FALSE);
}

MenuHandle Win32WindowSystem::Menu(WindowId window) const
{
    return ToMenuHandle(::GetMenu(ToHwnd(window)));
}

void Win32WindowSystem::SetMenu(WindowId window, MenuHandle menu)
{
    const HWND hwnd = ToHwnd(window);
    ::SetMenu(hwnd, ToHmenu(menu));
    // SetMenu changes the menu but leaves the old bar painted until the bar is drawn again.
    ::DrawMenuBar(hwnd);
}

WindowId Win32WindowSystem::Parent(WindowId window) const
{
    return ToWindowId(::GetParent(ToHwnd(window)));
}

void Win32WindowSystem::SetParent(WindowId window, WindowId newParent)
{
    ::SetParent(ToHwnd(window), ToHwnd(newParent));
}

std::int32_t Win32WindowSystem::Flash(WindowId window)
{
    return ::FlashWindow(ToHwnd(window), TRUE);
}

std::intptr_t Win32WindowSystem::RequestClose(WindowId window)
{
    // WM_CLOSE ignores lParam; a handler that reads it as a pointer anyway finds a zero there.
    int zero = 0;
    DWORD_PTR answer = 0;
    // A foreign window that is hung, or that opens a "save changes?" box inside WM_CLOSE, would otherwise
    // hold this thread, and with it the program's only message loop, for as long as it likes.
    const LRESULT sent = ::SendMessageTimeoutW(ToHwnd(window), WM_CLOSE, 0, reinterpret_cast<LPARAM>(&zero),
                                               SMTO_ABORTIFHUNG, kCloseTimeoutMs, &answer);
    return sent == 0 ? 0 : static_cast<std::intptr_t>(answer);
}

std::int32_t Win32WindowSystem::CopyClientArea(WindowId window, DcHandle destination, int x, int y, int width,
                                               int height, int sourceWidth, int sourceHeight)
{
    // GetDC with no window is the whole screen, not a failure; no window has no picture to copy.
    if (IsNone(window))
    {
        return 0;
    }
    const win32::WindowDc source(ToHwnd(window));
    if (!source)
    {
        return 0;
    }
    return ::StretchBlt(ToHdc(destination), x, y, width, height, source.Get(), 0, 0, sourceWidth,
                        sourceHeight, SRCCOPY);
}

} // namespace dorvik::win32
