// A clock that stands still until a test moves it; wall time and monotonic time move together unless a test
// makes the wall clock jump.
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
    // "dd <English month> yyyy".
    std::wstring LongDate(const LocalDateTime& when) const override;

    void Set(const LocalDateTime& when);
    void SetTime(int hour, int minute, int second);
    // Moves both clocks; the wall clock shows whole seconds.
    void Advance(std::chrono::milliseconds by);
    // Moves only the wall clock, as a user or a time service changing the clock would.
    void JumpWallClock(std::chrono::seconds by);

private:
    std::chrono::local_time<std::chrono::milliseconds> wall_;
    std::chrono::milliseconds monotonic_{1'000'000};
};

} // namespace dorvik::platform
