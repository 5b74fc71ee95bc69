// Whether the program's icon is in the notification area, and adding it patiently while the shell is not
// ready.
#pragma once

#include "platform/IClock.h"
#include "platform/IEventPump.h"
#include "platform/ITray.h"

namespace dorvik::tray
{

// Passes every call on to the shell and remembers whether the icon is there: an icon lost when Explorer
// restarted must be added again, and no way out of the program may leave one behind.
class TrayPresence final : public platform::ITray
{
public:
    TrayPresence(platform::ITray& shell, platform::IClock& clock, platform::IEventPump& events) noexcept
        : shell_(shell)
        , clock_(clock)
        , events_(events)
    {
    }

    bool Notify(platform::TrayMessage message, const platform::NotifyIconData& data) override;

    bool ShowBalloon(const platform::NotifyIconData& data, std::wstring_view title,
                     std::wstring_view text) override
    {
        return shell_.ShowBalloon(data, title, text);
    }

    std::optional<platform::Rect> IconArea(const platform::NotifyIconData& data) override
    {
        return shell_.IconArea(data);
    }

    bool ReturnFocus(const platform::NotifyIconData& data) override { return shell_.ReturnFocus(data); }

    // Adds the icon. The shell refuses while it is starting (at log-on) or busy, so a refusal is tried again
    // after a pause that grows, for a few seconds, handling events meanwhile. True once the icon is there.
    bool AddPatiently(const platform::NotifyIconData& data);

    bool IconPresent() const noexcept { return present_; }

    // The shell has restarted and forgotten every icon.
    void ShellRestarted() noexcept { present_ = false; }

private:
    platform::ITray& shell_;
    platform::IClock& clock_;
    platform::IEventPump& events_;
    bool present_ = false;
    bool adding_ = false;
};

} // namespace dorvik::tray
