// The main window's care for a closing nobody watches: delays in real time, times of day on the wall clock
// across its changes, a target missed in sleep or jumped over, the warnings a minute before, the time left
// in the icon's tip, and the computer kept awake.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "resources/UiText.h"
#include "scheduler/KindTexts.h"
#include "scheduler/StatusClock.h"
#include "ui/Form1.h"

namespace dorvik
{

namespace
{

using namespace std::chrono_literals;

// How long before the closing the warning comes, and how far a target missed in sleep is put off.
constexpr std::chrono::seconds kWarningAhead = 60s;
// More than the two clocks drift apart between two ticks: the computer slept in between, or the wall clock
// was moved.
constexpr std::chrono::milliseconds kSleepNoticed = 2s;
constexpr std::chrono::milliseconds kJumpNoticed = 2s;

} // namespace

void Form1::SetTarget(const scheduler::Target& target, scheduler::LocalSeconds now,
                      scheduler::Elapsed elapsed)
{
    fields_.HedefZaman = target;
    fields_.ZamanHesaplanacak = false;
    // No warning for a target less than a minute away when it is set: "Hemen!" never shows one.
    balloonOwed_ = scheduler::TimeLeft(target, now, elapsed) >= kWarningAhead;
    countdownOwed_ = balloonOwed_;
    // A count for the moment before would count to the wrong moment; the new one comes when it is due.
    countdown_.Close();
    UpdateAwakeRequest();
    UpdateTip();
}

void Form1::UpdateAwakeRequest()
{
    std::wstring reason;
    if (modulum_.KapamaAktif && fields_.ZamanHesaplanacak)
    {
        reason = text::kAwakeWatching;
    }
    else if (modulum_.KapamaAktif)
    {
        reason = std::wstring(text::kAwakeAtBefore) + scheduler::TimeOfDayText(fields_.HedefZaman.time) +
                 std::wstring(text::kAwakeAtAfter);
    }
    if (reason == awakeReason_)
    {
        return;
    }
    // Windows may take no note of it; the closing stays armed all the same.
    if (reason.empty())
    {
        services_.power.AllowSleep();
    }
    else
    {
        services_.power.KeepSystemAwake(reason);
    }
    awakeReason_ = reason;
}

Form1::ReadingChange Form1::NoteReadings(scheduler::LocalSeconds now, scheduler::Elapsed elapsed)
{
    const scheduler::Elapsed awake = services_.clock.Awake();
    ReadingChange change;
    if (lastReadings_)
    {
        const scheduler::Elapsed realStep = elapsed - lastReadings_->elapsed;
        const bool timeOfDayArmed =
            modulum_.KapamaAktif && !fields_.ZamanHesaplanacak && !fields_.HedefZaman.elapsedDue;
        if (timeOfDayArmed)
        {
            fields_.HedefZaman =
                scheduler::AfterWallClockWentBack(fields_.HedefZaman, lastReadings_->wall, now);
            // Where the wall clock would stand had nobody moved it.
            const auto unmoved =
                lastReadings_->wall + std::chrono::duration_cast<std::chrono::seconds>(realStep);
            change.jumpedOverTarget = now - unmoved >= kJumpNoticed &&
                                      !scheduler::TargetReached(fields_.HedefZaman, unmoved, elapsed) &&
                                      scheduler::TargetReached(fields_.HedefZaman, now, elapsed);
        }
        // The elapsed time runs on while the computer sleeps; the awake time stands still.
        change.slept = realStep - (awake - lastReadings_->awake) >= kSleepNoticed;
    }
    lastReadings_ = Readings{now, elapsed, awake};
    return change;
}

bool Form1::MustPutOff(const ReadingChange& change, scheduler::LocalSeconds now,
                       scheduler::Elapsed elapsed) const
{
    return change.jumpedOverTarget ||
           (change.slept && scheduler::TimeLeft(fields_.HedefZaman, now, elapsed) < kWarningAhead);
}

void Form1::PutOffAfterSleep(scheduler::LocalSeconds now, scheduler::Elapsed elapsed)
{
    SetTarget(scheduler::TargetAfter(now, elapsed, kWarningAhead), now, elapsed);
    WarnIfDue(now, elapsed);
}

void Form1::WarnIfDue(scheduler::LocalSeconds now, scheduler::Elapsed elapsed)
{
    const std::chrono::milliseconds left = scheduler::TimeLeft(fields_.HedefZaman, now, elapsed);
    if (left > kWarningAhead)
    {
        return;
    }
    // Windows may swallow a balloon without a word (Do Not Disturb, a full-screen program, notifications
    // off): the window of the program's own comes whether the main window is shown or not.
    if (countdownOwed_)
    {
        countdownOwed_ = false;
        countdown_.Open(KindFromMarks(), left);
    }
    // The balloon only from the notification area: whoever has the window open sees the closing coming.
    if (!balloonOwed_ || !tray_.IconPresent() || view_.Shown())
    {
        return;
    }
    balloonOwed_ = false;
    std::wstring message(scheduler::TextsFor(KindFromMarks()).warning);
    message += L'\n';
    message += text::kWarningHowToCancel;
    tray_.ShowBalloon(modulum_.TepsiKaydi, view_.Caption(), message);
}

void Form1::Form_Resume()
{
    if (closingUnderWay_)
    {
        return;
    }
    platform::LocalDateTime reading;
    const scheduler::LocalSeconds now = Now(reading);
    const scheduler::Elapsed elapsed = services_.clock.Monotonic();
    const ReadingChange change = NoteReadings(now, elapsed);
    if (modulum_.KapamaAktif && !fields_.ZamanHesaplanacak &&
        (MustPutOff(change, now, elapsed) || scheduler::TargetReached(fields_.HedefZaman, now, elapsed)))
    {
        PutOffAfterSleep(now, elapsed);
    }
}

std::optional<std::wstring> Form1::ArmedStatus() const
{
    if (!modulum_.KapamaAktif)
    {
        return std::nullopt;
    }
    scheduler::ArmedClosing closing{
        .kind = KindFromMarks(), .afterWindow = std::nullopt, .target = fields_.HedefZaman};
    if (fields_.ZamanHesaplanacak)
    {
        // Application mode: the moment is counted once the watched window has gone, from the choice in force.
        closing.afterWindow = ChosenMoment();
    }
    platform::LocalDateTime reading;
    return scheduler::ArmedStatusLine(closing, Now(reading), services_.clock.Monotonic());
}

void Form1::UpdateTip()
{
    std::wstring tip = view_.Caption();
    if (const std::optional<std::wstring> line = ArmedStatus())
    {
        tip += L'\n';
        tip += *line;
    }
    if (tip == modulum_.TepsiKaydi.szTip)
    {
        return;
    }
    modulum_.TepsiKaydi.szTip = tip;
    if (tray_.IconPresent())
    {
        tray_.Notify(platform::TrayMessage::Modify, modulum_.TepsiKaydi);
    }
}

void Form1::CancelClosing()
{
    // Once the closing has begun no cancel stops it, and none turns its icon green meanwhile.
    if (!modulum_.KapamaAktif || closingUnderWay_)
    {
        return;
    }
    // Disarming takes the armed line off the tip, and that change shows the green icon too.
    SetFormIcon(platform::IconId::Dorvik);
    Disarm();
}

void Form1::PostponeClosing(std::chrono::minutes by)
{
    if (!modulum_.KapamaAktif || closingUnderWay_)
    {
        return;
    }
    platform::LocalDateTime reading;
    const scheduler::LocalSeconds now = Now(reading);
    const scheduler::Elapsed elapsed = services_.clock.Monotonic();
    // Real time from the click, whatever the wall clock does meanwhile.
    SetTarget(scheduler::TargetAfter(now, elapsed, by), now, elapsed);
}

} // namespace dorvik
