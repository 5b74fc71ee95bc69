// The desktop's top-level windows: listing them for the picker and telling whether one is still there.
#pragma once

#include "platform/IWindowSystem.h"
#include "winlib/ClsApplication.h"
#include "winlib/IListControl.h"

namespace dorvik::winlib
{

class ClsApplications
{
public:
    // Reads each window it visits through pencere, the program's one shared window object.
    ClsApplications(platform::IWindowSystem& windows, ClsApplication& pencere) noexcept;

    void FillWndListBox(IListControl& lstDst, bool bVisibleOnly);
    platform::WindowId ChildWindow(platform::WindowId hwndParent) const;
    platform::WindowId NextWindow(platform::WindowId hWnd) const;
    platform::WindowId DesktopWindow() const;
    platform::WindowId WindowFromXY(int x, int y) const;
    platform::WindowId ActiveWindow() const;
    void ActiveWindow(platform::WindowId hwndNew);
    bool ReturnProcessInfo(platform::WindowId AranilanId);

private:
    platform::IWindowSystem* windows_;
    ClsApplication* pencere_;
};

} // namespace dorvik::winlib
