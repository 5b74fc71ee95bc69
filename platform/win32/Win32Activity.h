// The processes that run, one of them held by a handle until it ends, and the counters of the processor, the
// network interfaces and processes' input and output.
#pragma once

#include <optional>

#include "platform/IActivity.h"
#include "platform/win32/Handles.h"
#include "platform/win32/SystemLibrary.h"

namespace dorvik::win32
{

class Win32Activity final : public platform::IActivity
{
public:
    std::optional<std::size_t> CountProcesses(const std::function<bool(std::wstring_view)>& named) override;
    platform::ProcessHold HoldProcess(std::uint32_t id) override;
    bool HeldProcessEnded() override;
    void ReleaseProcess() override;
    platform::LoadCounters ComputerLoad() override;
    std::optional<std::vector<platform::NetworkInterface>> NetworkInterfaces() override;
    platform::LoadCounters ProcessLoad(const platform::ProcessChoice& choice) override;
    unsigned Processors() override;

private:
    UniqueHandle held_;
    DWORD heldId_ = 0;
    // The IP helper, loaded from the system folder at the first reading of the network and kept.
    std::optional<SystemLibrary> ipHelper_;
};

} // namespace dorvik::win32
