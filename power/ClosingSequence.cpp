#include "power/ClosingSequence.h"

#include <string>

#include "resources/UiText.h"
#include "scheduler/KindTexts.h"

namespace dorvik::power
{

namespace
{

platform::PowerOutcome RequestClosing(scheduler::ClosingKind kind, platform::IPower& power)
{
    if (kind != scheduler::ClosingKind::LogOff)
    {
        if (auto privilege = KapamaYetkisiAl(power); !privilege.succeeded)
        {
            return privilege;
        }
    }
    if (scheduler::Suspends(kind))
    {
        // The wish to stay awake keeps only idle sleep away; it is let go all the same, as nothing is armed
        // once the computer is back.
        power.AllowSleep();
        return power.Suspend(kind == scheduler::ClosingKind::Hibernate);
    }
    return power.RequestExitWindows(ExitFlagsFor(kind), kShutdownReason);
}

// The request and its result, written once the request is made: the record never holds the closing up.
void RecordRequest(scheduler::ClosingKind kind, const platform::PowerOutcome& outcome,
                   platform::IEventLog& log)
{
    std::wstring kindWord(scheduler::TextsFor(kind).status);
    if (outcome.succeeded)
    {
        log.Write({.id = platform::EventId::Requested,
                   .level = platform::EventLevel::Information,
                   .inserts = {kindWord}});
        return;
    }
    log.Write({.id = platform::EventId::RequestFailed,
               .level = platform::EventLevel::Error,
               .inserts = {kindWord, outcome.systemMessage}});
}

void ReportFailure(const platform::PowerOutcome& outcome, platform::IDialogs& dialogs)
{
    std::wstring message(text::kClosingFailed);
    message += L"\r\n";
    message += outcome.systemMessage;
    dialogs.MsgBox(message, text::kCaption, platform::MsgStyle::Exclamation);
}

} // namespace

platform::ExitFlags ExitFlagsFor(scheduler::ClosingKind kind)
{
    switch (kind)
    {
    case scheduler::ClosingKind::Shutdown:
        return platform::ExitFlags::ShutdownForce;
    case scheduler::ClosingKind::Restart:
        return platform::ExitFlags::RebootForce;
    case scheduler::ClosingKind::LogOff:
    case scheduler::ClosingKind::Sleep:
    case scheduler::ClosingKind::Hibernate:
        break;
    }
    return platform::ExitFlags::LogOff;
}

platform::PowerOutcome KapamaYetkisiAl(platform::IPower& power)
{
    return power.EnableShutdownPrivilege();
}

ClosingResult KapamayiUygula(IClosingWindow& window, platform::NotifyIconData& tepsiKaydi,
                             const ClosingServices& services, bool rehearsal)
{
    // The timer stops first, so no tick can start the sequence again while the wait processes events.
    window.StopTimer();
    window.ShowStatus(text::kSistemHazirlaniyor);
    window.ShowIcon(platform::IconId::Kapan);
    tepsiKaydi.hIcon = platform::IconId::Kapan;
    services.tray.Notify(platform::TrayMessage::Modify, tepsiKaydi);

    platform::ProcessEventsFor(services.events, services.clock, kClosingWait);

    const scheduler::ClosingKind kind = window.KindToCarryOut();
    if (rehearsal)
    {
        services.eventLog.Write({.id = platform::EventId::Rehearsed,
                                 .level = platform::EventLevel::Information,
                                 .inserts = {std::wstring(scheduler::TextsFor(kind).status)}});
        return ClosingResult::Rehearsed;
    }
    // After a sleep the program is still there, and so is its icon.
    const bool suspends = scheduler::Suspends(kind);
    if (!suspends)
    {
        services.tray.Notify(platform::TrayMessage::Delete, tepsiKaydi);
    }
    const platform::PowerOutcome outcome = RequestClosing(kind, services.power);
    RecordRequest(kind, outcome, services.eventLog);
    if (!outcome.succeeded)
    {
        ReportFailure(outcome, services.dialogs);
    }
    if (suspends)
    {
        return outcome.succeeded ? ClosingResult::Suspended : ClosingResult::SuspendFailed;
    }
    platform::EndNow(services.runtime);
}

} // namespace dorvik::power
