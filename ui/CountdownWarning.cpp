#include "ui/CountdownWarning.h"

#include <algorithm>
#include <string_view>

#include "resources/UiText.h"
#include "scheduler/ClockField.h"
#include "scheduler/KindTexts.h"

namespace dorvik
{

using scheduler::ClosingKind;

std::wstring CountdownSentence(ClosingKind kind, bool rehearsal, std::chrono::milliseconds left)
{
    const long long seconds = std::chrono::ceil<std::chrono::seconds>(std::max(left, {})).count();
    const scheduler::KindTexts& texts = scheduler::TextsFor(kind);
    std::wstring sentence(texts.countdownBefore);
    sentence += scheduler::FieldText(static_cast<int>(seconds));
    sentence += texts.countdownAfter;
    if (rehearsal)
    {
        sentence += text::kRehearsalMark;
    }
    return sentence;
}

void CountdownWarning::Open(ClosingKind kind, bool rehearsal, std::chrono::milliseconds left)
{
    sentence_ = CountdownSentence(kind, rehearsal, left);
    shown_ = true;
    view_.Show(sentence_);
}

void CountdownWarning::Count(ClosingKind kind, bool rehearsal, std::chrono::milliseconds left)
{
    if (!shown_)
    {
        return;
    }
    if (left <= std::chrono::milliseconds(0))
    {
        Close();
        return;
    }
    ShowSentence(CountdownSentence(kind, rehearsal, left));
}

void CountdownWarning::ShowSentence(const std::wstring& sentence)
{
    // Twice a second the tick asks; the text changes once. A screen reader hears every change.
    if (sentence != sentence_)
    {
        sentence_ = sentence;
        view_.SetSentence(sentence_);
    }
}

void CountdownWarning::Close()
{
    if (shown_)
    {
        shown_ = false;
        view_.Hide();
    }
}

void CountdownWarning::BringToFront()
{
    if (shown_)
    {
        view_.Activate();
    }
}

void CountdownWarning::BtnVazgec_Click()
{
    Close();
    host_.CancelClosing();
}

void CountdownWarning::BtnErtele_Click()
{
    Close();
    host_.PostponeClosing(kPostponement);
}

void CountdownWarning::Form_Close()
{
    Close();
}

} // namespace dorvik
