// The notification area as Wine's explorer shows it on a virtual desktop: a taskbar along the bottom of the
// screen, on the screen only while at least one icon is in it, with the icons painted at its right end. The
// icons are not windows of their own, so they are found by their pixels, and their tips through the
// tooltips explorer keeps for them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "support/Window.h"

namespace dorvik::e2e
{

// The taskbar (class Shell_TrayWnd), or an empty Window when the session has none.
Window Taskbar();

// Whether the taskbar is on the screen. Wine shows it while the notification area holds an icon of any
// program and hides it again when the last icon is removed.
bool NotificationAreaShown();

// Icon resource resourceId of the program under test, read from its file at the size the notification area
// draws (the small icon size). Throws std::runtime_error when the file or the icon cannot be read.
win32::UniqueHicon LoadProgramIcon(int resourceId);

// The screen rectangle where the shown taskbar paints icon, or nothing when it does not. Every opaque pixel
// of the icon must match exactly; the transparent ones show the taskbar, whatever its colour.
std::optional<RECT> FindNotificationIcon(HICON icon);

// Takes icon iconId of window owner out of the notification area from outside its program, as a restarted
// explorer comes up without the icons of the one before. False when the shell refuses.
bool RemoveNotificationIcon(const Window& owner, UINT iconId);

struct NotificationTip
{
    std::wstring text;
    // Where the icon that shows it lies, in screen coordinates.
    RECT area{};
};

// The tips of the icons now in the notification area, read from explorer's tooltips.
std::vector<NotificationTip> NotificationTips();

// The tip of the icon at a point of the screen, or nothing when no icon lies there.
std::optional<std::wstring> NotificationTipAt(POINT screenPoint);

struct BalloonNotification
{
    std::wstring title;
    std::wstring text;
};

// The balloon notification on the screen now, read from the tooltip window of the balloon style that
// explorer draws it in; nothing when none is shown.
std::optional<BalloonNotification> ShownBalloon();

} // namespace dorvik::e2e
