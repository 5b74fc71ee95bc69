// Whether another copy of the program runs in this session, and handing it a request.
#pragma once

#include <optional>
#include <string_view>

namespace dorvik::platform
{

class IInstance
{
public:
    virtual ~IInstance() = default;

    virtual bool PreviousInstance() const = 0;

    // Hands a command line, encoded as a payload, to the copy already running and returns its answer;
    // nothing when no copy answered in time.
    virtual std::optional<int> HandToRunningCopy(std::wstring_view payload) = 0;
};

} // namespace dorvik::platform
