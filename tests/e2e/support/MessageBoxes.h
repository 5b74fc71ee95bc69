// The program's message boxes: finding them, reading them and answering them as the user would.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/Icons.h"
#include "support/Window.h"

namespace dorvik::e2e
{

class MessageBoxWindow
{
public:
    explicit MessageBoxWindow(Window box) noexcept
        : box_(box)
    {
    }

    const Window& Box() const noexcept { return box_; }

    std::wstring Title() const;
    // The message: the static control with id 0xFFFF.
    std::wstring Text() const;
    // The box's icon, told by its pixels.
    StockIcon Icon() const;
    // The ids of the visible buttons (IDOK, IDYES, ...), left to right. Their captions follow Wine's
    // language, not the program's, so tests look at ids.
    std::vector<int> ButtonIds() const;
    Window Button(int id) const;

    // The window the box belongs to; it stays disabled while the box is open.
    Window Owner() const noexcept { return box_.Owner(); }

    // Clicks the button with that id (posted, as the box runs its own modal loop).
    void Answer(int id) const;
    // The same answer through the dialog's command (WM_COMMAND with BN_CLICKED), as a keyboard
    // accelerator of the box would give it.
    void AnswerByCommand(int id) const;

private:
    Window box_;
};

// The open message boxes (dialog class #32770) of process pid.
std::vector<MessageBoxWindow> FindMessageBoxes(DWORD pid);

// Waits until process pid shows a message box.
std::optional<MessageBoxWindow> WaitForMessageBox(DWORD pid, Milliseconds timeout = kUiTimeout);

} // namespace dorvik::e2e
