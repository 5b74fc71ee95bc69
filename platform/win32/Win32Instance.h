// One copy of the program per session, told by a named mutex taken before any window exists, so that two
// copies started at the same moment cannot both go on; the waiting copy an arming command line starts; and
// whether the session is one a user sees.
#pragma once

#include "platform/IInstance.h"
#include "platform/win32/Handles.h"

namespace dorvik::win32
{

// Whether this process runs where a user sees it: not in session 0, not in a window station nobody sees.
bool ProcessOnUsersDesktop() noexcept;

class Win32Instance final : public platform::IInstance
{
public:
    explicit Win32Instance(const wchar_t* mutexName) noexcept;

    bool PreviousInstance() const override { return previous_; }

    bool OnUsersDesktop() const override;

    bool StartWaitingCopy() override;

    platform::RunningCopyAnswer HandToRunningCopy(std::wstring_view payload) override;

    void WaitForWaitingCopyToEnd() override;

private:
    void TakeName() noexcept;

    const wchar_t* mutexName_;
    UniqueHandle mutex_;
    bool previous_ = false;
    // The waiting copy this one started, until it has been handed its request.
    UniqueHandle waitingCopy_;
};

} // namespace dorvik::win32
