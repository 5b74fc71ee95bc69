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
};

struct TickDecision
{
    bool computeTarget = false; // compute the target from the quick choice now, once per arming
    bool compare = false;       // compare the present moment with the target

    friend bool operator==(const TickDecision&, const TickDecision&) = default;
};

// watchedWindowPresent() is asked only in application mode with a chosen window, because answering it
// walks the desktop.
template <class WindowPresent>
TickDecision DecideTick(const TickFacts& facts, WindowPresent&& watchedWindowPresent)
{
    if (!facts.armed)
    {
        return {};
    }
    if (!facts.applicationMode)
    {
        // Only a target computed for this arming is compared. While a switch from application mode is being
        // confirmed, the clock mode's mark is already set but no target may exist yet.
        return {.computeTarget = false, .compare = !facts.targetPending};
    }
    if (!facts.windowChosen || watchedWindowPresent())
    {
        return {};
    }
    return {.computeTarget = facts.targetPending, .compare = true};
}

} // namespace dorvik::scheduler
