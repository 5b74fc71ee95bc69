// The notification-area icon.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace dorvik::platform
{

enum class TrayMessage : std::uint32_t
{
    Add = 0,    // NIM_ADD
    Modify = 1, // NIM_MODIFY
    Delete = 2  // NIM_DELETE
};

// Which fields of the record the shell reads (NIF_MESSAGE, NIF_ICON, NIF_TIP).
inline constexpr std::uint32_t kTrayFieldMessage = 0x1;
inline constexpr std::uint32_t kTrayFieldIcon = 0x2;
inline constexpr std::uint32_t kTrayFieldTip = 0x4;

// The window messages that the notification area's callback carries: the callback message the program asks
// for, the mouse messages it reports from over the icon and, for an icon of version 3, what the user did
// with it from the mouse or the keyboard.
inline constexpr std::uint32_t kMouseMoveMessage = 0x200; // WM_MOUSEMOVE
inline constexpr int kLeftButtonUpMessage = 0x202;        // WM_LBUTTONUP
inline constexpr int kRightButtonUpMessage = 0x205;       // WM_RBUTTONUP
inline constexpr int kContextMenuMessage = 0x7B;          // WM_CONTEXTMENU: right click, Shift+F10, menu key
inline constexpr int kSelectMessage = 0x400;              // NIN_SELECT: chosen with the mouse
inline constexpr int kKeySelectMessage = 0x401;           // NIN_KEYSELECT: Enter or Space on the icon
inline constexpr int kBalloonClickMessage = 0x405;        // NIN_BALLOONUSERCLICK

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

    // Returns what the shell answered.
    virtual bool Notify(TrayMessage message, const NotifyIconData& data) = 0;

    // Shows a balloon notification with the information icon at the icon that data names. A click on it
    // comes back through the callback as kBalloonClickMessage.
    virtual bool ShowBalloon(const NotifyIconData& data, std::wstring_view title, std::wstring_view text) = 0;

    // Where the icon that data names stands on the screen; where the notification area lies when the shell
    // does not say; nothing when neither is known.
    virtual std::optional<Rect> IconArea(const NotifyIconData& data) = 0;

    // Gives the keyboard focus back to the icon, as after a menu the user opened from the keyboard.
    virtual bool ReturnFocus(const NotifyIconData& data) = 0;
};

} // namespace dorvik::platform
