// Processing pending events from inside a handler, for waits that must keep the program responsive.
#pragma once

#include <chrono>

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

} // namespace dorvik::platform
