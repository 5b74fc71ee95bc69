// A clock that stands still until a test moves it. The wall clock, the elapsed time and the awake time move
// together, unless a test makes the wall clock jump (a change of the clock, a daylight-saving change) or the
// computer sleep (the awake time stands still).
#pragma once

#include <chrono>

#include "platform/IClock.h"

namespace dorvik::platform
{

class FakeClock final : public IClock
{
public:
    FakeClock();

    LocalDateTime Now() const override;
    std::chrono::milliseconds Monotonic() const override;
    std::chrono::milliseconds Awake() const override;
    // "dd <English month> yyyy".
    std::wstring LongDate(const LocalDateTime& when) const override;

    void Set(const LocalDateTime& when);
    void SetTime(int hour, int minute, int second);
    // Moves every clock; the wall clock shows whole seconds.
    void Advance(std::chrono::milliseconds by);
    // Lets time pass, awake, until the wall clock shows when (which must not lie behind it).
    void PassUntil(const LocalDateTime& when);
    // Moves only the wall clock, as a user or a time service changing the clock would.
    void JumpWallClock(std::chrono::seconds by);
    // The computer sleeps for this long: the wall clock and the elapsed time move, the awake time does not.
    void Sleep(std::chrono::milliseconds by);

private:
    static std::chrono::local_time<std::chrono::milliseconds> WallOf(const LocalDateTime& when);

    std::chrono::local_time<std::chrono::milliseconds> wall_;
    std::chrono::milliseconds monotonic_{1'000'000};
    std::chrono::milliseconds awake_{900'000};
};

} // namespace dorvik::platform
