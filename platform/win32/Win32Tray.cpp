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

bool Win32Tray::Notify(platform::TrayMessage message, const platform::NotifyIconData& data)
{
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = ToHwnd(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = icons_.Small(data.hIcon);
    // The tip field holds 128 characters with its terminator.
    const std::size_t length = std::min(data.szTip.size(), std::size(record.szTip) - 1);
    std::copy_n(data.szTip.begin(), length, record.szTip);
    record.szTip[length] = L'\0';
    return ::Shell_NotifyIconW(static_cast<DWORD>(message), &record) != FALSE;
}

} // namespace dorvik::win32
