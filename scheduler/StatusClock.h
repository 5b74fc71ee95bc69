// The status bar's date and clock, whose colon blinks with every tick.
#pragma once

#include <string>
#include <string_view>

namespace dorvik::scheduler
{

// "<long date>, hh : mm" with the colon shown, "<long date>, hh   mm" without it.
std::wstring StatusClockText(std::wstring_view longDate, int hour, int minute, bool colonShown);

} // namespace dorvik::scheduler
