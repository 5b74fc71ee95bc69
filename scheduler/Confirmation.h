// The question asked before a closing is armed.
#pragma once

#include <string>

#include "scheduler/Choices.h"

namespace dorvik::scheduler
{

// The sentence that says what will happen and when, e.g. "Windows belirttiğiniz zamanda kapatılacaktır!".
std::wstring ConfirmationSentence(ClosingKind kind, ScheduleMode mode);

// The sentence, a line break, and "Emin misiniz?" indented by half the sentence's length so that it stands
// roughly centred under it.
std::wstring ConfirmationMessage(ClosingKind kind, ScheduleMode mode);

} // namespace dorvik::scheduler
