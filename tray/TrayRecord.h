// The notification-area record of the main window and the mouse messages its callback carries.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/ITray.h"

namespace dorvik::tray
{

inline constexpr std::uint32_t kIconId = 1;
inline constexpr std::uint32_t kFlags =
    platform::kTrayFieldMessage | platform::kTrayFieldIcon | platform::kTrayFieldTip;
// The shell's report arrives as a mouse move, whose x coordinate is the mouse message over the icon.
inline constexpr std::uint32_t kCallbackMessage = platform::kMouseMoveMessage;

inline constexpr int kLeftButtonUp = platform::kLeftButtonUpMessage;
inline constexpr int kRightButtonUp = platform::kRightButtonUpMessage;
inline constexpr int kContextMenu = platform::kContextMenuMessage;
inline constexpr int kSelect = platform::kSelectMessage;
inline constexpr int kKeySelect = platform::kKeySelectMessage;
inline constexpr int kBalloonClick = platform::kBalloonClickMessage;

platform::NotifyIconData MakeTepsiKaydi(platform::WindowId form, platform::IconId icon,
                                        std::wstring_view caption);

// The mouse message carried by the callback's x coordinate, given in pixels or, when xInTwips, in twips.
int DecodeCallbackX(double x, bool xInTwips, double twipsPerPixelX);

} // namespace dorvik::tray
