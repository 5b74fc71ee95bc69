// The shutdown privilege, ExitWindowsEx, sleep and hibernation, and the wish to stay awake.
#pragma once

#include "platform/IPower.h"
#include "platform/win32/Handles.h"

namespace dorvik::win32
{

class Win32Power final : public platform::IPower
{
public:
    Win32Power() = default;
    Win32Power(const Win32Power&) = delete;
    Win32Power& operator=(const Win32Power&) = delete;

    ~Win32Power() override { AllowSleep(); }

    platform::PowerOutcome EnableShutdownPrivilege() override;
    platform::PowerOutcome RequestExitWindows(platform::ExitFlags flags, std::uint32_t reason) override;

    bool HibernationAllowed() override;
    bool SleepAllowed() override;

    platform::PowerOutcome Suspend(bool hibernate) override;
    bool KeepSystemAwake(std::wstring_view reason) override;
    void AllowSleep() override;

private:
    UniqueHandle request_;
    bool executionState_ = false;
};

} // namespace dorvik::win32
