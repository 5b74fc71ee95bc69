#include "power/ClosingSequence.h"

#include <string>

#include "resources/UiText.h"

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
    return power.RequestExitWindows(ExitFlagsFor(kind), kShutdownReason);
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
        break;
    }
    return platform::ExitFlags::LogOff;
}

platform::PowerOutcome KapamaYetkisiAl(platform::IPower& power)
{
    return power.EnableShutdownPrivilege();
}

void KapamayiUygula(IClosingWindow& window, platform::NotifyIconData& tepsiKaydi,
                    const ClosingServices& services)
{
    // The timer stops first, so no tick can start the sequence again while the wait processes events.
    window.StopTimer();
    window.ShowStatus(text::kSistemHazirlaniyor);
    window.ShowIcon(platform::IconId::Kapan);
    tepsiKaydi.hIcon = platform::IconId::Kapan;
    services.tray.Notify(platform::TrayMessage::Modify, tepsiKaydi);

    platform::ProcessEventsFor(services.events, services.clock, kClosingWait);

    services.tray.Notify(platform::TrayMessage::Delete, tepsiKaydi);
    const platform::PowerOutcome outcome = RequestClosing(window.KindToCarryOut(), services.power);
    if (!outcome.succeeded)
    {
        std::wstring message(text::kClosingFailed);
        message += L"\r\n";
        message += outcome.systemMessage;
        services.dialogs.MsgBox(message, text::kCaption, platform::MsgStyle::Exclamation);
    }
    platform::EndNow(services.runtime);
}

} // namespace dorvik::power
