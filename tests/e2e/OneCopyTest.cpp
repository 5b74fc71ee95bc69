// A request always reaches the copy that holds the program's place, whatever other copies are doing: one that
// is only starting and shows its "already running" box, or one that only asked and shows its answer.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/CommandLine.h"
#include "support/DorvikApp.h"
#include "support/MessageBoxes.h"
#include "support/Scheduling.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

TEST(OneCopy, DurumAndIptalReachTheArmedCopyWhileASecondStartShowsItsBox)
{
    DorvikApp app = DorvikApp::Start();
    ASSERT_EQ(RunDorvik(L"/sonra 60").exitCode, 0u);
    ASSERT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }));
    ChildProcess second = DorvikApp::StartProcess();
    const auto box = WaitForMessageBox(second.Pid(), kStartTimeout);
    ASSERT_TRUE(box) << "the second start showed no box";
    ASSERT_EQ(box->Text(), L"The program is already running...");

    const CommandRun status = RunDorvik(L"/durum");
    EXPECT_EQ(status.exitCode, 0u) << Utf8(status.printed);
    EXPECT_TRUE(status.printed.starts_with(L"Kapatma ")) << Utf8(status.printed);
    const CommandRun cancelled = RunDorvik(L"/iptal");
    EXPECT_EQ(cancelled.exitCode, 0u) << Utf8(cancelled.printed);
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Green); })) << "the closing stayed armed";

    box->Answer(IDOK);
    EXPECT_TRUE(second.WaitForExit().has_value());
    EXPECT_TRUE(app.Process().IsRunning());
}

// Started from a desktop shortcut, "/durum" has no console and answers in a box; meanwhile the program
// opens its window as always and a script arms.
TEST(OneCopy, AnAnswerShownInABoxKeepsNoStartFromTheWindow)
{
    StartOptions shortcut;
    shortcut.arguments = L"/durum";
    shortcut.detached = true;
    ChildProcess asker = DorvikApp::StartProcess(shortcut);
    const auto answer = WaitForMessageBox(asker.Pid(), kStartTimeout);
    ASSERT_TRUE(answer) << "no box with the answer";
    EXPECT_EQ(answer->Text(), L"Kurulu kapama yok.");

    DorvikApp app = DorvikApp::Start();
    EXPECT_TRUE(FindMessageBoxes(app.Process().Pid()).empty()) << "the window's start found another copy";
    const CommandRun armed = RunDorvik(L"/sonra 30");
    EXPECT_EQ(armed.exitCode, 0u) << Utf8(armed.printed);
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }));

    answer->Answer(IDOK);
    EXPECT_EQ(asker.WaitForExit(), 2u);
}

} // namespace
} // namespace dorvik::e2e
