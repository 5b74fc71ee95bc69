// Carrying out an armed closing: the red icon, the five-second wait, the shutdown privilege and the request,
// or for a rehearsal no request at all.
#pragma once

#include <chrono>
#include <string_view>

#include "platform/IClock.h"
#include "platform/IDialogs.h"
#include "platform/IEventLog.h"
#include "platform/IEventPump.h"
#include "platform/IPower.h"
#include "platform/IRuntime.h"
#include "platform/ITray.h"
#include "scheduler/Choices.h"

namespace dorvik::power
{

inline constexpr std::chrono::seconds kClosingWait{5};
inline constexpr std::uint32_t kShutdownReason = 0xFFFFFFFF;

// The main window as the closing sequence sees it.
class IClosingWindow
{
public:
    virtual ~IClosingWindow() = default;

    virtual void StopTimer() = 0;
    virtual void ShowStatus(std::wstring_view text) = 0;
    virtual void ShowIcon(platform::IconId icon) = 0;
    // Read when the request is made, so a kind chosen during the wait is the one carried out.
    virtual scheduler::ClosingKind KindToCarryOut() const = 0;
};

struct ClosingServices
{
    platform::IClock& clock;
    platform::IEventPump& events;
    platform::ITray& tray;
    platform::IPower& power;
    platform::IDialogs& dialogs;
    platform::IRuntime& runtime;
    platform::IEventLog& eventLog;
};

platform::ExitFlags ExitFlagsFor(scheduler::ClosingKind kind);

// Enables the shutdown privilege; a failure carries the system's own text.
platform::PowerOutcome KapamaYetkisiAl(platform::IPower& power);

// How a closing after which the program goes on ended.
enum class ClosingResult
{
    Rehearsed,    // the whole road but the request
    Suspended,    // the computer slept or hibernated and is back
    SuspendFailed // Windows would not put it to sleep; the failure was reported
};

// A shut-down, a restart or a log-off never returns: the program ends after the request, whether Windows
// accepted it or not, and a request that cannot be made is reported first. A rehearsal makes no request and
// a sleep or hibernation comes back: those return, the icon left in the notification area. Events, and so
// the window's handlers, run during the wait.
ClosingResult KapamayiUygula(IClosingWindow& window, platform::NotifyIconData& tepsiKaydi,
                             const ClosingServices& services, bool rehearsal);

} // namespace dorvik::power
