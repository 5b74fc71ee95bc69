// Asking Windows to shut down, restart, log off, sleep or hibernate, and to stay awake meanwhile.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

    // Whether this computer can hibernate: hibernation is switched on and has its file.
    virtual bool HibernationAllowed() = 0;
    // Whether it can sleep: not with modern standby, whose sleep no program can ask for.
    virtual bool SleepAllowed() = 0;
    // Puts the computer to sleep, or into hibernation; returns once it is back, or at once when Windows
    // refused.
    virtual PowerOutcome Suspend(bool hibernate) = 0;

    // Tells Windows that the system is required, for the reason given (shown to administrators who ask
    // which programs keep the computer awake), so that idle sleep cannot defeat an armed closing; the display
    // may still turn off. A second call replaces the reason. False when Windows took no note of it.
    virtual bool KeepSystemAwake(std::wstring_view reason) = 0;
    // Lets the system sleep when idle again.
    virtual void AllowSleep() = 0;
};

} // namespace dorvik::platform
