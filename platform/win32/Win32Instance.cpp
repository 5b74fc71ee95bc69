#include "platform/win32/Win32Instance.h"

#include <algorithm>
#include <string>

#include "platform/RunningCopy.h"
#include "platform/win32/CommandLineHandOver.h"

namespace dorvik::win32
{

namespace
{

constexpr UINT kAnswerTimeoutMs = 10'000;
// A copy started a moment ago makes itself known within a second or two.
constexpr ULONGLONG kStartingCopyMs = 5'000;
// The waiting copy ends itself 15 s after its window exists when nobody hands it a request; this bounds only
// a copy that hangs before that.
constexpr ULONGLONG kWaitingCopyMs = 30'000;
constexpr DWORD kLookAgainMs = 50;

// The text a question's answer brings, and the one window it may come from.
struct AnswerMailbox
{
    std::wstring* text;
    HWND from;
};

// Keeps the text that the running copy sends back, bounded, in the mailbox the window was made with; a text
// from any other window is refused, so that another copy's or program's message is never printed as the
// answer.
LRESULT CALLBACK AnswerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE)
    {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    else if (message == WM_COPYDATA)
    {
        const auto* mailbox =
            reinterpret_cast<const AnswerMailbox*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (mailbox && reinterpret_cast<HWND>(wParam) == mailbox->from && data &&
            data->dwData == kAnswerCopyData && data->lpData)
        {
            const std::size_t chars = std::min<std::size_t>(data->cbData / sizeof(wchar_t), kMaxAnswerChars);
            mailbox->text->assign(static_cast<const wchar_t*>(data->lpData), chars);
            return TRUE;
        }
        return FALSE;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

UniqueHwnd MakeAnswerWindow(AnswerMailbox& mailbox)
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
                                   instance, &mailbox));
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

// What the copy holding the place published, and whether its window is still that copy's. Access is denied
// when a copy under another security context (run as administrator) published it.
struct PublicationRead
{
    platform::RunningCopySeen seen;
    bool accessDenied = false;
};

PublicationRead ReadPublication(const std::wstring& mappingName)
{
    PublicationRead read;
    const UniqueHandle mapping(::OpenFileMappingW(FILE_MAP_READ, FALSE, mappingName.c_str()));
    if (!mapping)
    {
        read.accessDenied = ::GetLastError() == ERROR_ACCESS_DENIED;
        return read;
    }
    const void* view = ::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(platform::Publication));
    if (!view)
    {
        return read;
    }
    const auto* shared = static_cast<const volatile platform::Publication*>(view);
    platform::Publication publication;
    // The version first: it is written last.
    publication.version = shared->version;
    publication.processId = shared->processId;
    publication.window = shared->window;
    ::UnmapViewOfFile(view);
    read.seen.publication = publication;
    const HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(publication.window));
    DWORD owner = 0;
    if (window && ::IsWindow(window) && ::GetWindowThreadProcessId(window, &owner) != 0)
    {
        read.seen.windowOwner = owner;
    }
    return read;
}

} // namespace

Win32Instance::Win32Instance(const wchar_t* mutexName)
    : mutexName_(mutexName)
    , mappingName_(mutexName_ + L".Window")
{
}

void Win32Instance::TakePlace()
{
    mutex_.reset(::CreateMutexW(nullptr, FALSE, mutexName_.c_str()));
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

bool Win32Instance::RunningCopyExists() const
{
    const UniqueHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, mutexName_.c_str()));
    return mutex || ::GetLastError() == ERROR_ACCESS_DENIED;
}

void Win32Instance::LetGo()
{
    publication_.reset();
    mutex_.reset();
}

void Win32Instance::Publish(HWND mainWindow)
{
    // Only the copy that holds the place speaks for the program.
    if (!mutex_)
    {
        return;
    }
    publication_ = AdoptHandle(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                    sizeof(platform::Publication), mappingName_.c_str()));
    if (!publication_)
    {
        return;
    }
    void* view = ::MapViewOfFile(publication_.get(), FILE_MAP_WRITE, 0, 0, sizeof(platform::Publication));
    if (!view)
    {
        publication_.reset();
        return;
    }
    auto* shared = static_cast<volatile platform::Publication*>(view);
    shared->window = reinterpret_cast<std::uintptr_t>(mainWindow);
    shared->processId = ::GetCurrentProcessId();
    // A full barrier: whoever reads the version reads the window and the process with it.
    ::InterlockedExchange(reinterpret_cast<volatile LONG*>(&shared->version),
                          static_cast<LONG>(platform::kPublicationVersion));
    ::UnmapViewOfFile(view);
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
        TakePlace();
        return false;
    }
    ::CloseHandle(process.hThread);
    waitingCopy_ = AdoptHandle(process.hProcess);
    return true;
}

bool Win32Instance::WaitingCopyAlive() const
{
    return waitingCopy_ && ::WaitForSingleObject(waitingCopy_.get(), 0) == WAIT_TIMEOUT;
}

HWND Win32Instance::FindRunningCopy(ULONGLONG deadline) const
{
    for (;;)
    {
        PublicationRead read = ReadPublication(mappingName_);
        if (read.accessDenied)
        {
            SetLastError(ERROR_ACCESS_DENIED);
            return nullptr;
        }
        read.seen.placeHeld = RunningCopyExists();
        read.seen.waitingCopyAlive = WaitingCopyAlive();
        switch (platform::NextLookupStep(read.seen))
        {
        case platform::LookupStep::HandOver:
            return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(read.seen.publication->window));
        case platform::LookupStep::NoCopy:
            SetLastError(ERROR_NOT_FOUND);
            return nullptr;
        case platform::LookupStep::KeepLooking:
            break;
        }
        if (::GetTickCount64() >= deadline)
        {
            SetLastError(ERROR_TIMEOUT);
            return nullptr;
        }
        ::Sleep(kLookAgainMs);
    }
}

platform::RunningCopyAnswer Win32Instance::HandToRunningCopy(std::wstring_view payload)
{
    using platform::HandOver;
    platform::RunningCopyAnswer answer;
    // The copy this one started is waited for as long as it runs: a slow log-on must not turn a good arming
    // into a refusal.
    const HWND running =
        FindRunningCopy(::GetTickCount64() + (waitingCopy_ ? kWaitingCopyMs : kStartingCopyMs));
    if (!running)
    {
        // A copy run as administrator keeps its publication from one that is not.
        answer.handOver = ::GetLastError() == ERROR_ACCESS_DENIED ? HandOver::NoRights : HandOver::NotFound;
        return answer;
    }
    AnswerMailbox mailbox{&answer.text, running};
    const UniqueHwnd answerWindow = MakeAnswerWindow(mailbox);
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
        const DWORD error = ::GetLastError();
        // A copy run as administrator takes no message from one that is not (User Interface Privilege
        // Isolation); Windows says so with ERROR_ACCESS_DENIED. A window gone before the message reached it
        // took nothing; any other failure may have come after the copy took the request.
        answer.handOver = error == ERROR_ACCESS_DENIED           ? HandOver::NoRights
                          : error == ERROR_INVALID_WINDOW_HANDLE ? HandOver::NotFound
                                                                 : HandOver::NoAnswer;
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
