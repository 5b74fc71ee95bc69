#include "ui/win32/MessageLoop.h"

#include <algorithm>

namespace dorvik::win32
{

void MessageLoop::AddDialogWindow(HWND window)
{
    dialogWindows_.push_back(window);
}

void MessageLoop::RemoveDialogWindow(HWND window)
{
    std::erase(dialogWindows_, window);
}

void MessageLoop::Dispatch(MSG& message)
{
    // Found before the message is handled: its handler may add windows to the list or remove them.
    HWND dialog = nullptr;
    for (const HWND window : dialogWindows_)
    {
        if (message.hwnd == window || ::IsChild(window, message.hwnd))
        {
            dialog = window;
            break;
        }
    }
    // A hidden window's keys move between no controls: the user cannot see what they would change.
    if (dialog && ::IsWindowVisible(dialog) && ::IsDialogMessageW(dialog, &message))
    {
        return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

int MessageLoop::Run()
{
    MSG message{};
    // GetMessage returns -1 on an error; a plain `while (GetMessage(...))` would spin on it.
    while (::GetMessageW(&message, nullptr, 0, 0) > 0)
    {
        Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

void MessageLoop::RunUntil(const bool& done)
{
    MSG message{};
    while (!done)
    {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0)
        {
            if (got == 0)
            {
                ::PostQuitMessage(static_cast<int>(message.wParam));
            }
            return;
        }
        Dispatch(message);
    }
}

void MessageLoop::ProcessPendingEvents(std::chrono::milliseconds waitAtMost)
{
    const auto timeout =
        static_cast<DWORD>(std::clamp<std::chrono::milliseconds::rep>(waitAtMost.count(), 0, INFINITE - 1));
    ::MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        if (message.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

} // namespace dorvik::win32
