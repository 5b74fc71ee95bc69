#include "tray/TrayRecord.h"

#include <cmath>

namespace dorvik::tray
{

platform::NotifyIconData MakeTepsiKaydi(platform::WindowId form, platform::IconId icon,
                                        std::wstring_view caption)
{
    return {.hWnd = form,
            .uID = kIconId,
            .uFlags = kFlags,
            .uCallbackMessage = kCallbackMessage,
            .hIcon = icon,
            .szTip = std::wstring(caption)};
}

int DecodeCallbackX(double x, bool xInTwips, double twipsPerPixelX)
{
    const double pixels = xInTwips && twipsPerPixelX > 0 ? x / twipsPerPixelX : x;
    // Round half to even; a 16-bit coordinate always fits.
    return static_cast<int>(std::nearbyint(pixels));
}

} // namespace dorvik::tray
