// The command line read into one request: arm a closing, cancel it, show the usage or open the window.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/IPower.h"
#include "scheduler/Choices.h"
#include "scheduler/HedefZaman.h"

namespace dorvik::command
{

enum class ExitCode : int
{
    Done = 0,
    UsageError = 1,
    NothingToCancel = 2, // nothing armed: nothing to cancel, or nothing to tell of

    NoSuchWindow = 3, // no window with that title, or no process of that name or id to watch
    AlreadyArmed = 4,
    Busy = 5,
    NotOnUsersDesktop = 6, // started where no user sees it: a service, session 0, a hidden desktop
    RunningCopyElevated =
        7,             // the running copy has rights this one lacks, and Windows kept the request from it
    OutcomeUnknown = 8 // handed over, but no answer came in time: the running copy may still carry it out
};

enum class MomentKind
{
    Hemen,
    Sonra,
    Saat
};

struct ArmRequest
{
    scheduler::ClosingKind kind = scheduler::ClosingKind::Shutdown;
    MomentKind moment = MomentKind::Hemen;
    std::chrono::minutes delay{0};       // Sonra only: 1..1440
    scheduler::TimeOfDay time{};         // Saat only: hour, minute, second
    std::optional<std::wstring> program; // present: application mode, the exact window title to watch
    bool rehearsal = false;              // the whole road, but nothing is asked of Windows
    // Present: the moment counts once no process of this image name runs any more, or the process with this
    // id (all digits) has ended; with quiet, once that process has been quiet so long.
    std::optional<std::wstring> process{};
    // Present: the moment counts once the computer (or the process) has been quiet this many minutes in a
    // row, the processor under processorPercent and the network (or its input and output) under
    // kilobytesPerSecond.
    std::optional<std::chrono::minutes> quiet{};
    int processorPercent = 10;
    std::uint32_t kilobytesPerSecond = 50;

    friend bool operator==(const ArmRequest&, const ArmRequest&) = default;
};

enum class Action
{
    OpenWindow,
    Arm,
    Cancel,
    Status,       // what the running copy has armed
    Postpone,     // put the armed closing off
    AwaitCommand, // the copy an arming command line started, waiting to be handed it
    ShowUsage,
    Invalid
};

struct Request
{
    Action action = Action::OpenWindow;
    ArmRequest arm;                   // Action::Arm
    std::chrono::minutes postpone{0}; // Action::Postpone: 1..1440
    std::wstring error; // Action::Invalid: one Turkish sentence that names the argument at fault
};

// The arguments without the program's own name. No arguments: OpenWindow. A /? anywhere, even where a value
// was due, gives ShowUsage; otherwise the first fault from the left, or a kind with nothing to do, makes the
// request Invalid.
Request ParseCommandLine(std::span<const std::wstring> arguments);

// Said instead of NoSuchWindow's sentence when the process asked for by its id runs but cannot be waited for,
// or (forQuiet) when how busy it is cannot be read.
std::wstring ProcessNoAccessMessage(std::wstring_view process, bool forQuiet);

// Hibernation asked of a computer that has it switched off, or sleep of one that cannot sleep, is refused
// before anything is handed on. The power service is asked only for those two kinds.
void RefuseWhatTheComputerCannotDo(Request& request, platform::IPower& power);

// Invalid gives UsageError, everything else Done.
ExitCode ExitCodeOf(const Request& request);

// Line by line, each line ending with "\r\n".
std::wstring UsageText();

// The sentence printed for an answer from 2 to 8; NoSuchWindow names request.arm.program, and NothingToCancel
// says for a status or a postponement that nothing is armed. UsageError gives request.error and Done nothing,
// so that a caller can print whatever comes back.
std::wstring OutcomeMessage(ExitCode code, const Request& request);

} // namespace dorvik::command
