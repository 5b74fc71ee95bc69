// The main window's menus: the menu bar with its check marks, and the pop-up menu of the notification icon.
#pragma once

#include "platform/win32/Win32.h"

#include <optional>

#include "platform/win32/Handles.h"
#include "ui/ControlId.h"

namespace dorvik::win32
{

class Form1Menus
{
public:
    // Builds both menus in their start-up state and gives window its menu bar.
    void Create(HWND window);
    // Called as the window goes: the window destroys its menu bar itself, the tray menu goes with this.
    void Detach(HWND window) noexcept;

    bool Checked(MenuItem item) const;
    void SetChecked(MenuItem item, bool checked);

    // Pops the tray menu up for window at the mouse position, or beside the given screen area, and returns
    // once it has closed: the item chosen, or nothing when the menu was dismissed.
    std::optional<MenuItem> PopupTrayMenu(HWND window, const std::optional<RECT>& beside) const;

private:
    HMENU Holding(MenuItem item) const noexcept;

    HMENU bar_ = nullptr;
    UniqueHmenu trayMenu_;
};

} // namespace dorvik::win32
