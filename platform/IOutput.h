// Where the answers of the command line go: the standard output or error the program was given, the console
// it was started from, or else a message box.
#pragma once

#include <string_view>

namespace dorvik::platform
{

enum class OutputStream
{
    Output, // what was asked for, such as the usage
    Error   // why nothing was done
};

class IOutput
{
public:
    virtual ~IOutput() = default;

    virtual void Print(OutputStream stream, std::wstring_view text) = 0;
};

} // namespace dorvik::platform
