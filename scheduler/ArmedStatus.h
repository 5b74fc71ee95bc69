// What the program says of an armed closing in one line: the second line of the notification icon's tip,
// and the answer to "dorvik.exe /durum".
#pragma once

#include <chrono>
#include <cstdint>
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

// What a closing waits for before its moment counts.
enum class Awaited
{
    Window,  // the window chosen in the picker to go
    Process, // a process to end
    Quiet    // the computer, or a process, to go quiet
};

// How far the quiet has come.
struct QuietProgress
{
    std::chrono::minutes needed{0};
    std::chrono::milliseconds quietFor{0};
    // Of the last interval judged; nothing before the first.
    std::optional<int> processorPercent;
    std::optional<std::uint64_t> kilobytesPerSecond;
};

struct Awaiting
{
    Awaited what = Awaited::Window;
    // The process as it was given ("7z.exe", "1234"), for a process and for the quiet of one.
    std::wstring process;
    std::optional<QuietProgress> quiet;
};

struct StatusFacts
{
    ClosingKind kind = ClosingKind::Shutdown;
    // Runs the whole road but asks Windows for nothing.
    bool rehearsal = false;
    // Present while the closing still waits for what it follows: the moment counted once that has happened.
    // The target is not computed yet.
    std::optional<Moment> afterWindow;
    Target target;
    Awaiting awaiting{};
};

// "1 sa 12 dk", "8 dk", "45 sn": the whole seconds left, rounded up as the countdown counts them, in the
// largest unit that holds them.
std::wstring DurationText(std::chrono::milliseconds span);

// "2 dk 10 sn", "45 sn", "1 sa 5 dk": the whole seconds gone, in the two largest units.
std::wstring ElapsedText(std::chrono::milliseconds span);

// "23:30:00", or what a closing still waits for: "izlenen pencere kapanınca", "izlenen işlem (7z.exe)
// bittikten 30 dk sonra", "bilgisayar 5 dk sessiz kalınca".
std::wstring MomentPhrase(const StatusFacts& closing);

// "Kapatma 23:30:00 (1 sa 12 dk kaldı)", or for a closing still waiting "Kapatma: izlenen pencere kapanınca",
// "Kapatma: izlenen işlem (7z.exe) bitince" or "Kapatma: bilgisayar 5 dk sessiz kalınca (2 dk 10 sn oldu;
// işlemci %3, ağ 12 KB/sn)" with the delay or the time of day it will count; "Deneme: " before it for a
// rehearsal.
std::wstring ArmedStatusLine(const StatusFacts& closing, LocalSeconds now, Elapsed elapsedNow);

// The word the line begins with: the kind ("Kapatma"), after "Deneme: " for a rehearsal.
std::wstring KindWord(ClosingKind kind, bool rehearsal);

} // namespace dorvik::scheduler
