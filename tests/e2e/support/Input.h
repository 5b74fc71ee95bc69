// Acting on the program as a user: focus, keys, typed text, menu commands, tray clicks and mouse clicks.
#pragma once

#include <optional>
#include <string_view>

#include "support/Window.h"

namespace dorvik::e2e
{

// Gives control the keyboard focus and waits until its thread reports it. A plain SetFocus on another
// process's window is refused; attaching to the window's input queue first makes it allowed.
bool FocusControl(const Window& control);

// The window that has the keyboard focus in the thread that owns window (GetGUIThreadInfo).
Window FocusedWindow(const Window& window);

// Posts a key press and release (WM_KEYDOWN, WM_KEYUP) to target, which should hold the focus. The
// target's message loop sees them like real keys, and its TranslateMessage makes the WM_CHAR.
void PressKey(const Window& target, UINT virtualKey);

// Posts a key pressed while Alt is held (WM_SYSKEYDOWN, WM_SYSKEYUP with the context bit), as an access key
// such as Alt+V reaches the focused control; TranslateMessage makes the WM_SYSCHAR.
void PressKeyWithAlt(const Window& target, UINT virtualKey);

// Plain keys for every character, such as digits, lower-case letters and space: WM_KEYDOWN/WM_KEYUP posted
// to target, which the target's TranslateMessage turns into WM_CHAR, as with a real keyboard. Throws
// std::invalid_argument for a character no unshifted key of the layout types (capitals, Turkish letters).
void TypeKeys(const Window& target, std::wstring_view text);

// Every character as a posted WM_CHAR, for characters without a plain key. Posted, so it still passes the
// target's message loop and its pre-translation, as typed text does; WM_SETTEXT would not.
void PostChars(const Window& target, std::wstring_view text);

// Types text into target (normally the focused edit): TypeKeys when every character has a plain key,
// otherwise PostChars for the whole text. Never both in one text: a posted WM_CHAR would overtake the
// WM_CHARs that TranslateMessage posts later for the keys before it, and scramble the order.
void TypeText(const Window& target, std::wstring_view text);

// Whether an unshifted key of the keyboard layout types character, and which.
std::optional<UINT> PlainKeyFor(wchar_t character) noexcept;

// Runs a menu command, as choosing the item does: WM_COMMAND with the item's id, posted to window.
void RunMenuCommand(const Window& window, int commandId);

// What the shell sends for a mouse event on a notification-area icon added without NOTIFYICON_VERSION_4:
// the icon's callback message with wParam = the icon's id and lParam = the mouse message.
void SendTrayCallback(const Window& owner, UINT mouseMessage, UINT iconId = 1,
                      UINT callbackMessage = WM_MOUSEMOVE);

// A real left click at a screen point through SendInput, with a pause between press and release.
void ClickAt(POINT screenPoint);

// A real left click in the middle of window.
void ClickCentre(const Window& window);

} // namespace dorvik::e2e
