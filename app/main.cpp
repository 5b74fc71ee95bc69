// Wires the services, the windows and the handlers together and runs the message loop.
#include "platform/win32/Win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <string>
#include <vector>

#include "command/CommandLine.h"
#include "command/StartUp.h"
#include "platform/win32/Win32Activity.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32EventLog.h"
#include "platform/win32/Win32Icons.h"
#include "platform/win32/Win32Instance.h"
#include "platform/win32/Win32Output.h"
#include "platform/win32/Win32Power.h"
#include "platform/win32/Win32Runtime.h"
#include "platform/win32/Win32Tray.h"
#include "platform/win32/Win32WindowSystem.h"
#include "ui/Form1.h"
#include "ui/Modulum.h"
#include "ui/win32/CountdownWarningWindow.h"
#include "ui/win32/Form1Window.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32PickerHost.h"

namespace
{

// The arguments after the program's own name, split as every Windows program splits them.
std::vector<std::wstring> CommandLineArguments()
{
    int count = 0;
    LPWSTR* const split = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; split && i < count; ++i)
    {
        arguments.emplace_back(split[i]);
    }
    ::LocalFree(split);
    return arguments;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    using namespace dorvik;

    const std::vector<std::wstring> arguments = CommandLineArguments();
    command::Request request = command::ParseCommandLine(arguments);
    win32::Win32Power power;
    command::RefuseWhatTheComputerCannotDo(request, power);
    win32::Win32Output output;
    output.SetOnUsersDesktop(win32::ProcessOnUsersDesktop());
    win32::Win32EventLog eventLog;
    // The usage and a usage error are answered before anything else, so that no other copy is touched.
    if (const auto answer = command::AnswerAtOnce(request, arguments, output, eventLog))
    {
        return static_cast<int>(*answer);
    }

    // The program's place is taken before any window exists: of two copies started at the same moment,
    // exactly one goes on. A copy that only asks or cancels never takes it.
    win32::Win32Instance singleInstance(L"Local\\Dorvik.SingleInstance");
    if (const auto answer =
            command::AnswerThroughRunningCopy(request, arguments, singleInstance, output, eventLog))
    {
        return static_cast<int>(*answer);
    }

    const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX),
                                              ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&commonControls);

    const win32::Win32Icons icons(instance);
    win32::Win32Clock clock;
    win32::Win32Dialogs dialogs;
    win32::Win32Runtime runtime;
    win32::Win32WindowSystem windows;
    win32::Win32Tray tray(icons);
    win32::Win32Activity activity;
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
    win32::CountdownWarningWindow countdown(instance, icons, loop);

    Form1 form(window, modulum,
               Form1Services{.clock = clock,
                             .dialogs = dialogs,
                             .instance = singleInstance,
                             .runtime = runtime,
                             .windows = windows,
                             .tray = tray,
                             .power = power,
                             .events = loop,
                             .picker = picker,
                             .countdown = countdown,
                             .activity = activity,
                             .eventLog = eventLog});
    window.Attach(form);
    countdown.Attach(form.Countdown());
    form.Form_Load();
    // Only now, with its window made and a second copy already sent away, is this copy the one a request
    // reaches.
    singleInstance.Publish(window.Hwnd());
    if (request.action == command::Action::AwaitCommand)
    {
        // Started by an arming command line: the request it is about to be handed hides or shows the window.
        form.Form_AwaitCommandLine();
    }
    else if (request.action == command::Action::Arm)
    {
        // Armed from the start, the window goes straight to the notification area, as after "Evet".
        std::wstring refusal;
        if (const command::ExitCode answer = form.Form_CommandLine(request, &refusal);
            answer != command::ExitCode::Done)
        {
            // An answer left on the screen must not keep another start from the window meanwhile.
            singleInstance.LetGo();
            const std::wstring said = refusal.empty() ? command::OutcomeMessage(answer, request) : refusal;
            return static_cast<int>(command::Answer(request, answer, platform::OutputStream::Error, said,
                                                    arguments, output, eventLog));
        }
    }
    else
    {
        window.Show();
    }
    return loop.Run();
}
