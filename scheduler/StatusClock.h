// The status bar's date and clock, whose colon blinks with every tick.
#pragma once

#include <string>
#include <string_view>

#include "scheduler/HedefZaman.h"

namespace dorvik::scheduler
{

// "hh:mm:ss", each part two digits.
std::wstring TimeOfDayText(const TimeOfDay& time);

// "<long date>, hh : mm" with the colon shown, "<long date>, hh   mm" without it.
std::wstring StatusClockText(std::wstring_view longDate, int hour, int minute, bool colonShown);

} // namespace dorvik::scheduler
