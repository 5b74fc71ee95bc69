#include "tray/TrayPresence.h"

#include <array>
#include <chrono>

namespace dorvik::tray
{

using namespace std::chrono_literals;

namespace
{

// 3.75 s in all: long enough for a shell that is still starting, short enough that a user who armed a
// closing sees the window stay when the icon cannot be had.
constexpr std::array kPauses = {250ms, 500ms, 1000ms, 2000ms};

} // namespace

bool TrayPresence::Notify(platform::TrayMessage message, const platform::NotifyIconData& data)
{
    const bool accepted = shell_.Notify(message, data);
    if (message == platform::TrayMessage::Add)
    {
        present_ = accepted;
    }
    else if (message == platform::TrayMessage::Delete)
    {
        present_ = false;
    }
    return accepted;
}

bool TrayPresence::AddPatiently(const platform::NotifyIconData& data)
{
    if (present_)
    {
        return Notify(platform::TrayMessage::Modify, data);
    }
    // A handler that runs during a pause below and wants the icon too leaves the trying to this call.
    if (adding_)
    {
        return false;
    }
    adding_ = true;
    bool added = Notify(platform::TrayMessage::Add, data);
    for (const auto pause : kPauses)
    {
        if (added || present_)
        {
            break;
        }
        platform::ProcessEventsFor(events_, clock_, pause);
        added = Notify(platform::TrayMessage::Add, data);
    }
    adding_ = false;
    return added || present_;
}

} // namespace dorvik::tray
