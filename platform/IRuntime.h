// The immediate end of the program.
#pragma once

#include <cstdlib>

namespace dorvik::platform
{

class IRuntime
{
public:
    virtual ~IRuntime() = default;

    // Ends the process at once: no statement after the call runs, and no further handler either.
    [[noreturn]] virtual void EndNow() = 0;
};

// Compilers do not carry [[noreturn]] through a virtual call; callers that must not return use this.
[[noreturn]] inline void EndNow(IRuntime& runtime)
{
    runtime.EndNow();
    std::abort();
}

} // namespace dorvik::platform
