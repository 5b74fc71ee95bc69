// The shutdown privilege and ExitWindowsEx.
#pragma once

#include "platform/IPower.h"

namespace dorvik::win32
{

class Win32Power final : public platform::IPower
{
public:
    platform::PowerOutcome EnableShutdownPrivilege() override;
    platform::PowerOutcome RequestExitWindows(platform::ExitFlags flags, std::uint32_t reason) override;
};

} // namespace dorvik::win32
