// Processes and counters a test sets: which image names run, one process held by its id (as by a handle, so a
// reused id is another process), and the counters of the computer, its network interfaces and the processes.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/IActivity.h"

namespace dorvik::platform
{

class FakeActivity final : public IActivity
{
public:
    std::optional<std::size_t> CountProcesses(const std::function<bool(std::wstring_view)>& named) override;
    ProcessHold HoldProcess(std::uint32_t id) override;
    bool HeldProcessEnded() override;

    void ReleaseProcess() override { held.reset(); }

    // The process ends; a process started later may have the same id, and the held handle still says ended.
    void End(std::uint32_t id);

    LoadCounters ComputerLoad() override { return computer; }

    std::optional<std::vector<NetworkInterface>> NetworkInterfaces() override { return interfaces; }

    LoadCounters ProcessLoad(const ProcessChoice& choice) override;

    unsigned Processors() override { return processors; }

    // The image names of the processes that run, by id.
    std::map<std::uint32_t, std::wstring> running;
    // Ids that run but may not be waited for.
    std::vector<std::uint32_t> protectedIds;
    // The id held, while one is, and whether that process has ended.
    std::optional<std::uint32_t> held;
    bool heldEnded = false;
    LoadCounters computer{.busy = 0, .total = 0, .bytes = std::nullopt};
    std::optional<std::vector<NetworkInterface>> interfaces = std::vector<NetworkInterface>{};
    // The counters of the chosen processes, all of them together.
    LoadCounters processes{.busy = 0, .total = std::nullopt, .bytes = 0};
    unsigned processors = 4;
};

} // namespace dorvik::platform
