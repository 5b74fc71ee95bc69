// What the program says of an armed closing in one line: the second line of the notification icon's tip,
// and the answer to "dorvik.exe /durum".
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "scheduler/Choices.h"
#include "scheduler/HedefZaman.h"

namespace dorvik::scheduler
{

// The moment the choices give, before it is counted from a present moment: a delay, or the next time the
// wall clock shows a time of day.
struct Moment
{
    std::chrono::seconds delay{0};
    std::optional<TimeOfDay> at;

    friend bool operator==(const Moment&, const Moment&) = default;
};

struct StatusFacts
{
    ClosingKind kind = ClosingKind::Shutdown;
    // Runs the whole road but asks Windows for nothing.
    bool rehearsal = false;
    // Present while the closing still waits for the watched window to go: the moment counted once it has.
    // The target is not computed yet.
    std::optional<Moment> afterWindow;
    Target target;
};

// "1 sa 12 dk", "8 dk", "45 sn": the whole seconds left, rounded up as the countdown counts them, in the
// largest unit that holds them.
std::wstring DurationText(std::chrono::milliseconds span);

// "Kapatma 23:30:00 (1 sa 12 dk kaldı)", or for a closing still waiting for its window "Kapatma: izlenen
// pencere kapanınca" with the delay or the time of day it will count; "Deneme: " before it for a rehearsal.
std::wstring ArmedStatusLine(const StatusFacts& closing, LocalSeconds now, Elapsed elapsedNow);

} // namespace dorvik::scheduler
