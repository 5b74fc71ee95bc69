// Reading what the recording stubs wrote down.
#include "support/WinebootStub.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/Paths.h"
#include "support/Text.h"

namespace dorvik::e2e
{

bool WinebootStubActive()
{
    return EnvironmentVariable(L"DORVIK_E2E_WINEBOOT_STUB_ACTIVE") == L"1";
}

namespace
{

// The lines of the log a stub keeps in the file the variable names.
std::vector<std::wstring> RecordedLines(const wchar_t* logVariable)
{
    std::vector<std::wstring> calls;
    const std::wstring path = EnvironmentVariable(logVariable);
    if (path.empty())
    {
        return calls;
    }
    std::ifstream in{std::filesystem::path(path)};
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        if (!line.empty())
        {
            calls.push_back(Utf16(line));
        }
    }
    return calls;
}

} // namespace

std::vector<std::wstring> WinebootStubCalls()
{
    return RecordedLines(L"EXITWIN_LOG");
}

bool PowrprofStubActive()
{
    return EnvironmentVariable(L"DORVIK_E2E_POWRPROF_STUB_ACTIVE") == L"1";
}

std::vector<std::wstring> PowrprofStubCalls()
{
    return RecordedLines(L"POWRPROF_LOG");
}

bool HasSwitch(const std::wstring& commandLine, std::wstring_view closingSwitch)
{
    std::wistringstream words(commandLine);
    std::wstring word;
    while (words >> word)
    {
        if (word == closingSwitch)
        {
            return true;
        }
    }
    return false;
}

} // namespace dorvik::e2e
