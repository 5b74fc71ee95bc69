#include "ui/win32/StatusPanel.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace dorvik::win32
{

namespace
{

// The widest text the status panel will ever show: the long date of each month with a clock after it.
int WidestStatusText(HDC dc)
{
    int widest = 0;
    for (WORD month = 1; month <= 12; ++month)
    {
        SYSTEMTIME date{};
        date.wYear = 2000;
        date.wMonth = month;
        date.wDay = 28;
        std::array<wchar_t, 128> buffer{};
        if (::GetDateFormatW(LOCALE_USER_DEFAULT, 0, &date, L"dd MMMM yyyy", buffer.data(),
                             static_cast<int>(buffer.size())) <= 0)
        {
            continue;
        }
        const std::wstring text = std::wstring(buffer.data()) + L", 00 : 00";
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    return widest;
}

} // namespace

StatusPanelFit FitStatusPanel(LOGFONTW font, int panelWidth, int barWidth, int dpi)
{
    const int padding = ::MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI);
    const int smallest = ::MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI);
    const WindowDc screen(nullptr);
    StatusPanelFit fit{panelWidth, UniqueHfont(::CreateFontIndirectW(&font))};
    while (screen)
    {
        const HGDIOBJ previous = ::SelectObject(screen.Get(), fit.font.get());
        const int needed = WidestStatusText(screen.Get()) + padding;
        ::SelectObject(screen.Get(), previous);
        fit.panelWidth = std::clamp(needed, panelWidth, std::max(panelWidth, barWidth));
        if (needed <= fit.panelWidth || std::abs(font.lfHeight) <= smallest)
        {
            break;
        }
        font.lfHeight += font.lfHeight < 0 ? 1 : -1;
        fit.font.reset(::CreateFontIndirectW(&font));
    }
    return fit;
}

} // namespace dorvik::win32
