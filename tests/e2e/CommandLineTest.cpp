// The command line as scripts use it: a fresh start that arms, a request handed to the copy already running,
// a cancel, and the exit codes of a usage error and of a window that is not there.
#include "support/CommandLine.h"

#include <windows.h>

#include <chrono>
#include <gtest/gtest.h>

#include "resources/UiText.h"
#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/NotificationArea.h"
#include "support/Scheduling.h"
#include "support/Text.h"
#include "support/WinebootStub.h"

namespace dorvik::e2e
{
namespace
{

// The time as typed after /saat.
std::wstring Typed(const ClockTime& time)
{
    return TwoDigits(time.hour) + L":" + TwoDigits(time.minute) + L":" + TwoDigits(time.second);
}

// A script, a shortcut or a Task Scheduler task that arms ends with its answer; the closing waits in a copy
// of its own, which the task's end cannot take with it.
TEST(CommandLineWinebootStub, FreshStartWithYenidenSaatEndsAtOnceAndTheCopyItStartedRestartsOnTime)
{
    ASSERT_TRUE(WinebootStubActive());
    const ClockTime target = ClockTimeIn(10);
    const auto asked = std::chrono::steady_clock::now();
    const CommandRun run = RunDorvik(L"/yeniden /saat " + Typed(target));
    EXPECT_EQ(run.exitCode, 0u) << Utf8(run.printed);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(5)) << "the caller was held up";

    ChildProcess waiting = TheRunningCopy();
    const Window main = WaitForTopLevelWindow(kMainWindowTitle, waiting.Pid());
    ASSERT_TRUE(main);
    EXPECT_FALSE(main.IsVisible()) << "armed from the start, the window goes to the notification area";
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }));
    ASSERT_TRUE(waiting.WaitForExit(Milliseconds(30'000))) << "the closing did not end the program";

    // The request starts wineboot, which records it a moment later.
    ASSERT_TRUE(WaitUntil([] { return !WinebootStubCalls().empty(); })) << "no closing was requested";
    EXPECT_LE(SecondsFrom(target, ClockTimeIn(0)), 7) << "the closing began late";
    const auto calls = WinebootStubCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(HasSwitch(calls[0], L"--kill")) << Utf8(calls[0]);
    EXPECT_FALSE(HasSwitch(calls[0], L"--shutdown")) << "a shutdown, not a restart: " << Utf8(calls[0]);
}

TEST(CommandLineWinebootStub, SaatHandedToTheRunningCopyArmsItAsTheWindowWouldAndItClosesOnTime)
{
    ASSERT_TRUE(WinebootStubActive());
    DorvikApp app = DorvikApp::Start();
    const ClockTime target = ClockTimeIn(12);

    const CommandRun handed = RunDorvik(L"/saat " + Typed(target));
    EXPECT_EQ(handed.exitCode, 0u) << Utf8(handed.printed);
    EXPECT_TRUE(handed.printed.empty()) << Utf8(handed.printed);

    EXPECT_TRUE(WaitUntil([&] { return !app.Main().IsVisible(); })) << "the window stayed";
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); })) << "no yellow icon";
    EXPECT_EQ(app.Control(Saat(0)).Text(), TwoDigits(target.hour));
    EXPECT_EQ(app.Control(Saat(1)).Text(), TwoDigits(target.minute));
    EXPECT_EQ(app.Control(Saat(2)).Text(), TwoDigits(target.second));
    EXPECT_TRUE(IsChecked(app.Control(OptHizli(4)))) << "\"Saati Belirle\" is the moment";
    EXPECT_TRUE(IsMarked(app, MenuItem::SaateGore));
    EXPECT_EQ(MarkedKinds(app), std::vector<MenuItem>{MenuItem::BilgisayariKapat});

    ASSERT_TRUE(WaitUntil([&] { return ClosingHasBegun(app); }, Milliseconds(20'000)));
    EXPECT_LE(SecondsFrom(target, ClockTimeIn(0)), 1) << "the closing began late";
    EXPECT_TRUE(WaitUntil([] { return WinebootStubCalls().size() == 1; }, Milliseconds(10'000)));
    EXPECT_TRUE(HasSwitch(WinebootStubCalls().front(), L"--shutdown"));
}

TEST(CommandLine, IptalCancelsTheClosingOfTheRunningCopyAndThenFindsNothingToCancel)
{
    DorvikApp app = DorvikApp::Start();
    ASSERT_EQ(RunDorvik(L"/sonra 60").exitCode, 0u);
    ASSERT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }));

    const CommandRun cancelled = RunDorvik(L"/iptal");
    EXPECT_EQ(cancelled.exitCode, 0u) << Utf8(cancelled.printed);
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Green); })) << "the icon did not turn green";
    EXPECT_FALSE(app.Main().IsVisible());

    const CommandRun again = RunDorvik(L"-A");
    EXPECT_EQ(again.exitCode, 2u);
    EXPECT_NE(again.printed.find(text::kCommandNothingToCancel), std::wstring::npos) << Utf8(again.printed);
}

TEST(CommandLine, DurumPrintsWhenTheRunningCopysClosingComesAndChangesNothing)
{
    DorvikApp app = DorvikApp::Start();
    const CommandRun nothing = RunDorvik(L"/durum");
    EXPECT_EQ(nothing.exitCode, 2u);
    EXPECT_NE(nothing.printed.find(L"Kurulu kapama yok."), std::wstring::npos) << Utf8(nothing.printed);

    const ClockTime target = ClockTimeIn(3 * 3600 + 600);
    ASSERT_EQ(RunDorvik(L"/yeniden /saat " + Typed(target)).exitCode, 0u);
    ASSERT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }));

    const CommandRun status = RunDorvik(L"/durum");
    EXPECT_EQ(status.exitCode, 0u) << Utf8(status.printed);
    const std::wstring line = L"Yeniden başlatma " + Typed(target) + L" (3 sa ";
    EXPECT_TRUE(status.printed.starts_with(line)) << Utf8(status.printed);
    EXPECT_NE(status.printed.find(L" dk kaldı)"), std::wstring::npos) << Utf8(status.printed);
    EXPECT_TRUE(TaskbarShows(ProgramIcon::Yellow));
    EXPECT_FALSE(app.Main().IsVisible());
}

TEST(CommandLine, UsageErrorReturnsOneAndLeavesTheRunningCopyUntouched)
{
    DorvikApp app = DorvikApp::Start();

    const CommandRun refused = RunDorvik(L"/saat 25:00");

    EXPECT_EQ(refused.exitCode, 1u);
    EXPECT_NE(refused.printed.find(L"'25:00'"), std::wstring::npos) << Utf8(refused.printed);
    EXPECT_TRUE(app.Main().IsVisible());
    EXPECT_TRUE(IsChecked(app.Control(OptHizli(0))));
    EXPECT_FALSE(NotificationAreaShown()) << "something was armed";
}

TEST(CommandLine, ProgramWithATitleNoWindowHasReturnsThreeAndArmsNothing)
{
    const CommandRun refused = RunDorvik(L"/program \"Olmayan Pencere\"");

    EXPECT_EQ(refused.exitCode, 3u);
    EXPECT_NE(refused.printed.find(L"'Olmayan Pencere'"), std::wstring::npos) << Utf8(refused.printed);
    EXPECT_FALSE(NotificationAreaShown());
    EXPECT_TRUE(ProcessIdsByName(L"dorvik.exe").empty()) << "a copy stayed behind";
}

} // namespace
} // namespace dorvik::e2e
