// What the program says of each kind of closing where the kind changes the words: the warning, the
// last-minute count and the one-line status.
#pragma once

#include <string_view>

#include "scheduler/Choices.h"

namespace dorvik::scheduler
{

struct KindTexts
{
    std::wstring_view warning;         // "Bilgisayar bir dakika sonra kapatılacak."
    std::wstring_view countdownBefore; // "Bilgisayar ", then the seconds left,
    std::wstring_view countdownAfter;  // then " saniye sonra kapatılacak."
    std::wstring_view status;          // "Kapatma", as in "Kapatma 23:30:00 (8 dk kaldı)"
    std::wstring_view rehearsed;       // "Deneme bitti: bilgisayar şimdi kapatılacaktı."
};

const KindTexts& TextsFor(ClosingKind kind) noexcept;

} // namespace dorvik::scheduler
