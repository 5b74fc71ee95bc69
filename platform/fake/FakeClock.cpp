#include "platform/fake/FakeClock.h"

#include <array>

namespace dorvik::platform
{

using namespace std::chrono;

FakeClock::FakeClock()
{
    Set({.year = 2026, .month = 12, .day = 7, .hour = 12, .minute = 0, .second = 0});
}

LocalDateTime FakeClock::Now() const
{
    const auto secondsNow = floor<seconds>(wall_);
    const local_days day = floor<days>(secondsNow);
    const year_month_day date(day);
    const hh_mm_ss<seconds> time(secondsNow - day);
    return {.year = static_cast<int>(date.year()),
            .month = static_cast<int>(static_cast<unsigned>(date.month())),
            .day = static_cast<int>(static_cast<unsigned>(date.day())),
            .hour = static_cast<int>(time.hours().count()),
            .minute = static_cast<int>(time.minutes().count()),
            .second = static_cast<int>(time.seconds().count()),
            .millisecond = static_cast<int>((wall_ - secondsNow).count())};
}

milliseconds FakeClock::Monotonic() const
{
    return monotonic_;
}

milliseconds FakeClock::Awake() const
{
    return awake_;
}

std::wstring FakeClock::LongDate(const LocalDateTime& when) const
{
    static constexpr std::array<const wchar_t*, 12> kMonths = {
        L"January", L"February", L"March",     L"April",   L"May",      L"June",
        L"July",    L"August",   L"September", L"October", L"November", L"December"};
    std::wstring day = std::to_wstring(when.day);
    if (day.size() == 1)
    {
        day.insert(0, L"0");
    }
    return day + L" " + kMonths.at(static_cast<std::size_t>(when.month - 1)) + L" " +
           std::to_wstring(when.year);
}

local_time<milliseconds> FakeClock::WallOf(const LocalDateTime& when)
{
    const local_days day{year{when.year} / month{static_cast<unsigned>(when.month)} /
                         std::chrono::day{static_cast<unsigned>(when.day)}};
    return local_time<milliseconds>(day) + hours(when.hour) + minutes(when.minute) + seconds(when.second) +
           milliseconds(when.millisecond);
}

void FakeClock::Set(const LocalDateTime& when)
{
    wall_ = WallOf(when);
}

void FakeClock::SetTime(int hour, int minute, int second)
{
    LocalDateTime when = Now();
    when.hour = hour;
    when.minute = minute;
    when.second = second;
    Set(when);
}

void FakeClock::Advance(milliseconds by)
{
    wall_ += by;
    monotonic_ += by;
    awake_ += by;
}

void FakeClock::PassUntil(const LocalDateTime& when)
{
    Advance(WallOf(when) - wall_);
}

void FakeClock::Sleep(milliseconds by)
{
    wall_ += by;
    monotonic_ += by;
}

void FakeClock::JumpWallClock(seconds by)
{
    wall_ += by;
}

} // namespace dorvik::platform
