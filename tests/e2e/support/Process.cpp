// Starting and ending the processes of a test.
#include "support/Process.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <tlhelp32.h>

#include "support/Text.h"

namespace dorvik::e2e
{

namespace
{

struct CaseInsensitiveLess
{
    bool operator()(const std::wstring& a, const std::wstring& b) const noexcept
    {
        return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                      static_cast<int>(b.size()), TRUE) == CSTR_LESS_THAN;
    }
};

// The driver's environment with the given variables added or replaced, as the sorted, doubly terminated
// block CreateProcessW takes.
std::wstring EnvironmentBlock(const std::vector<std::pair<std::wstring, std::wstring>>& overrides)
{
    std::map<std::wstring, std::wstring, CaseInsensitiveLess> variables;
    if (wchar_t* strings = ::GetEnvironmentStringsW())
    {
        for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1)
        {
            const std::wstring_view text(entry);
            // Entries such as "=C:=C:\\" name drives; their name starts after the first character.
            const auto equals = text.find(L'=', 1);
            if (equals != std::wstring_view::npos)
            {
                variables[std::wstring(text.substr(0, equals))] = std::wstring(text.substr(equals + 1));
            }
        }
        ::FreeEnvironmentStringsW(strings);
    }
    for (const auto& [name, value] : overrides)
    {
        variables[name] = value;
    }
    std::wstring block;
    for (const auto& [name, value] : variables)
    {
        block += name;
        block += L'=';
        block += value;
        block += L'\0';
    }
    block += L'\0';
    return block;
}

} // namespace

ChildProcess ChildProcess::Start(const std::wstring& path, const StartOptions& options)
{
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!options.arguments.empty())
    {
        commandLine += L" " + options.arguments;
    }
    std::wstring environment;
    if (!options.environment.empty())
    {
        environment = EnvironmentBlock(options.environment);
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (options.standardOutput)
    {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = options.standardOutput;
        startup.hStdError = options.standardOutput;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    }
    PROCESS_INFORMATION info{};
    BOOL started = FALSE;
    DWORD error = ERROR_SUCCESS;
    // Under load Wine has been seen to fail a start once with ERROR_INTERNAL_ERROR; the retry succeeds.
    for (int attempt = 0; attempt < 2 && !started; ++attempt)
    {
        started = ::CreateProcessW(
            path.c_str(), commandLine.data(), nullptr, nullptr, options.standardOutput ? TRUE : FALSE,
            CREATE_UNICODE_ENVIRONMENT | (options.detached ? DETACHED_PROCESS : 0),
            environment.empty() ? nullptr : environment.data(),
            options.workingFolder.empty() ? nullptr : options.workingFolder.c_str(), &startup, &info);
        error = started ? ERROR_SUCCESS : ::GetLastError();
        if (error != ERROR_INTERNAL_ERROR)
        {
            break;
        }
    }
    if (!started)
    {
        throw std::runtime_error("cannot start " + Utf8(path) + ": error " + ErrorText(error));
    }
    win32::UniqueHandle thread(info.hThread);
    return ChildProcess(win32::UniqueHandle(info.hProcess), info.dwProcessId, info.dwThreadId);
}

ChildProcess::ChildProcess(win32::UniqueHandle process, unsigned long pid, unsigned long threadId) noexcept
    : process_(std::move(process))
    , pid_(pid)
    , threadId_(threadId)
{
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept
{
    if (this != &other)
    {
        Kill();
        process_ = std::move(other.process_);
        pid_ = std::exchange(other.pid_, 0);
        threadId_ = std::exchange(other.threadId_, 0);
    }
    return *this;
}

ChildProcess ChildProcess::Attach(unsigned long pid)
{
    win32::UniqueHandle process(
        ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process)
    {
        throw std::runtime_error("cannot open process " + std::to_string(pid));
    }
    return ChildProcess(std::move(process), pid, 0);
}

ChildProcess::~ChildProcess()
{
    Kill();
}

bool ChildProcess::IsRunning() const noexcept
{
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<unsigned long> ChildProcess::WaitForExit(Milliseconds timeout)
{
    if (!process_)
    {
        return std::nullopt;
    }
    WaitUntil([this] { return !IsRunning(); }, timeout);
    return ExitCode();
}

std::optional<unsigned long> ChildProcess::ExitCode() const noexcept
{
    DWORD code = 0;
    if (!process_ || IsRunning() || !::GetExitCodeProcess(process_.get(), &code))
    {
        return std::nullopt;
    }
    return code;
}

void ChildProcess::Kill() noexcept
{
    if (IsRunning())
    {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

std::chrono::nanoseconds ChildProcess::ProcessorTime() const
{
    FILETIME creation{}, exit{}, kernel{}, user{};
    if (!process_ || !::GetProcessTimes(process_.get(), &creation, &exit, &kernel, &user))
    {
        throw std::runtime_error("GetProcessTimes failed: " + LastErrorText());
    }
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    // FILETIME counts 100-nanosecond intervals.
    return std::chrono::nanoseconds(static_cast<long long>((ticks(kernel) + ticks(user)) * 100));
}

SuspendedThreads::SuspendedThreads(unsigned long pid)
{
    const win32::UniqueHandle snapshot = win32::AdoptHandle(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = snapshot && ::Thread32First(snapshot.get(), &entry); more;
         more = ::Thread32Next(snapshot.get(), &entry))
    {
        if (entry.th32OwnerProcessID != pid)
        {
            continue;
        }
        win32::UniqueHandle thread(::OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID));
        if (thread && ::SuspendThread(thread.get()) != static_cast<DWORD>(-1))
        {
            threads_.push_back(std::move(thread));
        }
    }
    if (threads_.empty())
    {
        throw std::runtime_error("no thread of process " + std::to_string(pid) + " could be suspended");
    }
}

void SuspendedThreads::Resume() noexcept
{
    for (const win32::UniqueHandle& thread : threads_)
    {
        ::ResumeThread(thread.get());
    }
    threads_.clear();
}

std::vector<unsigned long> ProcessIdsByName(std::wstring_view fileName)
{
    std::vector<unsigned long> ids;
    const win32::UniqueHandle snapshot =
        win32::AdoptHandle(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
    {
        return ids;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry))
    {
        const std::wstring_view name(entry.szExeFile);
        if (::CompareStringOrdinal(name.data(), static_cast<int>(name.size()), fileName.data(),
                                   static_cast<int>(fileName.size()), TRUE) == CSTR_EQUAL)
        {
            ids.push_back(entry.th32ProcessID);
        }
    }
    return ids;
}

} // namespace dorvik::e2e
