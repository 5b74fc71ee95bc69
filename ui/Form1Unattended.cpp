// The main window's care for a closing nobody watches: delays in real time, times of day on the wall clock
// across its changes, a target missed in sleep, the warning a minute before, and the computer kept awake.
#include <chrono>
#include <string>
#include <string_view>

#include "resources/UiText.h"
#include "scheduler/StatusClock.h"
#include "ui/Form1.h"

namespace dorvik
{

using scheduler::ClosingKind;

namespace
{

using namespace std::chrono_literals;

// How long before the closing the warning comes, and how far a target missed in sleep is put off.
constexpr std::chrono::seconds kWarningAhead = 60s;
// More than the two clocks drift apart between two ticks: the computer slept in between.
constexpr std::chrono::milliseconds kSleepNoticed = 2s;

std::wstring_view WarningFor(ClosingKind kind)
{
    switch (kind)
    {
    case ClosingKind::Restart:
        return text::kWarningBilgisayariYenidenBaslat;
    case ClosingKind::LogOff:
        return text::kWarningOturumuKapat;
    case ClosingKind::Shutdown:
        break;
    }
    return text::kWarningBilgisayariKapat;
}

} // namespace

void Form1::SetTarget(const scheduler::Target& target, scheduler::LocalSeconds now,
                      scheduler::Elapsed elapsed)
{
    fields_.HedefZaman = target;
    // No warning for a target less than a minute away when it is set: "Hemen!" never shows one.
    warningOwed_ = scheduler::TimeLeft(target, now, elapsed) >= kWarningAhead;
    UpdateAwakeRequest();
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

bool Form1::NoteReadings(scheduler::LocalSeconds now, scheduler::Elapsed elapsed)
{
    const scheduler::Elapsed awake = services_.clock.Awake();
    bool slept = false;
    if (lastReadings_)
    {
        if (modulum_.KapamaAktif && !fields_.ZamanHesaplanacak)
        {
            fields_.HedefZaman =
                scheduler::AfterWallClockWentBack(fields_.HedefZaman, lastReadings_->wall, now);
        }
        // The elapsed time runs on while the computer sleeps; the awake time stands still.
        slept = (elapsed - lastReadings_->elapsed) - (awake - lastReadings_->awake) >= kSleepNoticed;
    }
    lastReadings_ = Readings{now, elapsed, awake};
    return slept;
}

void Form1::PutOffAfterSleep(scheduler::LocalSeconds now, scheduler::Elapsed elapsed)
{
    SetTarget(scheduler::TargetAfter(now, elapsed, kWarningAhead), now, elapsed);
    WarnIfDue(now, elapsed);
}

void Form1::WarnIfDue(scheduler::LocalSeconds now, scheduler::Elapsed elapsed)
{
    // Only from the notification area: whoever has the window open sees the closing coming.
    if (!warningOwed_ || !tray_.IconPresent() || view_.Shown() ||
        scheduler::TimeLeft(fields_.HedefZaman, now, elapsed) > kWarningAhead)
    {
        return;
    }
    warningOwed_ = false;
    std::wstring message(WarningFor(KindFromMarks()));
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
    NoteReadings(now, elapsed);
    if (modulum_.KapamaAktif && !fields_.ZamanHesaplanacak &&
        scheduler::TargetReached(fields_.HedefZaman, now, elapsed))
    {
        PutOffAfterSleep(now, elapsed);
    }
}

} // namespace dorvik
