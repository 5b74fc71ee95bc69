#include "platform/win32/Win32Tray.h"

#include "platform/win32/Win32.h"

#include <algorithm>
#include <shellapi.h>

#include "platform/win32/HandleCasts.h"

namespace dorvik::win32
{

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
