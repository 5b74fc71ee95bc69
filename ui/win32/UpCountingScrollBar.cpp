#include "ui/win32/UpCountingScrollBar.h"

#include <algorithm>

namespace dorvik::win32
{

void UpCountingScrollBar::Attach(HWND bar)
{
    bar_ = bar;
    Apply();
}

void UpCountingScrollBar::SetMin(int min)
{
    min_ = std::max(min, 0);
    value_ = std::min(value_, min_);
    Apply();
}

void UpCountingScrollBar::SetValue(int value)
{
    value_ = std::clamp(value, 0, min_);
    Apply();
}

bool UpCountingScrollBar::OnScroll(WPARAM request)
{
    int value = value_;
    switch (LOWORD(request))
    {
    case SB_LINEUP:
    case SB_PAGEUP:
        ++value;
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        --value;
        break;
    case SB_TOP:
        value = min_;
        break;
    case SB_BOTTOM:
        value = 0;
        break;
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(bar_, SB_CTL, &info);
        value = min_ - info.nTrackPos;
        break;
    }
    default:
        // The thumb follows the mouse by itself while it is dragged; the value changes when it is let go.
        return false;
    }
    value = std::clamp(value, 0, min_);
    if (value == value_)
    {
        return false;
    }
    value_ = value;
    Apply();
    return true;
}

void UpCountingScrollBar::Apply() const
{
    if (!bar_)
    {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    info.nMin = 0;
    info.nMax = min_;
    info.nPage = 0;
    info.nPos = min_ - value_;
    ::SetScrollInfo(bar_, SB_CTL, &info, TRUE);
}

} // namespace dorvik::win32
