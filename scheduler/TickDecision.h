// What a tick of the countdown must do while a closing is armed, decided without any window.
#pragma once

namespace dorvik::scheduler
{

struct TickFacts
{
    bool armed = false;           // a closing is armed
    bool applicationMode = false; // the closing waits for a window to go
    bool windowChosen = false;    // a window to watch has been picked
    bool targetPending = true;    // the target has still to be computed for this arming
    // The closing waits for what the program watches itself, not a window: a process to end, or the quiet.
    bool followsEvent = false;
};

struct TickDecision
{
    bool computeTarget = false; // compute the target from the quick choice now, once per arming
    bool compare = false;       // compare the present moment with the target

    friend bool operator==(const TickDecision&, const TickDecision&) = default;
};

// stillWaiting() says whether the watched window is still there, or the watched process still runs or the
// computer is not yet quiet. It is asked only when the answer matters, because answering it walks the
// desktop or reads the processes; an event is asked once per arming, since what has happened stays so.
template <class StillWaiting> TickDecision DecideTick(const TickFacts& facts, StillWaiting&& stillWaiting)
{
    if (!facts.armed)
    {
        return {};
    }
    if (facts.followsEvent)
    {
        if (!facts.targetPending)
        {
            return {.computeTarget = false, .compare = true};
        }
        return stillWaiting() ? TickDecision{} : TickDecision{.computeTarget = true, .compare = true};
    }
    if (!facts.applicationMode)
    {
        // Only a target computed for this arming is compared. While a switch from application mode is being
        // confirmed, the clock mode's mark is already set but no target may exist yet.
        return {.computeTarget = false, .compare = !facts.targetPending};
    }
    if (!facts.windowChosen || stillWaiting())
    {
        return {};
    }
    return {.computeTarget = facts.targetPending, .compare = true};
}

} // namespace dorvik::scheduler
