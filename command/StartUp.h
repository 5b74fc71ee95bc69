// What a new copy of the program does with its command line before it makes a window.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "command/CommandLine.h"
#include "platform/IInstance.h"
#include "platform/IOutput.h"

namespace dorvik::command
{

// The usage asked for, or a usage error: answered at once, before the program looks for another copy, so
// that nothing changes anywhere. Nothing for every other request.
std::optional<ExitCode> AnswerAtOnce(const Request& request, platform::IOutput& output);

// A request to arm or cancel when a copy already runs: handed to that copy, whose answer ends this one. With
// no copy running there is nothing to cancel, while arming goes on in this copy. Nothing when this copy goes
// on to open its window: for an arming, which it then carries out itself, or without arguments, when a
// copy already running is reported by the window's start-up as always.
std::optional<ExitCode> AnswerThroughRunningCopy(const Request& request,
                                                 std::span<const std::wstring> arguments,
                                                 platform::IInstance& instance, platform::IOutput& output);

} // namespace dorvik::command
