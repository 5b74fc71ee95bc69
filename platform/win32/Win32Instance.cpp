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
    UniqueHwnd window;
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
    window.reset(::CreateWindowExW(0, kAnswerWindowClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   instance, &text));
    // Asked from a prompt run as administrator, the running copy is the lesser one: Windows would keep its
    // answer out unless this window lets it in.
    if (window)
    {
        ::ChangeWindowMessageFilterEx(window.get(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    }
    return window;
}

std::wstring ProgramPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
        {
            return {};
        }
        if (length < path.size())
        {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

Win32Instance::Win32Instance(const wchar_t* mutexName) noexcept
    : mutexName_(mutexName)
{
    TakeName();
}

void Win32Instance::TakeName() noexcept
{
    mutex_.reset(::CreateMutexW(nullptr, FALSE, mutexName_));
    const DWORD error = ::GetLastError();
    // Access is denied when a copy under another security context holds the name: that is a copy too.
    previous_ = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
    // A later copy only hands on its request or ends; holding the name as well would keep it alive for the
    // copy the running one starts to wait once it lets go.
    if (previous_)
    {
        mutex_.reset();
    }
}

bool Win32Instance::OnUsersDesktop() const
{
    return ProcessOnUsersDesktop();
}

bool ProcessOnUsersDesktop() noexcept
{
    // Session 0 holds the services since Windows Vista; no user works there.
    DWORD session = 0;
    if (::ProcessIdToSessionId(::GetCurrentProcessId(), &session) && session == 0)
    {
        return false;
    }
    // A task run "whether the user is logged on or not" gets a window station of its own that nobody sees.
    USEROBJECTFLAGS flags{};
    if (::GetUserObjectInformationW(::GetProcessWindowStation(), UOI_FLAGS, &flags, sizeof(flags), nullptr) &&
        (flags.dwFlags & WSF_VISIBLE) == 0)
    {
        return false;
    }
    return true;
}

bool Win32Instance::StartWaitingCopy()
{
    const std::wstring program = ProgramPath();
    if (program.empty())
    {
        return false;
    }
    // The switch the command line reads as "wait to be handed the request".
    std::wstring commandLine = L"\"" + program + L"\" /bekle";
    // Its own folder, not the caller's: a copy that waits for hours must not keep a folder from being
    // removed.
    const std::wstring folder = program.substr(0, program.find_last_of(L'\\') + 1);
    // The new copy is the one that runs: this one lets go of the name before the other takes it.
    mutex_.reset();
    previous_ = false;

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // bInheritHandles FALSE: a script reading this copy's output through a pipe sees its end when this copy
    // ends, not hours later when the waiting one does.
    const auto start = [&](DWORD flags) {
        return ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr,
                                folder.c_str(), &startup, &process) != FALSE;
    };
    constexpr DWORD kOnItsOwn = DETACHED_PROCESS;
    // The Task Scheduler ends a task's job when the task stops, so the copy leaves the job where the job lets
    // it. A job that does not refuses the breakaway with ERROR_ACCESS_DENIED; the copy then stays in it.
    bool started = start(kOnItsOwn | CREATE_BREAKAWAY_FROM_JOB);
    if (!started && ::GetLastError() == ERROR_ACCESS_DENIED)
    {
        started = start(kOnItsOwn);
    }
    if (!started)
    {
        // This copy waits itself, as it did before there was a waiting copy, unless another took the name.
        TakeName();
        return false;
    }
    ::CloseHandle(process.hThread);
    waitingCopy_ = AdoptHandle(process.hProcess);
    return true;
}

platform::RunningCopyAnswer Win32Instance::HandToRunningCopy(std::wstring_view payload)
{
    using platform::HandOver;
    // A copy that has only just started may not have made its window yet; one this copy started is given
    // longer, unless it failed. One that ended with 0 found another copy had taken over: that one answers.
    const ULONGLONG deadline = ::GetTickCount64() + (waitingCopy_ ? 10'000 : 5'000);
    const auto waitingCopyFailed = [this] {
        DWORD code = 0;
        return waitingCopy_ && ::WaitForSingleObject(waitingCopy_.get(), 0) == WAIT_OBJECT_0 &&
               ::GetExitCodeProcess(waitingCopy_.get(), &code) && code != 0;
    };
    HWND running = ::FindWindowW(kMainWindowClass, nullptr);
    while (!running && ::GetTickCount64() < deadline && !waitingCopyFailed())
    {
        ::Sleep(100);
        running = ::FindWindowW(kMainWindowClass, nullptr);
    }
    platform::RunningCopyAnswer answer;
    if (!running)
    {
        answer.handOver = HandOver::NoAnswer;
        return answer;
    }
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
        // A copy run as administrator takes no message from one that is not (User Interface Privilege
        // Isolation); Windows says so with ERROR_ACCESS_DENIED.
        answer.handOver = ::GetLastError() == ERROR_ACCESS_DENIED ? HandOver::NoRights : HandOver::NoAnswer;
        return answer;
    }
    answer.exitCode = static_cast<int>(code);
    return answer;
}

void Win32Instance::WaitForWaitingCopyToEnd()
{
    if (waitingCopy_)
    {
        ::WaitForSingleObject(waitingCopy_.get(), 5'000);
    }
}

} // namespace dorvik::win32
