// The program's message loop, and the pumping wait that lets handlers run inside a handler.
#pragma once

#include "platform/win32/Win32.h"

#include <vector>

#include "platform/IEventPump.h"
#include "platform/win32/Handles.h"

namespace dorvik::win32
{

// One per thread: it filters the modal loops that Windows runs on this thread.
class MessageLoop final : public platform::IEventPump
{
public:
    MessageLoop();
    ~MessageLoop() override;

    MessageLoop(const MessageLoop&) = delete;
    MessageLoop& operator=(const MessageLoop&) = delete;

    // Tab, the arrow keys and the access keys move between the controls of these windows, also while a
    // message box or a dialog of the system runs its own loop.
    void AddDialogWindow(HWND window);
    void RemoveDialogWindow(HWND window);

    // Returns the exit code of WM_QUIT.
    int Run();

    // Dispatches until `done` turns true; a WM_QUIT that arrives meanwhile is handed on to Run.
    void RunUntil(const bool& done);

    // Waits on the queue, not on the processor, so a pumping wait costs nothing while nothing happens.
    void ProcessPendingEvents(std::chrono::milliseconds waitAtMost) override;

private:
    static LRESULT CALLBACK FilterModalLoop(int code, WPARAM wParam, LPARAM lParam) noexcept;

    void Dispatch(MSG& message);
    // The shown window of the list that holds the message's window, or null.
    HWND DialogFor(const MSG& message) const;
    bool HandledAsDialogMessage(HWND dialog, MSG& message);

    std::vector<HWND> dialogWindows_;
    // The message IsDialogMessage is handling for this loop; it hands the same message to the filter first.
    const MSG* handling_ = nullptr;
    UniqueHhook filter_;
};

// Tab, the arrow keys and the access keys move between a window's controls for as long as this lives.
class KeyboardNavigation
{
public:
    KeyboardNavigation(MessageLoop& loop, HWND window)
        : loop_(loop)
        , window_(window)
    {
        loop_.AddDialogWindow(window_);
    }

    ~KeyboardNavigation() { loop_.RemoveDialogWindow(window_); }

    KeyboardNavigation(const KeyboardNavigation&) = delete;
    KeyboardNavigation& operator=(const KeyboardNavigation&) = delete;

private:
    MessageLoop& loop_;
    HWND window_;
};

} // namespace dorvik::win32
