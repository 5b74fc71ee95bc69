// Takes the place of wineboot.exe in a test's throwaway Wine prefix. Wine's ExitWindowsEx does nothing but
// start wineboot with switches that name the kind of closing (--end-session, --kill, --shutdown); this stub
// appends that command line to the file named by %EXITWIN_LOG% and ends nothing, so a test can see the
// request and its kind while the session lives on. Every other call (the session's start-up) is handed to
// the real wineboot, renamed wineboot-real.exe beside this file.
#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "stub/StubLog.h"

namespace
{

using namespace dorvik::e2e;

bool IsClosingRequest(std::wstring_view commandLine) noexcept
{
    for (const std::wstring_view closingSwitch : {L"--end-session", L"--kill", L"--shutdown"})
    {
        for (size_t at = commandLine.find(closingSwitch); at != std::wstring_view::npos;
             at = commandLine.find(closingSwitch, at + 1))
        {
            const size_t after = at + closingSwitch.size();
            const bool startsWord = at == 0 || commandLine[at - 1] == L' ';
            const bool endsWord = after == commandLine.size() || commandLine[after] == L' ';
            if (startsWord && endsWord)
            {
                return true;
            }
        }
    }
    return false;
}

int Record(std::wstring_view commandLine)
{
    return stub::AppendLine(L"EXITWIN_LOG", L"C:\\exitwin.log", commandLine) ? 0 : 1;
}

// The command line without the program's own name, as typed after it.
std::wstring_view Arguments(std::wstring_view commandLine) noexcept
{
    size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == L'"')
    {
        const size_t closing = commandLine.find(L'"', 1);
        at = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    }
    else
    {
        at = std::min(commandLine.find(L' '), commandLine.size());
    }
    while (at < commandLine.size() && commandLine[at] == L' ')
    {
        ++at;
    }
    return commandLine.substr(at);
}

int Forward(std::wstring_view commandLine)
{
    wchar_t self[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring real(self, length);
    real.resize(real.find_last_of(L'\\') + 1);
    real += L"wineboot-real.exe";
    std::wstring forwarded = L"\"" + real + L"\"";
    const std::wstring_view arguments = Arguments(commandLine);
    if (!arguments.empty())
    {
        forwarded += L" ";
        forwarded += arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(real.c_str(), forwarded.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
    {
        return 1;
    }
    ::CloseHandle(info.hThread);
    ::WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(info.hProcess, &code);
    ::CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring_view commandLine = ::GetCommandLineW();
    return IsClosingRequest(Arguments(commandLine)) ? Record(commandLine) : Forward(commandLine);
}
