#include "scheduler/HedefZaman.h"

#include <algorithm>

namespace dorvik::scheduler
{

using namespace std::chrono;

namespace
{

seconds SecondsOf(const TimeOfDay& time)
{
    return hours(time[0]) + minutes(time[1]) + seconds(time[2]);
}

TimeOfDay TimeOfDayOf(seconds sinceMidnight)
{
    const hh_mm_ss<seconds> parts(sinceMidnight);
    return {static_cast<std::uint8_t>(parts.hours().count()),
            static_cast<std::uint8_t>(parts.minutes().count()),
            static_cast<std::uint8_t>(parts.seconds().count())};
}

LocalSeconds MomentOf(const Target& target)
{
    return LocalSeconds(target.day) + SecondsOf(target.time);
}

} // namespace

LocalSeconds MakeLocalSeconds(int year, int month, int day, int hour, int minute, int second)
{
    const LocalDays date{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                         std::chrono::day{static_cast<unsigned>(day)}};
    return LocalSeconds(date) + hours(hour) + minutes(minute) + seconds(second);
}

seconds QuickOffset(QuickChoice choice)
{
    switch (choice)
    {
    case QuickChoice::Hemen:
        return 3s;
    case QuickChoice::YarimSaatSonra:
        return 30min;
    case QuickChoice::BirSaatSonra:
        return 1h;
    case QuickChoice::IkiSaatSonra:
        return 2h;
    case QuickChoice::SaatiBelirle:
        break;
    }
    return 0s;
}

Target TargetAfter(LocalSeconds now, Elapsed elapsedNow, seconds delay)
{
    const LocalSeconds moment = now + delay;
    const LocalDays day = floor<days>(moment);
    return {day, TimeOfDayOf(moment - LocalSeconds(day)), elapsedNow + delay};
}

Target TargetAt(LocalSeconds now, TimeOfDay timeOfDay)
{
    const LocalDays today = floor<days>(now);
    const Target candidate{today, timeOfDay, std::nullopt};
    if (MomentOf(candidate) >= now)
    {
        return candidate;
    }
    return {today + days(1), timeOfDay, std::nullopt};
}

Target Postponed(const Target& target, LocalSeconds now, Elapsed elapsedNow, seconds by)
{
    const LocalSeconds moment = MomentOf(target) + by;
    const LocalDays day = floor<days>(moment);
    const Elapsed due =
        target.elapsedDue ? *target.elapsedDue + by : elapsedNow + TimeLeft(target, now, elapsedNow) + by;
    return {day, TimeOfDayOf(moment - LocalSeconds(day)), due};
}

TimeOfDay Later(const TimeOfDay& time, seconds by)
{
    return TimeOfDayOf((SecondsOf(time) + by) % days(1));
}

bool TargetReached(const Target& target, LocalSeconds now, Elapsed elapsedNow)
{
    return TimeLeft(target, now, elapsedNow) == milliseconds(0);
}

milliseconds TimeLeft(const Target& target, LocalSeconds now, Elapsed elapsedNow)
{
    const milliseconds left = target.elapsedDue ? *target.elapsedDue - elapsedNow
                                                : duration_cast<milliseconds>(MomentOf(target) - now);
    return std::max(left, milliseconds(0));
}

Target AfterWallClockWentBack(const Target& target, LocalSeconds before, LocalSeconds now)
{
    if (target.elapsedDue || now >= before)
    {
        return target;
    }
    return TargetAt(now, target.time);
}

} // namespace dorvik::scheduler
