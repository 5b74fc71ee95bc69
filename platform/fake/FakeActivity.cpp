#include "platform/fake/FakeActivity.h"

#include <algorithm>

namespace dorvik::platform
{

std::optional<std::size_t> FakeActivity::CountProcesses(const std::function<bool(std::wstring_view)>& named)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(running, [&](const auto& process) { return named(process.second); }));
}

ProcessHold FakeActivity::HoldProcess(std::uint32_t id)
{
    if (!running.contains(id))
    {
        return ProcessHold::NotRunning;
    }
    if (std::ranges::find(protectedIds, id) != protectedIds.end())
    {
        return ProcessHold::NoAccess;
    }
    held = id;
    heldEnded = false;
    return ProcessHold::Held;
}

bool FakeActivity::HeldProcessEnded()
{
    return !held || heldEnded;
}

void FakeActivity::End(std::uint32_t id)
{
    running.erase(id);
    if (held == id)
    {
        heldEnded = true;
    }
}

LoadCounters FakeActivity::ProcessLoad(const ProcessChoice& /*choice*/)
{
    return processes;
}

} // namespace dorvik::platform
