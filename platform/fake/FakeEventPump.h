// Pending events for waits: time passes on the fake clock, and events that a test scheduled run when their
// moment comes, inside the wait, as Windows dispatches messages inside a pumping wait.
#pragma once

#include <chrono>
#include <functional>
#include <map>

#include "platform/IEventPump.h"
#include "platform/fake/FakeClock.h"

namespace dorvik::platform
{

class FakeEventPump final : public IEventPump
{
public:
    explicit FakeEventPump(FakeClock& clock) noexcept
        : clock_(clock)
    {
    }

    void ProcessPendingEvents(std::chrono::milliseconds waitAtMost) override;

    // Runs action inside the first wait that reaches `after` from now on the monotonic clock.
    void Schedule(std::chrono::milliseconds after, std::function<void()> action);

    int Calls() const noexcept { return calls_; }

    std::chrono::milliseconds Waited() const noexcept { return waited_; }

private:
    FakeClock& clock_;
    std::multimap<std::chrono::milliseconds, std::function<void()>> scheduled_;
    int calls_ = 0;
    std::chrono::milliseconds waited_{0};
};

} // namespace dorvik::platform
