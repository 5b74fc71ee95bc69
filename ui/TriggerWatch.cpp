#include "ui/TriggerWatch.h"

#include <algorithm>

#include "command/AsciiCase.h"
#include "command/Number.h"

namespace dorvik
{

namespace
{

constexpr std::chrono::milliseconds kSampleEvery{2000};

std::wstring_view WithoutExe(std::wstring_view name) noexcept
{
    constexpr std::wstring_view kExe = L".exe";
    if (name.size() > kExe.size() &&
        command::EqualsIgnoringAsciiCase(name.substr(name.size() - kExe.size()), kExe))
    {
        name.remove_suffix(kExe.size());
    }
    return name;
}

} // namespace

bool ProcessNameMatches(std::wstring_view imageName, std::wstring_view asked)
{
    return command::EqualsIgnoringAsciiCase(WithoutExe(imageName), WithoutExe(asked));
}

TriggerWatch::Start TriggerWatch::Watch(const command::ArmRequest& arm)
{
    Stop();
    if (arm.process)
    {
        const std::wstring& asked = *arm.process;
        // All digits, and an id Windows can have: the process is asked for by its id.
        if (const std::optional<std::uint32_t> id = command::ParseNumber(asked, 0, 0xFFFF'FFFFu))
        {
            switch (activity_.HoldProcess(*id))
            {
            case platform::ProcessHold::NotRunning:
                return Start::NoSuchProcess;
            case platform::ProcessHold::NoAccess:
                return Start::NoAccess;
            case platform::ProcessHold::Held:
                held_ = true;
                break;
            }
        }
        else if (activity_
                     .CountProcesses([&](std::wstring_view name) { return ProcessNameMatches(name, asked); })
                     .value_or(0) == 0)
        {
            return Start::NoSuchProcess;
        }
        process_ = asked;
        what_ = held_ ? What::ProcessHeld : What::ProcessNamed;
    }
    // A process whose work cannot be read would never be taken for quiet: refused now, not waited for for
    // good.
    if (arm.quiet && what_ != What::Nothing && !activity_.ProcessLoad(Choice()).busy)
    {
        Stop();
        return Start::NoLoad;
    }
    if (arm.quiet)
    {
        quiet_.emplace(scheduler::QuietLimits{.needed = *arm.quiet,
                                              .processorPercent = arm.processorPercent,
                                              .kilobytesPerSecond = arm.kilobytesPerSecond},
                       activity_.Processors());
        what_ = What::Quiet;
    }
    return Start::Watching;
}

void TriggerWatch::Stop()
{
    if (held_)
    {
        activity_.ReleaseProcess();
    }
    what_ = What::Nothing;
    process_.clear();
    held_ = false;
    quiet_.reset();
    lastSample_.reset();
}

scheduler::Awaited TriggerWatch::Awaited() const noexcept
{
    switch (what_)
    {
    case What::ProcessNamed:
    case What::ProcessHeld:
        return scheduler::Awaited::Process;
    case What::Quiet:
        return scheduler::Awaited::Quiet;
    case What::Nothing:
        break;
    }
    return scheduler::Awaited::Window;
}

platform::ProcessChoice TriggerWatch::Choice() const
{
    platform::ProcessChoice choice;
    choice.held = held_;
    if (!held_)
    {
        choice.named = [asked = process_](std::wstring_view name) { return ProcessNameMatches(name, asked); };
    }
    return choice;
}

bool TriggerWatch::StillWaiting(scheduler::Elapsed now)
{
    switch (what_)
    {
    case What::ProcessNamed:
        // Every process of the name counts, one started after the arming too; a list that cannot be read
        // says nothing has ended.
        return activity_.CountProcesses(Choice().named).value_or(1) > 0;
    case What::ProcessHeld:
        return !activity_.HeldProcessEnded();
    case What::Quiet: {
        // Every fourth tick: the counters' averages over two seconds judge minutes of quiet as well as
        // every half second would, at a quarter of what reading the network's interfaces costs.
        if (lastSample_ && now - *lastSample_ < kSampleEvery)
        {
            return !quiet_->Reached();
        }
        lastSample_ = now;
        platform::LoadCounters load;
        if (process_.empty())
        {
            load = activity_.ComputerLoad();
            const std::optional<std::vector<platform::NetworkInterface>> interfaces =
                activity_.NetworkInterfaces();
            load.bytes = interfaces ? scheduler::NetworkBytes(*interfaces) : std::nullopt;
        }
        else
        {
            load = activity_.ProcessLoad(Choice());
        }
        quiet_->Add(now, load);
        return !quiet_->Reached();
    }
    case What::Nothing:
        break;
    }
    return false;
}

scheduler::Awaiting TriggerWatch::Describe() const
{
    scheduler::Awaiting awaiting{.what = Awaited(), .process = process_, .quiet = std::nullopt};
    if (quiet_)
    {
        awaiting.quiet = quiet_->Progress();
    }
    return awaiting;
}

} // namespace dorvik
