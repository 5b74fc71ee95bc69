// Message boxes that record what they showed and answer as a test scripts them; a script may run handlers
// while the box is "open", as Windows does inside a modal loop.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/IDialogs.h"

namespace dorvik::platform
{

struct ShownMessage
{
    std::wstring text;
    std::wstring title;
    MsgStyle style = MsgStyle::Information;
};

class FakeDialogs final : public IDialogs
{
public:
    MsgResult MsgBox(std::wstring_view text, std::wstring_view title, MsgStyle style) override;

    // Answers every question with this, and every other box with OK.
    void AnswerQuestionsWith(MsgResult answer) { questionAnswer_ = answer; }

    // Runs while a box is open, before it is answered.
    void WhileOpen(std::function<void(const ShownMessage&)> action) { whileOpen_ = std::move(action); }

    const std::vector<ShownMessage>& Shown() const noexcept { return shown_; }

    void Clear() { shown_.clear(); }

private:
    std::vector<ShownMessage> shown_;
    MsgResult questionAnswer_ = MsgResult::Yes;
    std::function<void(const ShownMessage&)> whileOpen_;
};

} // namespace dorvik::platform
