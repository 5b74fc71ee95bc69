// A control whose text screen readers speak when the program says so, even while the user works in another
// program: a live region, in the words of UI Automation.
#pragma once

#include "platform/win32/Win32.h"

#include <memory>

#include "platform/win32/SystemLibrary.h"

struct IAccPropServices;

namespace dorvik::win32
{

class LiveRegion
{
public:
    // Marks the control as an assertive live region. Windows' accessibility annotations live in COM, which is
    // loaded here and not at start-up: most runs never show the window that needs it.
    explicit LiveRegion(HWND control);
    ~LiveRegion();

    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;

    // Screen readers speak the control's text now.
    void Announce() const;

private:
    struct Release
    {
        void operator()(IAccPropServices* services) const noexcept;
    };

    using UninitializeFunction = void(WINAPI*)();

    HWND control_;
    SystemLibrary ole32_;
    // Set while this object holds a COM apartment of the thread, which it must end.
    UninitializeFunction uninitialize_ = nullptr;
    std::unique_ptr<IAccPropServices, Release> services_;
};

} // namespace dorvik::win32
