// Modal message boxes.
#pragma once

#include <string_view>

namespace dorvik::platform
{

enum class MsgStyle
{
    Exclamation, // warning icon, OK
    Information, // information icon, OK
    Question     // question icon, Yes and No
};

enum class MsgResult
{
    Ok,
    Yes,
    No
};

class IDialogs
{
public:
    virtual ~IDialogs() = default;

    // Returns when the user has answered; events keep being processed meanwhile, as in any modal loop.
    virtual MsgResult MsgBox(std::wstring_view text, std::wstring_view title, MsgStyle style) = 0;
};

} // namespace dorvik::platform
