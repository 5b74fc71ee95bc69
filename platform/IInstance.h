// Whether another copy of the program runs in this session, handing it a request, starting the copy that
// waits for one, and whether this session has a desktop a user sees.
#pragma once

#include <string>
#include <string_view>

namespace dorvik::platform
{

enum class HandOver
{
    Answered,
    NotFound, // no copy was ready to take the request in time: nothing was handed over
    NoAnswer, // handed over, but no answer came in time: the running copy may still carry it out
    NoRights  // the running copy runs with rights this one lacks (as administrator), and Windows refused
};

struct RunningCopyAnswer
{
    HandOver handOver = HandOver::Answered;
    int exitCode = 0;
    // What the running copy said back beside its exit code, such as the armed closing for a status.
    std::wstring text;
};

class IInstance
{
public:
    virtual ~IInstance() = default;

    // Takes the program's place in this session unless another copy holds it, which PreviousInstance() then
    // tells. Only a copy that will show the window or wait in the notification area takes it; one that only
    // asks or cancels never does.
    virtual void TakePlace() = 0;
    virtual bool PreviousInstance() const = 0;
    // Whether some copy holds the place now, told without taking it.
    virtual bool RunningCopyExists() const = 0;
    // Gives the place up, as a copy does before it shows an answer, so that no answer left on the screen
    // keeps another start from opening the window or another script from arming.
    virtual void LetGo() = 0;

    // Whether the program runs where a user sees it: on the desktop of a session a user logged on to, not in
    // a service's session or on a desktop nobody looks at.
    virtual bool OnUsersDesktop() const = 0;

    // Starts the copy that will wait for the closing: this program again, on its own, outside the caller's
    // reach (no console, no inherited handles, out of the caller's job where the job allows it), ready to be
    // handed a request. This copy lets go of being the running one first. False when it could not start.
    virtual bool StartWaitingCopy() = 0;

    // Hands a command line, encoded as a payload, to the copy that holds the place and returns its answer. A
    // copy still starting is waited for: the waiting copy this one started for as long as it runs (it ends
    // itself when nobody hands it a request), another for a few seconds.
    virtual RunningCopyAnswer HandToRunningCopy(std::wstring_view payload) = 0;

    // Waits a few seconds at most for the waiting copy this one started to end, as it does when the request
    // it was handed left it with nothing armed.
    virtual void WaitForWaitingCopyToEnd() = 0;
};

} // namespace dorvik::platform
