// Starting dorvik.exe and finding its main window.
#include "support/DorvikApp.h"

#include <stdexcept>

#include "support/Input.h"
#include "support/Paths.h"
#include "support/Text.h"

namespace dorvik::e2e
{

DorvikApp::DorvikApp(ChildProcess process, Window main) noexcept
    : process_(std::move(process))
    , main_(main)
{
}

ChildProcess DorvikApp::StartProcess(const StartOptions& options)
{
    const std::wstring path = ProgramPath();
    if (!FileExists(path))
    {
        throw std::runtime_error("the program under test is missing: " + Utf8(path));
    }
    return ChildProcess::Start(path, options);
}

DorvikApp DorvikApp::Start(const StartOptions& options)
{
    ChildProcess process = StartProcess(options);
    // The window exists, titled, while start-up still fills it; it is shown when start-up is done.
    Window main;
    WaitUntil(
        [&] {
            main = FindTopLevelWindow(kMainWindowTitle, process.Pid());
            return main && main.IsVisible() && !main.HasClass(L"#32770");
        },
        kStartTimeout);
    if (!main || !main.IsVisible())
    {
        const auto exitCode = process.ExitCode();
        throw std::runtime_error("dorvik.exe showed no main window titled \"" + Utf8(kMainWindowTitle) +
                                 "\"" +
                                 (exitCode ? " and ended with exit code " + std::to_string(*exitCode)
                                           : std::string(" within the start-up time")));
    }
    return DorvikApp(std::move(process), main);
}

Window DorvikApp::FindControl(ControlId id) const
{
    return main_.Descendant(static_cast<int>(id));
}

Window DorvikApp::Control(ControlId id) const
{
    const Window control = FindControl(id);
    if (!control)
    {
        throw std::runtime_error("the main window has no control with id " +
                                 std::to_string(static_cast<int>(id)));
    }
    return control;
}

void DorvikApp::RunMenuCommand(MenuItem item) const
{
    e2e::RunMenuCommand(main_, static_cast<int>(item));
}

std::vector<MenuItemState> DorvikApp::MenuBar() const
{
    return ReadMenuBar(main_);
}

std::optional<unsigned long> DorvikApp::Close(Milliseconds timeout)
{
    main_.Post(WM_CLOSE);
    return process_.WaitForExit(timeout);
}

} // namespace dorvik::e2e
