// A Windows process started by the driver: its handles, its end, its exit code and the processor time it
// used. The process is killed when the object goes, so a failing test leaves nothing running.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/Handles.h"
#include "support/Wait.h"

namespace dorvik::e2e
{

struct StartOptions
{
    // Appended to the quoted program path, as typed after it on a command line.
    std::wstring arguments;
    // Added to (or replacing) the driver's own environment. Under Wine, WINEDLLOVERRIDES does not reach the
    // child this way: Wine reads it from the Unix environment of the parent, so set it for the driver.
    std::vector<std::pair<std::wstring, std::wstring>> environment;
    std::wstring workingFolder;
    // An inheritable handle that becomes the child's standard output and error (a pipe's end, say).
    HANDLE standardOutput = nullptr;
    // Without a console to inherit and without standard handles, as a desktop shortcut starts a program.
    bool detached = false;
};

class ChildProcess
{
public:
    // Throws std::runtime_error when the program cannot be started.
    static ChildProcess Start(const std::wstring& path, const StartOptions& options = {});
    // Takes charge of a running process the driver did not start itself (one that a program under test
    // started), so that it too ends with the object. Throws std::runtime_error when it cannot be opened.
    static ChildProcess Attach(unsigned long pid);

    ChildProcess(ChildProcess&&) noexcept = default;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    unsigned long Pid() const noexcept { return pid_; }

    unsigned long MainThreadId() const noexcept { return threadId_; }

    HANDLE Handle() const noexcept { return process_.get(); }

    bool IsRunning() const noexcept;

    // The exit code once the process has ended within timeout, otherwise nothing.
    std::optional<unsigned long> WaitForExit(Milliseconds timeout = kUiTimeout);

    // The exit code, or nothing while the process runs.
    std::optional<unsigned long> ExitCode() const noexcept;

    // Ends the process at once (exit code 1) and waits until it is gone.
    void Kill() noexcept;

    // User plus kernel time used so far (or in total, once the process has ended).
    std::chrono::nanoseconds ProcessorTime() const;

private:
    ChildProcess(win32::UniqueHandle process, unsigned long pid, unsigned long threadId) noexcept;

    win32::UniqueHandle process_;
    unsigned long pid_ = 0;
    unsigned long threadId_ = 0;
};

// Every thread of a process held still, as Windows holds a desktop program in modern standby, until Resume()
// or the object's end; the process's clocks run on meanwhile.
class SuspendedThreads
{
public:
    // Throws std::runtime_error when no thread of the process could be suspended.
    explicit SuspendedThreads(unsigned long pid);
    SuspendedThreads(const SuspendedThreads&) = delete;
    SuspendedThreads& operator=(const SuspendedThreads&) = delete;

    ~SuspendedThreads() { Resume(); }

    void Resume() noexcept;

private:
    std::vector<win32::UniqueHandle> threads_;
};

// The ids of the running processes whose executable file is fileName (such as L"dorvik.exe"), compared
// without regard to case.
std::vector<unsigned long> ProcessIdsByName(std::wstring_view fileName);

} // namespace dorvik::e2e
