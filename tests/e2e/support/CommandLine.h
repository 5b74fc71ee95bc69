// dorvik.exe (or another program) run from a script: its arguments, what it prints and its exit code.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/Process.h"
#include "support/Wait.h"

namespace dorvik::e2e
{

struct CommandRun
{
    // Nothing when the program still ran after the timeout (it was then ended).
    std::optional<unsigned long> exitCode;
    // Its standard output and error, which share one pipe, as text.
    std::wstring printed;
};

// Runs dorvik.exe with arguments, as typed after the program's name, and waits for it to end.
CommandRun RunDorvik(std::wstring_view arguments, Milliseconds timeout = kStartTimeout);

// The same for the program at path: an installed copy of dorvik.exe, or msiexec.exe.
CommandRun RunProgram(const std::wstring& path, std::wstring_view arguments, Milliseconds timeout = kStartTimeout);

// The one copy of dorvik.exe that runs, such as the copy an arming command line started to wait, taken in
// charge so that it ends with the object. Throws std::runtime_error unless exactly one runs.
ChildProcess TheRunningCopy();

} // namespace dorvik::e2e
