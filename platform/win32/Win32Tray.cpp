#include "platform/win32/Win32Tray.h"

#include "platform/win32/Win32.h"

#include <algorithm>
#include <shellapi.h>

#include "platform/win32/HandleCasts.h"

namespace dorvik::win32
{

// The logic names these numbers without the Windows headers; they must be Windows' own.
static_assert(static_cast<DWORD>(platform::TrayMessage::Add) == NIM_ADD);
static_assert(static_cast<DWORD>(platform::TrayMessage::Modify) == NIM_MODIFY);
static_assert(static_cast<DWORD>(platform::TrayMessage::Delete) == NIM_DELETE);
static_assert(platform::kTrayFieldMessage == NIF_MESSAGE);
static_assert(platform::kTrayFieldIcon == NIF_ICON);
static_assert(platform::kTrayFieldTip == NIF_TIP);
static_assert(platform::kMouseMoveMessage == WM_MOUSEMOVE);
static_assert(platform::kLeftButtonUpMessage == WM_LBUTTONUP);
static_assert(platform::kRightButtonUpMessage == WM_RBUTTONUP);
static_assert(platform::kContextMenuMessage == WM_CONTEXTMENU);
static_assert(platform::kSelectMessage == NIN_SELECT);
static_assert(platform::kKeySelectMessage == NIN_KEYSELECT);
static_assert(platform::kBalloonClickMessage == NIN_BALLOONUSERCLICK);

namespace
{

template <std::size_t Size> void CopyTerminated(std::wstring_view text, wchar_t (&field)[Size])
{
    const std::size_t length = std::min(text.size(), Size - 1);
    std::copy_n(text.begin(), length, field);
    field[length] = L'\0';
}

NOTIFYICONDATAW RecordOf(const platform::NotifyIconData& data, const Win32Icons& icons)
{
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = ToHwnd(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = icons.Small(data.hIcon);
    CopyTerminated(data.szTip, record.szTip);
    return record;
}

platform::Rect RectOf(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The notification area of the taskbar: the shell's own window for it where there is one, else the square at
// the taskbar's far end, where every Windows shell puts it (the right end of a horizontal taskbar, the bottom
// of a vertical one).
std::optional<platform::Rect> NotificationAreaOfTaskbar()
{
    const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT rect{};
    if (!taskbar || !::IsWindowVisible(taskbar) || !::GetWindowRect(taskbar, &rect) || ::IsRectEmpty(&rect))
    {
        return std::nullopt;
    }
    if (const HWND area = ::FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr);
        area && ::GetWindowRect(area, &rect))
    {
        return RectOf(rect);
    }
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    if (width >= height)
    {
        rect.left = rect.right - height;
    }
    else
    {
        rect.top = rect.bottom - width;
    }
    return RectOf(rect);
}

} // namespace

bool Win32Tray::Notify(platform::TrayMessage message, const platform::NotifyIconData& data)
{
    NOTIFYICONDATAW record = RecordOf(data, icons_);
    const bool accepted = ::Shell_NotifyIconW(static_cast<DWORD>(message), &record) != FALSE;
    if (accepted && message == platform::TrayMessage::Add)
    {
        // Without a version the shell sends no notification of a click on a balloon. Version 3 adds them
        // and leaves the mouse messages as they were: the event stays in lParam (version 4 would move it).
        record.uVersion = NOTIFYICON_VERSION;
        ::Shell_NotifyIconW(NIM_SETVERSION, &record);
    }
    return accepted;
}

bool Win32Tray::ShowBalloon(const platform::NotifyIconData& data, std::wstring_view title,
                            std::wstring_view text)
{
    NOTIFYICONDATAW record = RecordOf(data, icons_);
    record.uFlags |= NIF_INFO;
    CopyTerminated(title, record.szInfoTitle);
    CopyTerminated(text, record.szInfo);
    record.dwInfoFlags = NIIF_INFO;
    return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

std::optional<platform::Rect> Win32Tray::IconArea(const platform::NotifyIconData& data)
{
    NOTIFYICONIDENTIFIER icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = ToHwnd(data.hWnd);
    icon.uID = data.uID;
    RECT rect{};
    // Wine's shell does not say: it answers E_NOTIMPL.
    if (SUCCEEDED(::Shell_NotifyIconGetRect(&icon, &rect)) && !::IsRectEmpty(&rect))
    {
        return RectOf(rect);
    }
    return NotificationAreaOfTaskbar();
}

bool Win32Tray::ReturnFocus(const platform::NotifyIconData& data)
{
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = ToHwnd(data.hWnd);
    record.uID = data.uID;
    return ::Shell_NotifyIconW(NIM_SETFOCUS, &record) != FALSE;
}

} // namespace dorvik::win32
