// The state that the windows and the window library share, owned by main and passed by reference.
#pragma once

#include <memory>

#include "platform/ITray.h"
#include "platform/Types.h"
#include "winlib/ClsApplication.h"
#include "winlib/ClsApplications.h"

namespace dorvik
{

struct Modulum
{
    // The top-level window chosen in the picker; None while nothing is chosen.
    platform::WindowId SecilenProgramId = platform::WindowId::None;
    // A closing is armed.
    bool KapamaAktif = false;
    // The one record given to every notification-area call.
    platform::NotifyIconData TepsiKaydi;

    // The shared window objects, alive from start-up to the unload of the main window. Pencereler walks
    // the desktop through Pencere, so Pencere is made first and released last.
    std::unique_ptr<winlib::ClsApplication> Pencere;
    std::unique_ptr<winlib::ClsApplications> Pencereler;
};

} // namespace dorvik
