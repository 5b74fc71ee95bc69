// Target-time arithmetic in whole seconds: when an armed closing is due.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "scheduler/Choices.h"

namespace dorvik::scheduler
{

using LocalSeconds = std::chrono::local_seconds;
using LocalDays = std::chrono::local_days;
// A reading of the elapsed clock, which keeps running through sleep and ignores changes of the wall clock.
using Elapsed = std::chrono::milliseconds;

// Hour, minute and second of a target.
using TimeOfDay = std::array<std::uint8_t, 3>;

// A target is a time of day on a calendar day, as the wall clock shows it, so a target that no tick happened
// to see is still due afterwards instead of a day later. A delay ("in one hour") means real time: it is
// due when the elapsed clock reaches elapsedDue, whatever the wall clock does meanwhile, and its day and
// time only say what the wall clock showed plus the delay. A time of day has no elapsedDue: it waits for
// the wall clock.
struct Target
{
    LocalDays day{};
    TimeOfDay time{};
    std::optional<Elapsed> elapsedDue;

    friend bool operator==(const Target&, const Target&) = default;
};

LocalSeconds MakeLocalSeconds(int year, int month, int day, int hour, int minute, int second);

// What a quick choice adds to the present moment; the typed time of "Saati Belirle" adds nothing.
std::chrono::seconds QuickOffset(QuickChoice choice);

// A delay from the present moment; on the wall clock a sum past midnight falls on the next day.
Target TargetAfter(LocalSeconds now, Elapsed elapsedNow, std::chrono::seconds delay);

// The next time the wall clock shows a time of day: today, or tomorrow when it has passed.
Target TargetAt(LocalSeconds now, TimeOfDay timeOfDay);

// The same target put off by this much real time: due that much later on the elapsed clock, and named that
// much later on the wall clock. A time of day becomes a delay, since the wall clock may move meanwhile.
Target Postponed(const Target& target, LocalSeconds now, Elapsed elapsedNow, std::chrono::seconds by);

// A time of day this much later, round the clock.
TimeOfDay Later(const TimeOfDay& time, std::chrono::seconds by);

bool TargetReached(const Target& target, LocalSeconds now, Elapsed elapsedNow);

// How long until the target is due; zero once it is.
std::chrono::milliseconds TimeLeft(const Target& target, LocalSeconds now, Elapsed elapsedNow);

// The wall clock has gone back, from before to now (an autumn change, a correction, another time zone).
// A time of day is then due the next time the wall clock shows it, which may be sooner than the day it had;
// a delay stays as it is.
Target AfterWallClockWentBack(const Target& target, LocalSeconds before, LocalSeconds now);

} // namespace dorvik::scheduler
