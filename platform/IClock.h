// The local time of day, the elapsed time for waits and delays, and the long date in the user's locale.
#pragma once

#include <chrono>
#include <string>

namespace dorvik::platform
{

// Local date and time; the milliseconds only serve to compare readings of the clocks.
struct LocalDateTime
{
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class IClock
{
public:
    virtual ~IClock() = default;

    virtual LocalDateTime Now() const = 0;

    // The elapsed time: never goes back, ignores changes of the wall clock and keeps running while the
    // computer sleeps, so a wait or a delay measured with it is real time.
    virtual std::chrono::milliseconds Monotonic() const = 0;

    // Like Monotonic, but standing still while the computer sleeps or hibernates: the difference between
    // the two grows by the time spent asleep.
    virtual std::chrono::milliseconds Awake() const = 0;

    // The date as "dd MMMM yyyy" with the month's full name in the user's locale.
    virtual std::wstring LongDate(const LocalDateTime& when) const = 0;
};

} // namespace dorvik::platform
