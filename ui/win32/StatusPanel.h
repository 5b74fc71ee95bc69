// The status bar's one panel, sized for the longest date of the user's locale with a clock after it.
#pragma once

#include "platform/win32/Win32.h"

#include "platform/win32/Handles.h"

namespace dorvik::win32
{

struct StatusPanelFit
{
    int panelWidth;
    UniqueHfont font;
};

// Month names differ in length from locale to locale. The panel keeps its width where the longest date fits;
// otherwise it grows up to the width of the bar, and only then does its font shrink, down to a legible floor.
StatusPanelFit FitStatusPanel(LOGFONTW font, int panelWidth, int barWidth, int dpi);

} // namespace dorvik::win32
