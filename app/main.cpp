// Wires the services, the windows and the handlers together and runs the message loop.
#include "platform/win32/Win32.h"

#include <commctrl.h>

#include "ui/Modulum.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Icons.h"
#include "platform/win32/Win32Instance.h"
#include "platform/win32/Win32Power.h"
#include "platform/win32/Win32Runtime.h"
#include "platform/win32/Win32Tray.h"
#include "platform/win32/Win32WindowSystem.h"
#include "ui/Form1.h"
#include "ui/win32/Form1Window.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32PickerHost.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    using namespace dorvik;

    // Taken before any window exists: of two copies started at the same moment, exactly one goes on.
    win32::Win32Instance singleInstance(L"Local\\Dorvik.SingleInstance");

    const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX),
                                              ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&commonControls);

    const win32::Win32Icons icons(instance);
    win32::Win32Clock clock;
    win32::Win32Dialogs dialogs;
    win32::Win32Runtime runtime;
    win32::Win32WindowSystem windows;
    win32::Win32Tray tray(icons);
    win32::Win32Power power;
    win32::MessageLoop loop;

    Modulum modulum;
    win32::Form1Window window(instance, icons, loop);
    if (!window.Create())
    {
        return 1;
    }
    dialogs.SetOwner(window.Hwnd());
    win32::Win32PickerHost picker(instance, loop, modulum, window);
    picker.SetOwner(window.Hwnd());

    Form1 form(window, modulum,
               Form1Services{.clock = clock,
                             .dialogs = dialogs,
                             .instance = singleInstance,
                             .runtime = runtime,
                             .windows = windows,
                             .tray = tray,
                             .power = power,
                             .events = loop,
                             .picker = picker});
    window.Attach(form);
    form.Form_Load();
    window.Show();
    return loop.Run();
}
