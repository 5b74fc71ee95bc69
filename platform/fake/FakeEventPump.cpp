#include "platform/fake/FakeEventPump.h"

#include <algorithm>

namespace dorvik::platform
{

using std::chrono::milliseconds;

void FakeEventPump::ProcessPendingEvents(milliseconds waitAtMost)
{
    ++calls_;
    const milliseconds now = clock_.Monotonic();
    milliseconds wakeAt = now + std::max(waitAtMost, milliseconds(0));
    if (!scheduled_.empty())
    {
        wakeAt = std::min(wakeAt, std::max(scheduled_.begin()->first, now));
    }
    waited_ += wakeAt - now;
    clock_.Advance(wakeAt - now);
    while (!scheduled_.empty() && scheduled_.begin()->first <= clock_.Monotonic())
    {
        auto action = std::move(scheduled_.begin()->second);
        scheduled_.erase(scheduled_.begin());
        action();
    }
}

void FakeEventPump::Schedule(milliseconds after, std::function<void()> action)
{
    scheduled_.emplace(clock_.Monotonic() + after, std::move(action));
}

} // namespace dorvik::platform
