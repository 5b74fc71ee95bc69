// Input for another process.
#include "support/Input.h"

#include <algorithm>
#include <stdexcept>

namespace dorvik::e2e
{

namespace
{

LPARAM KeyDownLParam(UINT scanCode) noexcept
{
    return static_cast<LPARAM>(1u | (scanCode << 16));
}

LPARAM KeyUpLParam(UINT scanCode) noexcept
{
    // Bit 30: the key was down before; bit 31: it is being released.
    return static_cast<LPARAM>(1u | (scanCode << 16) | (1u << 30) | (1u << 31));
}

// Bit 29, the context code: Alt is down.
constexpr LPARAM kAltDown = LPARAM{1} << 29;

void PostOrThrow(const Window& target, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!target.Post(message, wParam, lParam))
    {
        throw std::runtime_error("cannot post message " + std::to_string(message));
    }
}

// Posted key messages reach the target queue in order but are handled later; a short pause after each key
// keeps them from piling up ahead of the target's own reactions (a filter that undoes text, say).
void LetTargetCatchUp()
{
    PumpMessagesFor(Milliseconds(5));
}

} // namespace

bool FocusControl(const Window& control)
{
    const DWORD targetThread = control.ThreadId();
    const DWORD ownThread = ::GetCurrentThreadId();
    const bool attached = ::AttachThreadInput(ownThread, targetThread, TRUE) != FALSE;
    ::SetForegroundWindow(control.TopLevel().Handle());
    ::SetFocus(control.Handle());
    if (attached)
    {
        ::AttachThreadInput(ownThread, targetThread, FALSE);
    }
    return WaitUntil([&] { return FocusedWindow(control) == control; });
}

Window FocusedWindow(const Window& window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(window.ThreadId(), &info))
    {
        return {};
    }
    return Window(info.hwndFocus);
}

void PressKey(const Window& target, UINT virtualKey)
{
    const UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostOrThrow(target, WM_KEYDOWN, virtualKey, KeyDownLParam(scanCode));
    PostOrThrow(target, WM_KEYUP, virtualKey, KeyUpLParam(scanCode));
    LetTargetCatchUp();
}

void PressKeyWithAlt(const Window& target, UINT virtualKey)
{
    const UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostOrThrow(target, WM_SYSKEYDOWN, virtualKey, KeyDownLParam(scanCode) | kAltDown);
    PostOrThrow(target, WM_SYSKEYUP, virtualKey, KeyUpLParam(scanCode) | kAltDown);
    LetTargetCatchUp();
}

std::optional<UINT> PlainKeyFor(wchar_t character) noexcept
{
    const SHORT keyAndShift = ::VkKeyScanW(character);
    if (keyAndShift == -1 || HIBYTE(keyAndShift) != 0)
    {
        return std::nullopt;
    }
    return LOBYTE(keyAndShift);
}

void TypeKeys(const Window& target, std::wstring_view text)
{
    for (const wchar_t character : text)
    {
        const auto key = PlainKeyFor(character);
        if (!key)
        {
            throw std::invalid_argument("no plain key types character " + std::to_string(character));
        }
        PressKey(target, *key);
    }
}

void PostChars(const Window& target, std::wstring_view text)
{
    for (const wchar_t character : text)
    {
        PostOrThrow(target, WM_CHAR, character, KeyDownLParam(0));
        LetTargetCatchUp();
    }
}

void TypeText(const Window& target, std::wstring_view text)
{
    const bool plainKeysOnly = std::all_of(
        text.begin(), text.end(), [](wchar_t character) { return PlainKeyFor(character).has_value(); });
    if (plainKeysOnly)
    {
        TypeKeys(target, text);
    }
    else
    {
        PostChars(target, text);
    }
}

void RunMenuCommand(const Window& window, int commandId)
{
    PostOrThrow(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(commandId), 0), 0);
}

void SendTrayCallback(const Window& owner, UINT mouseMessage, UINT iconId, UINT callbackMessage)
{
    PostOrThrow(owner, callbackMessage, iconId, static_cast<LPARAM>(mouseMessage));
}

void ClickAt(POINT screenPoint)
{
    // The press and release carry the point themselves and go in one call. After SetCursorPos alone a
    // click now and then landed where the previous one had been, as if the pointer's earlier place came
    // back late from the X server; and a release that comes late on a busy machine makes a scroll-bar
    // arrow repeat.
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = ::MulDiv(screenPoint.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = ::MulDiv(screenPoint.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (::SendInput(1, &move, sizeof move) != 1)
    {
        throw std::runtime_error("SendInput refused the mouse move");
    }
    PumpMessagesFor(Milliseconds(30));
    INPUT click[2] = {move, move};
    click[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    if (::SendInput(2, click, sizeof click[0]) != 2)
    {
        throw std::runtime_error("SendInput refused the mouse click");
    }
    PumpMessagesFor(Milliseconds(10));
}

void ClickCentre(const Window& window)
{
    const RECT rect = window.WindowRect();
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

} // namespace dorvik::e2e
