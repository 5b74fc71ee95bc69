// Whether another copy of the program runs in this session, and handing it a request.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorvik::platform
{

struct RunningCopyAnswer
{
    int exitCode = 0;
    // What the running copy said back beside its exit code, such as the armed closing for a status.
    std::wstring text;
};

class IInstance
{
public:
    virtual ~IInstance() = default;

    virtual bool PreviousInstance() const = 0;

    // Hands a command line, encoded as a payload, to the copy already running and returns its answer;
    // nothing when no copy answered in time.
    virtual std::optional<RunningCopyAnswer> HandToRunningCopy(std::wstring_view payload) = 0;
};

} // namespace dorvik::platform
