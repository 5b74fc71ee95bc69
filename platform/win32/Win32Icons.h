// The program's three icons at the sizes of the window's title bar, the taskbar and the notification area.
#pragma once

#include <array>

#include "platform/Types.h"
#include "platform/win32/Handles.h"

namespace dorvik::win32
{

class Win32Icons
{
public:
    explicit Win32Icons(HINSTANCE instance);

    HICON Large(platform::IconId icon) const noexcept;
    HICON Small(platform::IconId icon) const noexcept;

private:
    std::array<UniqueHicon, 3> large_;
    std::array<UniqueHicon, 3> small_;
};

} // namespace dorvik::win32
