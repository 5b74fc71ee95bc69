// Telling which of Windows' stock icons a window shows. Icon handles cannot be read across processes
// (GetIconInfo fails on another process's icon), so the icon is identified by its pixels on the screen.
#pragma once

#include <iosfwd>

#include "support/Screen.h"

namespace dorvik::e2e
{

enum class StockIcon
{
    Unknown,
    Application, // IDI_APPLICATION
    Error,       // IDI_HAND, MB_ICONERROR / MB_ICONSTOP
    Question,    // IDI_QUESTION, MB_ICONQUESTION
    Warning,     // IDI_EXCLAMATION, MB_ICONEXCLAMATION / MB_ICONWARNING
    Information, // IDI_ASTERISK, MB_ICONINFORMATION
};

void PrintTo(StockIcon icon, std::ostream* out);

struct IconMatch
{
    StockIcon icon = StockIcon::Unknown;
    // Pixels that differ from the best-matching stock icon drawn on the same background.
    size_t differingPixels = 0;
};

// Compares a captured icon-sized picture with every stock icon drawn on the captured picture's background
// (the colour of its top-left pixel, which an icon leaves transparent).
IconMatch MatchStockIcon(const Image& captured);

// The stock icon shown in the icon-sized square at the top-left of rect (screen coordinates), or Unknown
// when none matches exactly.
StockIcon StockIconAt(const RECT& rect);

// The picture of an icon of this process drawn at width x height on a plain background.
Image RenderIcon(HICON icon, int width, int height, uint32_t background);

} // namespace dorvik::e2e
