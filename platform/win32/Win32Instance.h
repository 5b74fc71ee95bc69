// One copy of the program per session, told by a named mutex taken before any window exists, so that two
// copies started at the same moment cannot both go on; the copy holding it made known to the others through a
// named mapping once its window exists; the waiting copy an arming command line starts; and whether the
// session is one a user sees.
#pragma once

#include <string>

#include "platform/IInstance.h"
#include "platform/win32/Handles.h"

namespace dorvik::win32
{

// Whether this process runs where a user sees it: not in session 0, not in a window station nobody sees.
bool ProcessOnUsersDesktop() noexcept;

class Win32Instance final : public platform::IInstance
{
public:
    // The mapping's name is the mutex's with ".Window" after it.
    explicit Win32Instance(const wchar_t* mutexName);

    void TakePlace() override;

    bool PreviousInstance() const override { return previous_; }

    bool RunningCopyExists() const override;

    void LetGo() override;

    // Makes this copy, which holds the place, known by its main window; it stays known until it ends.
    void Publish(HWND mainWindow);

    bool OnUsersDesktop() const override;

    bool StartWaitingCopy() override;

    platform::RunningCopyAnswer HandToRunningCopy(std::wstring_view payload) override;

    void WaitForWaitingCopyToEnd() override;

private:
    // Until the deadline, the window of the copy that holds the place, once it has made itself known.
    HWND FindRunningCopy(ULONGLONG deadline) const;
    bool WaitingCopyAlive() const;

    std::wstring mutexName_;
    std::wstring mappingName_;
    UniqueHandle mutex_;
    UniqueHandle publication_;
    bool previous_ = false;
    // The waiting copy this one started, until it has been handed its request.
    UniqueHandle waitingCopy_;
};

} // namespace dorvik::win32
