// Waiting for the program under test: poll a condition with a deadline while serving the driver's own
// messages. A fixed sleep is never an assertion; a condition that does not come true fails the test.
#pragma once

#include <chrono>
#include <functional>
#include <optional>

namespace dorvik::e2e
{

using Milliseconds = std::chrono::milliseconds;

// A UI reaction inside one process (a click, a key, a message box) is due within this time.
inline constexpr Milliseconds kUiTimeout{5000};
// Start-up of a Windows program, cold Wine session included.
inline constexpr Milliseconds kStartTimeout{20000};
inline constexpr Milliseconds kPollInterval{30};

// Lets time pass while dispatching the driver's own messages (the driver may own windows, for instance
// during a screenshot, and a thread that stops pumping would hang their senders).
void PumpMessagesFor(Milliseconds duration);

// Polls condition every kPollInterval until it holds (true) or timeout has passed (false). The condition is
// always checked once more at the deadline, so a slow machine cannot lose a result that arrived in time.
bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout = kUiTimeout);

// Polls probe until it returns a value.
template <class T>
std::optional<T> WaitForValue(const std::function<std::optional<T>()>& probe,
                              Milliseconds timeout = kUiTimeout)
{
    std::optional<T> result;
    WaitUntil(
        [&] {
            result = probe();
            return result.has_value();
        },
        timeout);
    return result;
}

} // namespace dorvik::e2e
