// An armed closing on its own: the moment and the clock it counts on, the warnings owed, postponements, and
// the readings of the clocks it last saw. It is fed the readings at every tick, at arming and at a wake-up,
// and answers with what is due: nothing, warn, count the last minute, begin the closing, or put it off by the
// warned minute after a sleep, a jump of the wall clock or a stall. It knows no window and no Windows.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "scheduler/ArmedStatus.h"
#include "scheduler/Choices.h"
#include "scheduler/HedefZaman.h"

namespace dorvik::scheduler
{

// The wall clock to the millisecond, so that the moment a delay falls on can be named again to the second
// after the wall clock has moved.
using LocalMilliseconds = std::chrono::local_time<std::chrono::milliseconds>;

// One reading of the three clocks, taken together.
struct ClockReadings
{
    LocalMilliseconds wall{};
    // Runs on through sleep and ignores changes of the wall clock.
    Elapsed elapsed{};
    // Stands still while the computer sleeps.
    Elapsed awake{};

    LocalSeconds WallSeconds() const { return std::chrono::floor<std::chrono::seconds>(wall); }
};

// How long before the closing the warnings come, and how far a closing missed in sleep or a stall is put off.
inline constexpr std::chrono::seconds kWarningAhead{60};

// What a tick of a counting closing must do.
struct ClosingDue
{
    // Begin the closing now.
    bool close = false;
    // The closing was put off to a warned minute from now: the program stood still, slept, or the wall clock
    // jumped over its moment.
    bool putOff = false;
    // The last-minute window is due now; it comes once per target.
    bool openCountdown = false;
    // The balloon is owed and due; BalloonShown() once it is on the screen.
    bool balloon = false;
    std::chrono::milliseconds left{0};
};

class ArmedClosing
{
public:
    // The target has still to be computed for the present arming: nothing is armed, or the closing still
    // waits for what it follows (a window to go).
    bool ZamanHesaplanacak() const noexcept { return zamanHesaplanacak_; }

    // When the closing is due: the time of day on its calendar day, and for a delay the elapsed reading too.
    const Target& HedefZaman() const noexcept { return hedefZaman_; }

    bool Rehearsal() const noexcept { return rehearsal_; }

    // A kind the kind menu has no item for (sleep, hibernation): while it holds, no item carries the mark.
    std::optional<ClosingKind> KindBeyondMenu() const noexcept { return kindBeyondMenu_; }

    // A new arming: its moment is computed now (SetTarget) or once what it follows has happened.
    void Arm(bool rehearsal, std::optional<ClosingKind> kindBeyondMenu, const ClockReadings& now);

    // The user chose a kind in the menu: that one holds now.
    void KindChosenInMenu() noexcept { kindBeyondMenu_.reset(); }

    // Nothing is armed any more: no target, no warnings, no postponement.
    void Reset();
    // A newly chosen window starts a new count: a target left from the window watched before would fire the
    // moment the new one goes.
    void WaitAgain();

    // Notes the readings of a tick, a look or a wake-up: a wall clock gone back moves a time of day to the
    // next time it shows it, a wall clock moved any way names a delay's moment anew on the clock in force,
    // and what happened since the last reading is kept for the next Due().
    void Observe(const ClockReadings& now);

    // The closing counts from now to this target; warnings are owed unless it is less than a minute away.
    // Minutes put off while the closing still waited are added.
    void SetTarget(const Target& target, const ClockReadings& now);
    // The same for the moment the choices give: a delay from now, or the next time the wall clock shows a
    // time of day.
    void CountFromNow(const Moment& moment, const ClockReadings& now);

    // What is due at this tick of a counting closing, given what the last Observe() saw.
    ClosingDue Due(const ClockReadings& now);

    // Windows announced a wake-up: true when the closing was put off to a warned minute, as a passed or
    // nearly passed target is.
    bool Resumed(const ClockReadings& now);

    void BalloonShown() noexcept { balloonOwed_ = false; }

    // Real time from now, whatever the wall clock does meanwhile (the last-minute window's button).
    void PostponeFromNow(std::chrono::minutes by, const ClockReadings& now);
    // Puts the closing off by this much real time from the moment it had. While it still waits for what it
    // follows, the delay after that grows.
    void Postpone(std::chrono::minutes by, const ClockReadings& now);

    // The minutes put off while the closing still waited, added once it counts.
    std::chrono::minutes PostponedWhileWaiting() const noexcept { return postponedWhileWaiting_; }

    std::chrono::milliseconds TimeLeft(const ClockReadings& now) const;

    // Why the computer is kept awake, for Windows to list; empty when it may sleep.
    std::wstring AwakeReason(bool armed, Awaited awaited) const;

    // The line of the icon's tip and of "/durum". waitingMoment: the moment the choices give, counted once
    // what the closing follows (awaiting) has happened.
    std::wstring StatusLine(ClosingKind kind, const Moment& waitingMoment, const Awaiting& awaiting,
                            const ClockReadings& now) const;
    // The moment alone: "23:30:00", or what the closing waits for.
    std::wstring MomentPhrase(const Moment& waitingMoment, const Awaiting& awaiting) const;
    // The kind as the records name it: "Kapatma", "Deneme: Uyku".
    std::wstring KindWord(ClosingKind kind) const;

private:
    struct Seen
    {
        // The computer slept, or the program did not run for far longer than a tick.
        bool stoodStill = false;
        // The wall clock jumped ahead over the time of day the closing waits for.
        bool jumpedOverTarget = false;
    };

    bool MustPutOff(const ClockReadings& now) const;
    StatusFacts Facts(ClosingKind kind, const Moment& waitingMoment, const Awaiting& awaiting) const;
    void PutOff(const ClockReadings& now);

    Target hedefZaman_{};
    bool zamanHesaplanacak_ = true;
    bool rehearsal_ = false;
    std::optional<ClosingKind> kindBeyondMenu_;
    bool balloonOwed_ = false;
    bool countdownOwed_ = false;
    std::chrono::minutes postponedWhileWaiting_{0};
    std::optional<ClockReadings> last_;
    Seen seen_;
};

} // namespace dorvik::scheduler
