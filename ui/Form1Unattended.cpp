// The main window showing what the armed closing says: the warnings a minute before, the time left in the
// icon's tip, the computer kept awake, a wake-up, and the last-minute window's buttons.
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

void Form1::UpdateAwakeRequest()
{
    const std::wstring reason = closing_.AwakeReason(modulum_.KapamaAktif, watch_.Awaited());
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

void Form1::Warn(const scheduler::ClosingDue& due)
{
    // Windows may swallow a balloon without a word (Do Not Disturb, a full-screen program, notifications
    // off): the window of the program's own comes whether the main window is shown or not.
    if (due.openCountdown)
    {
        countdown_.Open(KindInForce(), closing_.Rehearsal(), due.left);
    }
    // The balloon only from the notification area: whoever has the window open sees the closing coming.
    if (due.balloon && tray_.IconPresent() && !view_.Shown())
    {
        closing_.BalloonShown();
        std::wstring message(scheduler::TextsFor(KindInForce()).warning);
        if (closing_.Rehearsal())
        {
            message += text::kRehearsalMark;
        }
        message += L'\n';
        message += text::kWarningHowToCancel;
        tray_.ShowBalloon(modulum_.TepsiKaydi, view_.Caption(), message);
    }
    countdown_.Count(KindInForce(), closing_.Rehearsal(), due.left);
}

void Form1::Form_Resume()
{
    if (closingUnderWay_)
    {
        return;
    }
    const scheduler::ClockReadings now = ReadClocks();
    if (!modulum_.KapamaAktif)
    {
        closing_.Observe(now);
        return;
    }
    if (closing_.Resumed(now))
    {
        AfterPostponement(text::kEventAfterStandingStill);
        Warn(closing_.Due(now));
    }
}

std::optional<std::wstring> Form1::ArmedStatus()
{
    if (!modulum_.KapamaAktif)
    {
        return std::nullopt;
    }
    // A look reads the clocks too: a moment named just after the wall clock moved is named on the new clock.
    const scheduler::ClockReadings now = ReadClocks();
    closing_.Observe(now);
    // Application mode: the moment is counted once the watched window has gone, from the choice in force.
    return closing_.StatusLine(KindInForce(), ChosenMoment(), watch_.Describe(), now);
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
    Cancel(text::kEventFromCountdown);
}

void Form1::Cancel(std::wstring_view from)
{
    // Once the closing has begun no cancel stops it, and none turns its icon green meanwhile.
    if (!modulum_.KapamaAktif || closingUnderWay_)
    {
        return;
    }
    Record(platform::EventId::Cancelled, from);
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
    // Real time from the click, whatever the wall clock does meanwhile.
    closing_.PostponeFromNow(by, ReadClocks());
    AfterPostponement(text::kEventFromCountdown);
}

void Form1::PutOff(std::chrono::minutes by)
{
    closing_.Postpone(by, ReadClocks());
    AfterPostponement(text::kEventFromCommandLine);
}

void Form1::AfterPostponement(std::wstring_view from)
{
    // The warnings are owed again, for the new moment.
    countdown_.Close();
    UpdateAwakeRequest();
    UpdateTip();
    Record(platform::EventId::Postponed, from);
}

} // namespace dorvik
