#include "scheduler/Confirmation.h"

#include "resources/UiText.h"

namespace dorvik::scheduler
{

std::wstring ConfirmationSentence(ClosingKind kind, ScheduleMode mode)
{
    std::wstring sentence(kind == ClosingKind::LogOff ? text::kSubjectOturumunuz : text::kSubjectWindows);
    sentence += mode == ScheduleMode::Clock ? text::kWhenClock : text::kWhenApplication;
    sentence += kind == ClosingKind::Restart ? text::kVerbYenidenBaslatilacak : text::kVerbKapatilacak;
    return sentence;
}

std::wstring ConfirmationMessage(ClosingKind kind, ScheduleMode mode)
{
    const std::wstring sentence = ConfirmationSentence(kind, mode);
    return sentence + L"\r\n" + std::wstring(sentence.size() / 2, L' ') + std::wstring(text::kEminMisiniz);
}

} // namespace dorvik::scheduler
