// The records a closing leaves in the Application log, as Wine's event log channel shows them: Wine keeps no
// log of its own, but writes each string given to ReportEventW (letters beyond ASCII as \XXXX), after the
// line of the call that names its event.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/CommandLine.h"
#include "support/DorvikApp.h"
#include "support/Paths.h"
#include "support/WinebootStub.h"

namespace dorvik::e2e
{
namespace
{

// The ReportEventW lines of the session's debug log: each call's line, then its strings.
std::vector<std::string> EventLogLines()
{
    std::vector<std::string> lines;
    std::ifstream log{std::filesystem::path(EnvironmentVariable(L"DORVIK_E2E_WINE_DEBUG_LOG"))};
    std::string line;
    while (std::getline(log, line))
    {
        if (line.find("ReportEventW") != std::string::npos)
        {
            lines.push_back(line);
        }
    }
    return lines;
}

// Whether the log holds a call for the event, followed at once by its first string.
bool Recorded(const std::vector<std::string>& lines, const char* eventId, const char* firstString)
{
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
    {
        if (lines[i].find(std::string(",") + eventId + ",") != std::string::npos &&
            lines[i + 1].find(firstString) != std::string::npos)
        {
            return true;
        }
    }
    return false;
}

TEST(EventLogWinebootStub, ArmingAndTheClosingRequestLeaveTheirRecords)
{
    ASSERT_TRUE(WinebootStubActive());
    DorvikApp app = DorvikApp::Start();
    ASSERT_EQ(RunDorvik(L"/yeniden /hemen").exitCode, 0u);
    ASSERT_TRUE(WaitUntil([] { return !WinebootStubCalls().empty(); }, Milliseconds(20'000)));

    const std::vector<std::string> lines = EventLogLines();
    std::string all;
    for (const std::string& line : lines)
    {
        all += line + "\n";
    }
    EXPECT_TRUE(Recorded(lines, "0x00000001", "L\"Yeniden ba\\015flatma\"")) << "no record of the arming:\n"
                                                                             << all;
    EXPECT_NE(all.find("L\"komut sat\\0131r\\0131\""), std::string::npos) << "armed from where?\n" << all;
    EXPECT_TRUE(Recorded(lines, "0x00000004", "L\"Yeniden ba\\015flatma\"")) << "no record of the request:\n"
                                                                             << all;
}

} // namespace
} // namespace dorvik::e2e
