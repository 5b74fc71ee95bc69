#include "support/CommandLine.h"

#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Paths.h"
#include "support/Text.h"

namespace dorvik::e2e
{

namespace
{

// Reads what the pipe holds now, without waiting for more.
void ReadAvailable(HANDLE pipe, std::string& into)
{
    DWORD available = 0;
    while (::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0)
    {
        std::string chunk(available, '\0');
        DWORD read = 0;
        if (!::ReadFile(pipe, chunk.data(), available, &read, nullptr) || read == 0)
        {
            return;
        }
        into.append(chunk.data(), read);
    }
}

} // namespace

CommandRun RunDorvik(std::wstring_view arguments, Milliseconds timeout)
{
    return RunProgram(ProgramPath(), arguments, timeout);
}

CommandRun RunProgram(const std::wstring& path, std::wstring_view arguments, Milliseconds timeout)
{
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
    {
        throw std::runtime_error("CreatePipe failed: " + LastErrorText());
    }
    const win32::UniqueHandle reader(readEnd);
    win32::UniqueHandle writer(writeEnd);
    // Only the child's end is inherited, or the pipe would never report its end.
    ::SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

    StartOptions options;
    options.arguments = arguments;
    options.standardOutput = writer.get();
    ChildProcess process = ChildProcess::Start(path, options);
    writer.reset();

    std::string bytes;
    WaitUntil(
        [&] {
            ReadAvailable(reader.get(), bytes);
            return !process.IsRunning();
        },
        timeout);
    ReadAvailable(reader.get(), bytes);
    CommandRun run{process.ExitCode(), Utf16(bytes)};
    process.Kill();
    return run;
}

ChildProcess TheRunningCopy()
{
    const std::vector<unsigned long> copies = ProcessIdsByName(L"dorvik.exe");
    if (copies.size() != 1)
    {
        throw std::runtime_error(std::to_string(copies.size()) + " copies of dorvik.exe run, not one");
    }
    return ChildProcess::Attach(copies.front());
}

} // namespace dorvik::e2e
