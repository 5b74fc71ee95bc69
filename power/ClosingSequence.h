// Carrying out an armed closing: the red icon, the five-second wait, the shutdown privilege and the request.
#pragma once

#include <chrono>
#include <string_view>

#include "platform/IClock.h"
#include "platform/IDialogs.h"
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
};

platform::ExitFlags ExitFlagsFor(scheduler::ClosingKind kind);

// Enables the shutdown privilege; a failure carries the system's own text.
platform::PowerOutcome KapamaYetkisiAl(platform::IPower& power);

// Never returns: the program ends after the request, whether Windows accepted it or not. A request that
// cannot be made is reported first. Events, and so the window's handlers, run during the wait.
[[noreturn]] void KapamayiUygula(IClosingWindow& window, platform::NotifyIconData& tepsiKaydi,
                                 const ClosingServices& services);

} // namespace dorvik::power
