#include "platform/fake/FakeServices.h"

namespace dorvik::platform
{

bool FakeTray::Notify(TrayMessage message, const NotifyIconData& data)
{
    calls_.push_back({message, data});
    switch (message)
    {
    case TrayMessage::Add:
        // The shell refuses a second icon with the same id, as it does a first one when it is not running.
        if (!acceptAdd || shown_ || refuseAdds > 0)
        {
            refuseAdds = refuseAdds > 0 ? refuseAdds - 1 : 0;
            return false;
        }
        shown_ = data.hIcon;
        return true;
    case TrayMessage::Modify:
        if (!shown_)
        {
            return false;
        }
        shown_ = data.hIcon;
        return true;
    case TrayMessage::Delete:
        if (!shown_)
        {
            return false;
        }
        shown_.reset();
        return true;
    }
    return false;
}

bool FakeTray::ShowBalloon(const NotifyIconData& /*data*/, std::wstring_view title, std::wstring_view text)
{
    // The shell shows a balloon only at an icon that is there.
    if (!shown_)
    {
        return false;
    }
    balloons_.push_back({std::wstring(title), std::wstring(text)});
    return true;
}

PowerOutcome FakePower::EnableShutdownPrivilege()
{
    calls_.push_back({PowerCall::EnablePrivilege});
    return privilegeFailure.value_or(PowerOutcome{});
}

PowerOutcome FakePower::RequestExitWindows(ExitFlags flags, std::uint32_t reason)
{
    calls_.push_back({PowerCall::ExitWindows, flags, reason});
    return exitFailure.value_or(PowerOutcome{});
}

PowerOutcome FakePower::Suspend(bool hibernate)
{
    calls_.push_back({.call = PowerCall::Suspend, .hibernate = hibernate});
    return suspendFailure.value_or(PowerOutcome{});
}

bool FakePower::KeepSystemAwake(std::wstring_view reason)
{
    if (refuseToKeepAwake)
    {
        return false;
    }
    awakeReason_ = std::wstring(reason);
    return true;
}

void FakePower::AllowSleep()
{
    awakeReason_.reset();
}

} // namespace dorvik::platform
