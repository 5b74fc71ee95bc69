#include "ui/win32/MessageLoop.h"

#include <algorithm>
#include <utility>

namespace dorvik::win32
{

namespace
{

// A hook procedure is given no context of its own, and there is one loop on the program's one thread.
MessageLoop* filteringLoop = nullptr;

bool IsKeyboardMessage(UINT message) noexcept
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

} // namespace

MessageLoop::MessageLoop()
{
    filteringLoop = this;
    // A message box or a system dialog runs a loop of its own, which offers the keys only to its own
    // window's IsDialogMessage; that first hands every message to this thread's message filter, where the
    // keys meant for our windows get their navigation back.
    filter_.reset(
        ::SetWindowsHookExW(WH_MSGFILTER, &MessageLoop::FilterModalLoop, nullptr, ::GetCurrentThreadId()));
}

MessageLoop::~MessageLoop()
{
    filter_.reset();
    filteringLoop = nullptr;
}

LRESULT CALLBACK MessageLoop::FilterModalLoop(int code, WPARAM wParam, LPARAM lParam) noexcept
{
    auto* const message = reinterpret_cast<MSG*>(lParam);
    MessageLoop* const loop = filteringLoop;
    // MSGF_MESSAGEBOX is not documented as sent, but it is defined for message boxes: taken like the other.
    const bool dialogLoop = code == MSGF_DIALOGBOX || code == MSGF_MESSAGEBOX;
    // The message our own IsDialogMessage is handling comes back here first; it is already in hand.
    if (loop && dialogLoop && message && message != loop->handling_ && IsKeyboardMessage(message->message))
    {
        if (const HWND dialog = loop->DialogFor(*message);
            dialog && loop->HandledAsDialogMessage(dialog, *message))
        {
            // Nonzero: the modal loop neither translates nor dispatches it again.
            return TRUE;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageLoop::AddDialogWindow(HWND window)
{
    dialogWindows_.push_back(window);
}

void MessageLoop::RemoveDialogWindow(HWND window)
{
    std::erase(dialogWindows_, window);
}

HWND MessageLoop::DialogFor(const MSG& message) const
{
    for (const HWND window : dialogWindows_)
    {
        if (message.hwnd == window || ::IsChild(window, message.hwnd))
        {
            // A hidden window's keys move between no controls: the user cannot see what they would change.
            return ::IsWindowVisible(window) ? window : nullptr;
        }
    }
    return nullptr;
}

bool MessageLoop::HandledAsDialogMessage(HWND dialog, MSG& message)
{
    // Restored afterwards, not cleared: a handler run from here may open a message box whose loop comes
    // back to the filter with messages of its own, and this message is still in hand when it returns.
    const MSG* const outer = std::exchange(handling_, &message);
    const bool handled = ::IsDialogMessageW(dialog, &message) != FALSE;
    handling_ = outer;
    return handled;
}

void MessageLoop::Dispatch(MSG& message)
{
    // Found before the message is handled: its handler may add windows to the list or remove them.
    if (const HWND dialog = DialogFor(message); dialog && HandledAsDialogMessage(dialog, message))
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
