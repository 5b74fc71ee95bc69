// The clock fields' spin control: a vertical scroll bar whose value counts from 0 at the bottom up to its
// Min at the top, so that the upper arrow raises the field. Windows counts a scroll bar from the top.
#pragma once

#include "platform/win32/Win32.h"

namespace dorvik::win32
{

class UpCountingScrollBar
{
public:
    void Attach(HWND bar);

    HWND Hwnd() const noexcept { return bar_; }

    // The largest value, at the top; the value is brought within it.
    void SetMin(int min);

    int Value() const noexcept { return value_; }

    void SetValue(int value);

    // Applies the scroll request of a WM_VSCROLL; true when it changed the value.
    bool OnScroll(WPARAM request);

private:
    void Apply() const;

    HWND bar_ = nullptr;
    int min_ = 59;
    int value_ = 0;
};

} // namespace dorvik::win32
