// What a new copy of the program does with its command line before it makes a window.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "command/CommandLine.h"
#include "platform/IEventLog.h"
#include "platform/IInstance.h"
#include "platform/IOutput.h"

namespace dorvik::command
{

// The usage asked for, or a usage error: answered at once, before the program looks for another copy, so
// that nothing changes anywhere. Nothing for every other request.
std::optional<ExitCode> AnswerAtOnce(const Request& request, std::span<const std::wstring> arguments,
                                     platform::IOutput& output, platform::IEventLog& log);

// Refuses every start where no user sees the desktop. A request to arm, cancel or ask is handed to the copy
// that holds the program's place, whose answer ends this one; with none running there is nothing to cancel or
// tell of, while an arming starts the copy that will wait and hands the request to it. A copy that only asks
// or cancels never takes the place. Nothing when this copy goes on to open its window: without arguments (a
// copy already running is reported by the window's start-up as always), as the waiting copy, or for an
// arming when no waiting copy could be started, which this copy then carries out itself, holding the place.
std::optional<ExitCode> AnswerThroughRunningCopy(const Request& request,
                                                 std::span<const std::wstring> arguments,
                                                 platform::IInstance& instance, platform::IOutput& output,
                                                 platform::IEventLog& log);

// Says the answer where the caller reads it, when there is something to say, and records a refusal: every
// refusal of a command line leaves a record for the administrator, its exit code, what it said and the
// command line. A status that finds nothing armed is an answer, not a refusal.
ExitCode Answer(const Request& request, ExitCode code, platform::OutputStream stream, std::wstring_view said,
                std::span<const std::wstring> arguments, platform::IOutput& output, platform::IEventLog& log);

} // namespace dorvik::command
