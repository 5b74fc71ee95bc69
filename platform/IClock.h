// The local time of day, a monotonic clock for waits, and the long date in the user's locale.
#pragma once

#include <chrono>
#include <string>

namespace dorvik::platform
{

// Local date and time to the whole second.
struct LocalDateTime
{
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class IClock
{
public:
    virtual ~IClock() = default;

    virtual LocalDateTime Now() const = 0;

    // Never goes back and ignores changes of the wall clock, so a wait measured with it is exact.
    virtual std::chrono::milliseconds Monotonic() const = 0;

    // The date as "dd MMMM yyyy" with the month's full name in the user's locale.
    virtual std::wstring LongDate(const LocalDateTime& when) const = 0;
};

} // namespace dorvik::platform
