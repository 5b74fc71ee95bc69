// Target-time arithmetic in whole seconds: when an armed closing is due.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>

#include "scheduler/Choices.h"

namespace dorvik::scheduler
{

using LocalSeconds = std::chrono::local_seconds;
using LocalDays = std::chrono::local_days;

// Hour, minute and second of a target.
using TimeOfDay = std::array<std::uint8_t, 3>;

// A target is a time of day on a calendar day, so a target that no tick happened to see is still due
// afterwards instead of a day later.
struct Target
{
    LocalDays day{};
    TimeOfDay time{};

    friend bool operator==(const Target&, const Target&) = default;
};

LocalSeconds MakeLocalSeconds(int year, int month, int day, int hour, int minute, int second);

// What a quick choice adds to the present moment; the typed time of "Saati Belirle" adds nothing.
std::chrono::seconds QuickOffset(QuickChoice choice);

// The present moment plus an offset; a sum past midnight falls on the next day.
Target TargetAfter(LocalSeconds now, std::chrono::seconds offset);

// The next occurrence of a time of day at or after the present moment: today, or tomorrow when it has passed.
Target TargetAt(LocalSeconds now, TimeOfDay timeOfDay);

bool TargetReached(const Target& target, LocalSeconds now);

} // namespace dorvik::scheduler
