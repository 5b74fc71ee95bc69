// The shutdown privilege, ExitWindowsEx, sleep and hibernation, and the wish to stay awake.
#pragma once

#include "platform/IPower.h"
#include "platform/win32/Handles.h"

namespace dorvik::win32
{

// Whether hibernation is switched on here, and whether this computer can sleep, so that "/hazirda" and
// "/uyku" can be refused before anything is armed.
bool HibernationAllowed() noexcept;
bool SleepAllowed() noexcept;

class Win32Power final : public platform::IPower
{
public:
    Win32Power() = default;
    Win32Power(const Win32Power&) = delete;
    Win32Power& operator=(const Win32Power&) = delete;

    ~Win32Power() override { AllowSleep(); }

    platform::PowerOutcome EnableShutdownPrivilege() override;
    platform::PowerOutcome RequestExitWindows(platform::ExitFlags flags, std::uint32_t reason) override;

    bool HibernationAllowed() override { return win32::HibernationAllowed(); }

    bool SleepAllowed() override { return win32::SleepAllowed(); }

    platform::PowerOutcome Suspend(bool hibernate) override;
    bool KeepSystemAwake(std::wstring_view reason) override;
    void AllowSleep() override;

private:
    UniqueHandle request_;
    bool executionState_ = false;
};

} // namespace dorvik::win32
