#include "platform/win32/Win32Instance.h"

#include <algorithm>
#include <string>

#include "platform/win32/CommandLineHandOver.h"

namespace dorvik::win32
{

namespace
{

constexpr UINT kAnswerTimeoutMs = 10'000;

// Keeps the text that the running copy sends back, bounded, in the string the window was made with.
LRESULT CALLBACK AnswerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE)
    {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    else if (message == WM_COPYDATA)
    {
        auto* text = reinterpret_cast<std::wstring*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (text && data && data->dwData == kAnswerCopyData && data->lpData)
        {
            const std::size_t chars = std::min<std::size_t>(data->cbData / sizeof(wchar_t), kMaxAnswerChars);
            text->assign(static_cast<const wchar_t*>(data->lpData), chars);
            return TRUE;
        }
        return FALSE;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

UniqueHwnd MakeAnswerWindow(std::wstring& text)
{
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!::GetClassInfoExW(instance, kAnswerWindowClass, &windowClass))
    {
        windowClass.lpfnWndProc = &AnswerWindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kAnswerWindowClass;
        ::RegisterClassExW(&windowClass);
    }
    // Message-only: no one sees it, and no broadcast or window walk finds it.
    return UniqueHwnd(::CreateWindowExW(0, kAnswerWindowClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        instance, &text));
}

} // namespace

Win32Instance::Win32Instance(const wchar_t* mutexName) noexcept
{
    mutex_.reset(::CreateMutexW(nullptr, FALSE, mutexName));
    const DWORD error = ::GetLastError();
    // Access is denied when a copy under another security context holds the name: that is a copy too.
    previous_ = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
}

std::optional<platform::RunningCopyAnswer> Win32Instance::HandToRunningCopy(std::wstring_view payload)
{
    // A copy that has only just started may not have made its window yet.
    HWND running = nullptr;
    for (int attempt = 0; attempt < 50 && !running; ++attempt)
    {
        running = ::FindWindowW(kMainWindowClass, nullptr);
        if (!running)
        {
            ::Sleep(100);
        }
    }
    if (!running)
    {
        return std::nullopt;
    }
    platform::RunningCopyAnswer answer;
    const UniqueHwnd answerWindow = MakeAnswerWindow(answer.text);
    COPYDATASTRUCT data{};
    data.dwData = kCommandLineCopyData;
    data.cbData = static_cast<DWORD>(payload.size() * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(payload.data());
    DWORD_PTR code = 0;
    // A running copy that is merely busy answers within moments; a hung one must not hold this one for good.
    // Waiting here, this thread still takes the text the running copy sends back to its answer window.
    if (!::SendMessageTimeoutW(running, WM_COPYDATA, reinterpret_cast<WPARAM>(answerWindow.get()),
                               reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &code))
    {
        return std::nullopt;
    }
    answer.exitCode = static_cast<int>(code);
    return answer;
}

} // namespace dorvik::win32
