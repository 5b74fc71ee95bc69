#include "scheduler/ArmedClosing.h"

#include <algorithm>
#include <utility>

#include "resources/UiText.h"
#include "scheduler/KindTexts.h"
#include "scheduler/StatusClock.h"

namespace dorvik::scheduler
{

using namespace std::chrono;
using namespace std::chrono_literals;

namespace
{

// More than the clocks drift apart between two ticks: the computer slept in between, or the wall clock was
// moved.
constexpr milliseconds kSleepNoticed = 2s;
constexpr milliseconds kJumpNoticed = 2s;
// Far more than the half second between ticks, and more than a busy moment delays one: the program did not
// run (a suspend Windows did not announce, modern standby, a machine that froze).
constexpr milliseconds kStallNoticed = 5s;

} // namespace

void ArmedClosing::Arm(bool rehearsal, std::optional<ClosingKind> kindBeyondMenu, const ClockReadings& now)
{
    Reset();
    rehearsal_ = rehearsal;
    kindBeyondMenu_ = kindBeyondMenu;
    // A jump or a stall between the arming and the first tick is measured from here.
    Observe(now);
    seen_ = {};
}

void ArmedClosing::Reset()
{
    zamanHesaplanacak_ = true;
    rehearsal_ = false;
    kindBeyondMenu_.reset();
    balloonOwed_ = false;
    countdownOwed_ = false;
    postponedWhileWaiting_ = 0min;
}

void ArmedClosing::WaitAgain()
{
    zamanHesaplanacak_ = true;
    balloonOwed_ = false;
    countdownOwed_ = false;
}

void ArmedClosing::Observe(const ClockReadings& now)
{
    // Before the closing counts, only the latest interval matters: a sleep hours ago is no reason to put off
    // a moment that what the closing follows has only now begun, while a sleep through which a watched window
    // went is.
    if (zamanHesaplanacak_)
    {
        seen_ = {};
    }
    if (last_)
    {
        const Elapsed realStep = now.elapsed - last_->elapsed;
        // Where the wall clock would stand had nobody moved it.
        const LocalMilliseconds unmoved = last_->wall + realStep;
        const milliseconds moved = now.wall - unmoved;
        const bool counting = !zamanHesaplanacak_;
        if (counting && !hedefZaman_.elapsedDue)
        {
            hedefZaman_ = AfterWallClockWentBack(hedefZaman_, last_->WallSeconds(), now.WallSeconds());
            const LocalSeconds unmovedSeconds = floor<seconds>(unmoved);
            seen_.jumpedOverTarget =
                seen_.jumpedOverTarget ||
                (moved >= kJumpNoticed && !TargetReached(hedefZaman_, unmovedSeconds, now.elapsed) &&
                 TargetReached(hedefZaman_, now.WallSeconds(), now.elapsed));
        }
        else if (counting && abs(moved) >= kJumpNoticed)
        {
            // A delay comes when it comes; the clock time it falls on is read again on the clock now in force
            // (after a daylight-saving change, a correction, another time zone).
            const Target named = TargetAfter(
                floor<seconds>(now.wall + (*hedefZaman_.elapsedDue - now.elapsed)), now.elapsed, 0s);
            hedefZaman_.day = named.day;
            hedefZaman_.time = named.time;
        }
        // The elapsed time runs on while the computer sleeps; the awake time stands still.
        seen_.stoodStill = seen_.stoodStill || realStep >= kStallNoticed ||
                           realStep - (now.awake - last_->awake) >= kSleepNoticed;
    }
    last_ = now;
}

void ArmedClosing::SetTarget(const Target& target, const ClockReadings& now)
{
    hedefZaman_ = postponedWhileWaiting_ > 0min
                      ? Postponed(target, now.WallSeconds(), now.elapsed, postponedWhileWaiting_)
                      : target;
    postponedWhileWaiting_ = 0min;
    zamanHesaplanacak_ = false;
    // No warning for a target less than a minute away when it is set: "Hemen!" never shows one.
    balloonOwed_ = TimeLeft(now) >= kWarningAhead;
    countdownOwed_ = balloonOwed_;
}

void ArmedClosing::CountFromNow(const Moment& moment, const ClockReadings& now)
{
    SetTarget(moment.at ? TargetAt(now.WallSeconds(), *moment.at)
                        : TargetAfter(now.WallSeconds(), now.elapsed, moment.delay),
              now);
}

milliseconds ArmedClosing::TimeLeft(const ClockReadings& now) const
{
    return scheduler::TimeLeft(hedefZaman_, now.WallSeconds(), now.elapsed);
}

bool ArmedClosing::MustPutOff(const ClockReadings& now) const
{
    // After a sleep, a stall or a jump over the moment, whoever is there gets the full minute and the
    // warning; a target missed for any other reason closes now.
    return seen_.jumpedOverTarget || (seen_.stoodStill && TimeLeft(now) < kWarningAhead);
}

void ArmedClosing::PutOff(const ClockReadings& now)
{
    SetTarget(TargetAfter(now.WallSeconds(), now.elapsed, kWarningAhead), now);
}

ClosingDue ArmedClosing::Due(const ClockReadings& now)
{
    ClosingDue due;
    if (MustPutOff(now))
    {
        PutOff(now);
        due.putOff = true;
    }
    seen_ = {};
    due.left = TimeLeft(now);
    if (due.left <= 0ms)
    {
        due.close = true;
        return due;
    }
    if (due.left <= kWarningAhead)
    {
        due.openCountdown = std::exchange(countdownOwed_, false);
        due.balloon = balloonOwed_;
    }
    return due;
}

bool ArmedClosing::Resumed(const ClockReadings& now)
{
    Observe(now);
    if (zamanHesaplanacak_ || !(MustPutOff(now) || TimeLeft(now) <= 0ms))
    {
        return false;
    }
    seen_ = {};
    PutOff(now);
    return true;
}

void ArmedClosing::PostponeFromNow(minutes by, const ClockReadings& now)
{
    SetTarget(TargetAfter(now.WallSeconds(), now.elapsed, by), now);
}

void ArmedClosing::Postpone(minutes by, const ClockReadings& now)
{
    if (zamanHesaplanacak_)
    {
        postponedWhileWaiting_ += by;
        return;
    }
    SetTarget(Postponed(hedefZaman_, now.WallSeconds(), now.elapsed, by), now);
}

std::wstring ArmedClosing::AwakeReason(bool armed, Awaited awaited) const
{
    if (!armed)
    {
        return {};
    }
    if (zamanHesaplanacak_)
    {
        return std::wstring(awaited == Awaited::Process ? text::kAwakeWatchingProcess
                            : awaited == Awaited::Quiet ? text::kAwakeWatchingQuiet
                                                        : text::kAwakeWatching);
    }
    return std::wstring(text::kAwakeAtBefore) + TimeOfDayText(hedefZaman_.time) +
           std::wstring(text::kAwakeAtAfter);
}

StatusFacts ArmedClosing::Facts(ClosingKind kind, const Moment& waitingMoment, const Awaiting& awaiting) const
{
    StatusFacts facts{.kind = kind,
                      .rehearsal = rehearsal_,
                      .afterWindow = std::nullopt,
                      .target = hedefZaman_,
                      .awaiting = awaiting};
    if (zamanHesaplanacak_)
    {
        Moment moment = waitingMoment;
        if (moment.at)
        {
            moment.at = Later(*moment.at, postponedWhileWaiting_);
        }
        else
        {
            moment.delay += postponedWhileWaiting_;
        }
        facts.afterWindow = moment;
    }
    return facts;
}

std::wstring ArmedClosing::StatusLine(ClosingKind kind, const Moment& waitingMoment, const Awaiting& awaiting,
                                      const ClockReadings& now) const
{
    return ArmedStatusLine(Facts(kind, waitingMoment, awaiting), now.WallSeconds(), now.elapsed);
}

std::wstring ArmedClosing::MomentPhrase(const Moment& waitingMoment, const Awaiting& awaiting) const
{
    return scheduler::MomentPhrase(Facts(ClosingKind::Shutdown, waitingMoment, awaiting));
}

std::wstring ArmedClosing::KindWord(ClosingKind kind) const
{
    return scheduler::KindWord(kind, rehearsal_);
}

} // namespace dorvik::scheduler
