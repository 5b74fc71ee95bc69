// dorvik.exe under test: started as a child of the driver, with its main window found and its controls
// addressed by their ControlId. The process is killed when the object goes, so no test leaves it running.
#pragma once

#include <string_view>
#include <vector>

#include "support/MenuProbe.h"
#include "support/Process.h"
#include "support/Window.h"
#include "ui/ControlId.h"

namespace dorvik::e2e
{

inline constexpr std::wstring_view kMainWindowTitle = L"Dorvik! V1.0";

class DorvikApp
{
public:
    // Starts dorvik.exe and waits until its main window is shown, which it is once start-up has run. Throws
    // std::runtime_error when the program cannot be started or shows no main window within kStartTimeout.
    static DorvikApp Start(const StartOptions& options = {});

    // Starts dorvik.exe without waiting for anything, as for a second copy that is expected to refuse.
    static ChildProcess StartProcess(const StartOptions& options = {});

    ChildProcess& Process() noexcept { return process_; }

    const ChildProcess& Process() const noexcept { return process_; }

    const Window& Main() const noexcept { return main_; }

    // The control anywhere inside the main window; throws std::runtime_error when there is none.
    Window Control(ControlId id) const;
    // The same, or an empty Window.
    Window FindControl(ControlId id) const;

    // Runs a menu command as choosing the item does.
    void RunMenuCommand(MenuItem item) const;

    // The menu bar's items as the program holds them, through the injected menu probe.
    std::vector<MenuItemState> MenuBar() const;

    // Closes the main window as the user does (WM_CLOSE) and waits for the process to end; the exit code,
    // or nothing when it still runs after timeout.
    std::optional<unsigned long> Close(Milliseconds timeout = kUiTimeout);

private:
    DorvikApp(ChildProcess process, Window main) noexcept;

    ChildProcess process_;
    Window main_;
};

} // namespace dorvik::e2e
