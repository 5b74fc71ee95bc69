// Asking Windows to shut down, restart or log off.
#pragma once

#include <cstdint>
#include <string>

namespace dorvik::platform
{

// The flags given to ExitWindowsEx.
enum class ExitFlags : std::uint32_t
{
    LogOff = 0,        // EWX_LOGOFF: applications may still save their work
    ShutdownForce = 5, // EWX_SHUTDOWN | EWX_FORCE
    RebootForce = 6    // EWX_REBOOT | EWX_FORCE
};

struct PowerOutcome
{
    bool succeeded = true;
    std::wstring systemMessage; // the system's own text for the error when it failed
};

class IPower
{
public:
    virtual ~IPower() = default;

    // Enables the shutdown privilege in the process token.
    virtual PowerOutcome EnableShutdownPrivilege() = 0;

    virtual PowerOutcome RequestExitWindows(ExitFlags flags, std::uint32_t reason) = 0;
};

} // namespace dorvik::platform
