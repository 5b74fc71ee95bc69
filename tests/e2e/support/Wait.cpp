// Polling with a deadline on the monotonic clock.
#include "support/Wait.h"

#include <windows.h>

#include <algorithm>

namespace dorvik::e2e
{

namespace
{

void DispatchPending() noexcept
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

} // namespace

void PumpMessagesFor(Milliseconds duration)
{
    const auto deadline = std::chrono::steady_clock::now() + duration;
    for (;;)
    {
        DispatchPending();
        const auto left =
            std::chrono::duration_cast<Milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
        {
            return;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;)
    {
        if (condition())
        {
            return true;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
        {
            return condition();
        }
        PumpMessagesFor(std::min(kPollInterval, std::chrono::duration_cast<Milliseconds>(deadline - now)));
    }
}

} // namespace dorvik::e2e
