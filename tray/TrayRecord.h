// The notification-area record of the main window and the mouse messages its callback carries.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/ITray.h"

namespace dorvik::tray
{

inline constexpr std::uint32_t kIconId = 1;
inline constexpr std::uint32_t kFlags = 7; // NIF_MESSAGE | NIF_ICON | NIF_TIP
inline constexpr std::uint32_t kCallbackMessage =
    512; // WM_MOUSEMOVE: the shell's report arrives as a mouse move

// The mouse messages that the shell reports in the callback's x coordinate.
inline constexpr int kMouseMove = 512;     // WM_MOUSEMOVE
inline constexpr int kLeftButtonUp = 514;  // WM_LBUTTONUP
inline constexpr int kRightButtonUp = 517; // WM_RBUTTONUP

platform::NotifyIconData MakeTepsiKaydi(platform::WindowId form, platform::IconId icon,
                                        std::wstring_view caption);

// The mouse message carried by the callback's x coordinate, given in pixels or, when xInTwips, in twips.
int DecodeCallbackX(double x, bool xInTwips, double twipsPerPixelX);

} // namespace dorvik::tray
