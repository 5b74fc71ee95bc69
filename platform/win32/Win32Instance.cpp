#include "platform/win32/Win32Instance.h"

#include "platform/win32/CommandLineHandOver.h"

namespace dorvik::win32
{

namespace
{

constexpr UINT kAnswerTimeoutMs = 10'000;

} // namespace

Win32Instance::Win32Instance(const wchar_t* mutexName) noexcept
{
    mutex_.reset(::CreateMutexW(nullptr, FALSE, mutexName));
    const DWORD error = ::GetLastError();
    // Access is denied when a copy under another security context holds the name: that is a copy too.
    previous_ = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
}

std::optional<int> Win32Instance::HandToRunningCopy(std::wstring_view payload)
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
    COPYDATASTRUCT data{};
    data.dwData = kCommandLineCopyData;
    data.cbData = static_cast<DWORD>(payload.size() * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(payload.data());
    DWORD_PTR answer = 0;
    // A running copy that is merely busy answers within moments; a hung one must not hold this one for good.
    if (!::SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               kAnswerTimeoutMs, &answer))
    {
        return std::nullopt;
    }
    return static_cast<int>(answer);
}

} // namespace dorvik::win32
