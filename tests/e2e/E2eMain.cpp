// The end-to-end driver's entry point.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "support/Paths.h"

namespace
{

// A forced end of the Wine session (wineboot --kill) ends the driver with exit code 0 as well, which would
// pass for success; so the driver leaves its result in a file that only a finished run writes, and the
// session wrapper trusts nothing else.
void ReportFinished(int result)
{
    const std::wstring path =
        dorvik::e2e::WindowsPathFromUnix(dorvik::e2e::EnvironmentVariable(L"DORVIK_E2E_RESULT_FILE"));
    if (!path.empty())
    {
        std::ofstream(std::filesystem::path(path)) << result << '\n';
    }
}

} // namespace

int main(int argc, char** argv)
{
    // A crash of the driver must end the test, not wait for someone to close an error dialog.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    // Failure messages quote Turkish texts in UTF-8.
    ::SetConsoleOutputCP(CP_UTF8);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ReportFinished(result);
    return result;
}
