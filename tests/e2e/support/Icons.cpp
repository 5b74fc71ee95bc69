// Pixel comparison of on-screen icons with the stock icons.
#include "support/Icons.h"

#include <array>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "platform/win32/Handles.h"
#include "support/Canvas.h"
#include "support/Text.h"

namespace dorvik::e2e
{

namespace
{

HICON LoadStock(StockIcon icon) noexcept
{
    // Shared icons from LoadIcon are never destroyed.
    switch (icon)
    {
    case StockIcon::Application:
        return ::LoadIconW(nullptr, IDI_APPLICATION);
    case StockIcon::Error:
        return ::LoadIconW(nullptr, IDI_HAND);
    case StockIcon::Question:
        return ::LoadIconW(nullptr, IDI_QUESTION);
    case StockIcon::Warning:
        return ::LoadIconW(nullptr, IDI_EXCLAMATION);
    case StockIcon::Information:
        return ::LoadIconW(nullptr, IDI_ASTERISK);
    case StockIcon::Unknown:
        break;
    }
    return nullptr;
}

} // namespace

void PrintTo(StockIcon icon, std::ostream* out)
{
    switch (icon)
    {
    case StockIcon::Unknown:
        *out << "Unknown";
        return;
    case StockIcon::Application:
        *out << "Application";
        return;
    case StockIcon::Error:
        *out << "Error";
        return;
    case StockIcon::Question:
        *out << "Question";
        return;
    case StockIcon::Warning:
        *out << "Warning";
        return;
    case StockIcon::Information:
        *out << "Information";
        return;
    }
    *out << "StockIcon(" << static_cast<int>(icon) << ")";
}

Image RenderIcon(HICON icon, int width, int height, uint32_t background)
{
    Canvas canvas(width, height);
    canvas.Fill(background);
    ::DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    return canvas.Read();
}

IconMatch MatchStockIcon(const Image& captured)
{
    IconMatch best{StockIcon::Unknown, captured.pixels.size() + 1};
    if (captured.pixels.empty())
    {
        return best;
    }
    const uint32_t background = captured.At(0, 0);
    for (const StockIcon icon : {StockIcon::Application, StockIcon::Error, StockIcon::Question,
                                 StockIcon::Warning, StockIcon::Information})
    {
        const Image drawn = RenderIcon(LoadStock(icon), captured.width, captured.height, background);
        const size_t differing = DifferingPixels(drawn, captured);
        if (differing < best.differingPixels)
        {
            best = {icon, differing};
        }
    }
    return best;
}

StockIcon StockIconAt(const RECT& rect)
{
    const RECT square{rect.left, rect.top, rect.left + ::GetSystemMetrics(SM_CXICON),
                      rect.top + ::GetSystemMetrics(SM_CYICON)};
    const IconMatch match = MatchStockIcon(CaptureScreen(square));
    return match.differingPixels == 0 ? match.icon : StockIcon::Unknown;
}

} // namespace dorvik::e2e
