// dorvik_bystander.exe, seen from the driver: other applications' windows on the desktop, and an observer
// that records the end-of-session messages a real log-off sends.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/Process.h"
#include "support/Window.h"

namespace dorvik::e2e
{

struct BystanderWindow
{
    enum class Kind
    {
        Visible,
        Hidden,
        Tool, // WS_EX_TOOLWINDOW
    };

    std::wstring title; // empty: an untitled window (Visible only)
    Kind kind = Kind::Visible;
};

struct BystanderOptions
{
    std::vector<BystanderWindow> windows;
    // Record WM_QUERYENDSESSION / WM_ENDSESSION in a log that EndSessionLog() reads.
    bool recordEndSession = false;
    // Answer WM_QUERYENDSESSION with FALSE.
    bool refuseEndSession = false;
    // Give each window a pop-up menu kept under this window property (empty: none).
    std::wstring menuProperty;
    // Call ExitWindowsEx with these flags once the windows are open (to exercise the session's end).
    std::optional<unsigned> exitWindowsFlags;
    // Open and destroy this many more windows a second, for as long as the bystander runs.
    int churnPerSecond = 0;
    // Keep every processor busy for as long as the bystander runs.
    bool busy = false;
};

class Bystander
{
public:
    // Starts the bystander and waits until all its windows exist. Throws std::runtime_error on failure.
    static Bystander Start(const BystanderOptions& options);
    static Bystander Start(std::vector<BystanderWindow> windows);

    Bystander(Bystander&& other) noexcept;
    Bystander& operator=(Bystander&&) = delete;
    Bystander(const Bystander&) = delete;
    Bystander& operator=(const Bystander&) = delete;
    // Ends the bystander and deletes its log.
    ~Bystander();

    ChildProcess& Process() noexcept { return process_; }

    // One of its windows by exact title (the first untitled one for an empty title).
    Window FindWindow(std::wstring_view title) const;

    std::vector<Window> Windows() const;

    // Closes one window as its user would (WM_CLOSE); the bystander ends with its last window.
    void Close(const Window& window) const;

    // The recorded lines, such as "WM_QUERYENDSESSION wParam=0 lParam=0x0 title=Observer".
    std::vector<std::wstring> EndSessionLog() const;

private:
    Bystander(ChildProcess process, std::wstring logPath) noexcept;

    ChildProcess process_;
    std::wstring logPath_;
};

} // namespace dorvik::e2e
