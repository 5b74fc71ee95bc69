// Remembers whether the program wants its notification-area icon shown, whatever the shell answered.
#pragma once

#include "platform/ITray.h"

namespace dorvik::tray
{

// The wish is kept apart from the shell's answer: an icon that the shell refused, or lost when Explorer
// restarted, must be added again, and no way out of the program may leave an icon behind.
class TrayPresence final : public platform::ITray
{
public:
    explicit TrayPresence(platform::ITray& shell) noexcept
        : shell_(shell)
    {
    }

    bool Notify(platform::TrayMessage message, const platform::NotifyIconData& data) override
    {
        if (message == platform::TrayMessage::Add)
        {
            wanted_ = true;
        }
        else if (message == platform::TrayMessage::Delete)
        {
            wanted_ = false;
        }
        return shell_.Notify(message, data);
    }

    bool IconWanted() const noexcept { return wanted_; }

private:
    platform::ITray& shell_;
    bool wanted_ = false;
};

} // namespace dorvik::tray
