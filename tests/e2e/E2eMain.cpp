// The end-to-end driver's entry point.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "support/Paths.h"

namespace
{

// A forced end of the Wine session (wineboot --kill) ends the driver with exit code 0 as well, which would
// pass for success; so the driver writes "started" into a file as it begins and its result once the run is
// finished, and the session wrapper trusts nothing else. A file that was never written tells the wrapper
// that Wine did not start the driver at all.
void WriteRunState(const std::string& state)
{
    const std::wstring path =
        dorvik::e2e::WindowsPathFromUnix(dorvik::e2e::EnvironmentVariable(L"DORVIK_E2E_RESULT_FILE"));
    if (!path.empty())
    {
        std::ofstream(std::filesystem::path(path)) << state << '\n';
    }
}

} // namespace

int main(int argc, char** argv)
{
    // A crash of the driver must end the test, not wait for someone to close an error dialog.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    WriteRunState("started");
    // Failure messages quote Turkish texts in UTF-8.
    ::SetConsoleOutputCP(CP_UTF8);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    WriteRunState(std::to_string(result));
    return result;
}
