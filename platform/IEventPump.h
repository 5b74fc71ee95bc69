// Processing pending events from inside a handler, for waits that must keep the program responsive.
#pragma once

#include <chrono>

#include "platform/IClock.h"

namespace dorvik::platform
{

class IEventPump
{
public:
    virtual ~IEventPump() = default;

    // Sleeps until an event arrives or waitAtMost has passed, then handles every pending event.
    // Handlers of any window may run inside this call.
    virtual void ProcessPendingEvents(std::chrono::milliseconds waitAtMost) = 0;
};

// Waits for span on the elapsed clock, handling events all the while, so the program stays responsive.
inline void ProcessEventsFor(IEventPump& events, const IClock& clock, std::chrono::milliseconds span)
{
    const std::chrono::milliseconds end = clock.Monotonic() + span;
    for (std::chrono::milliseconds now = clock.Monotonic(); now < end; now = clock.Monotonic())
    {
        events.ProcessPendingEvents(end - now);
    }
}

} // namespace dorvik::platform
