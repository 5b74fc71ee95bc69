// What a closing armed from the command line may wait for besides a window: a process to end, or the computer
// (or a process) to go quiet. Asked at every tick while the closing waits; it also tells the status line how
// far the quiet has come.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "command/CommandLine.h"
#include "platform/IActivity.h"
#include "scheduler/ArmedStatus.h"
#include "scheduler/QuietRule.h"

namespace dorvik
{

// Whether a process's image name ("7z.exe") is the one asked for ("7z", "7Z.EXE"): the name with or
// without ".exe", letters compared without regard to case.
bool ProcessNameMatches(std::wstring_view imageName, std::wstring_view asked);

class TriggerWatch
{
public:
    explicit TriggerWatch(platform::IActivity& activity) noexcept
        : activity_(activity)
    {
    }

    enum class Start
    {
        Watching,      // or nothing to watch: the closing follows the clock or a window
        NoSuchProcess, // no process of that name or id runs
        NoAccess,      // one with that id does, but Windows will not let the program wait for it
        NoLoad         // it runs, but Windows will not let the program read how busy it is, for its quiet
    };

    // Starts watching what the arming asks for, replacing what was watched before.
    Start Watch(const command::ArmRequest& arm);
    void Stop();

    // A process or the quiet is watched.
    bool Active() const noexcept { return what_ != What::Nothing; }

    scheduler::Awaited Awaited() const noexcept;

    // Reads what it watches at this tick: whether the process still runs, or the quiet is not yet long
    // enough.
    bool StillWaiting(scheduler::Elapsed now);

    // What the status line says of it.
    scheduler::Awaiting Describe() const;

private:
    enum class What
    {
        Nothing,
        ProcessNamed,
        ProcessHeld,
        Quiet
    };

    platform::ProcessChoice Choice() const;

    platform::IActivity& activity_;
    What what_ = What::Nothing;
    // The process as it was given; empty for the computer's quiet.
    std::wstring process_;
    // Held by id (rather than named) while the quiet of a process is watched.
    bool held_ = false;
    std::optional<scheduler::QuietRule> quiet_;
    std::optional<scheduler::Elapsed> lastSample_;
};

} // namespace dorvik
