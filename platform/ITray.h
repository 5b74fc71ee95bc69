// The notification-area icon.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace dorvik::platform
{

enum class TrayMessage : std::uint32_t
{
    Add = 0,    // NIM_ADD
    Modify = 1, // NIM_MODIFY
    Delete = 2  // NIM_DELETE
};

// The fields of the shell's notify-icon record that the program fills.
struct NotifyIconData
{
    WindowId hWnd = WindowId::None;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconId hIcon = IconId::Dorvik;
    std::wstring szTip;

    friend bool operator==(const NotifyIconData&, const NotifyIconData&) = default;
};

class ITray
{
public:
    virtual ~ITray() = default;

    // Returns what the shell answered; the program's flow never depends on it.
    virtual bool Notify(TrayMessage message, const NotifyIconData& data) = 0;
};

} // namespace dorvik::platform
