// The last-minute window as its handlers see it: a sentence, two buttons and the window itself.
#pragma once

#include <string_view>

namespace dorvik
{

// A passive view: nothing it does raises a handler.
class ICountdownWarningView
{
public:
    virtual ~ICountdownWarningView() = default;

    // Shows the window with this sentence on top of every other, without taking the keyboard focus from the
    // window the user is working in.
    virtual void Show(std::wstring_view sentence) = 0;
    virtual void SetSentence(std::wstring_view sentence) = 0;
    // Makes the shown window the active one, its buttons within reach of the keyboard: the user asked for it.
    virtual void Activate() = 0;
    virtual void Hide() = 0;
};

} // namespace dorvik
