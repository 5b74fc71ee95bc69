// Carrying out an armed closing: the red state and the five-second wait, during which the program keeps
// answering and a new kind still counts, the request to Windows for the kind that is marked, and the end
// of the program. The suite ClosingWinebootStub runs with the recording stub in place of wineboot.exe, so
// the request is written down instead of ending the session; LogOffRoad takes the real road once.
#include <chrono>
#include <gtest/gtest.h>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Bystander.h"
#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/MessageBoxes.h"
#include "support/Scheduling.h"
#include "support/Screen.h"
#include "support/Text.h"
#include "support/WinebootStub.h"

namespace dorvik::e2e
{
namespace
{

using Seconds = std::chrono::duration<double>;

constexpr std::wstring_view kSistemHazirlaniyor = L"Sistem hazırlanıyor...";

// "Hemen!" is three seconds on a clock read to the whole second, and the tick looks every half second, so
// the closing begins 2 to 3.5 s after Yes; then come five seconds of waiting. The upper bound leaves room
// for a slow machine; the timings are printed to compare.
constexpr Seconds kEarliestRequest{7.0};
constexpr Seconds kLatestRequest{20.0};
// The program waits five seconds; the test sees the wait begin a poll late.
constexpr Seconds kShortestWait{4.5};
// Waiting idle costs next to nothing, while polling without a pause would take a whole core. The figure
// is taken before the wait ends, as the request itself starts a process and costs far more.
constexpr Seconds kMeasuredPartOfTheWait{4.5};
constexpr std::chrono::nanoseconds kMostProcessorTimeInTheWait = std::chrono::milliseconds(500);
// Longer than a closing that was due takes from its cause to its request (about eight seconds).
constexpr Milliseconds kNothingHappens{10000};

struct Closing
{
    MenuItem kind;
    // What ExitWindowsEx asks of wineboot for the kind: flags 5, 6 or 0.
    std::vector<std::wstring> switches;
    std::vector<std::wstring> absent;
};

const Closing kShutdown{MenuItem::BilgisayariKapat, {L"--kill", L"--shutdown"}, {L"--end-session"}};
const Closing kRestart{MenuItem::BilgisayariYenidenBaslat, {L"--kill"}, {L"--shutdown", L"--end-session"}};
const Closing kLogOff{MenuItem::OturumuKapat, {L"--end-session", L"--shutdown"}, {L"--kill"}};

void ExpectRequestFor(const Closing& closing, const std::vector<std::wstring>& calls)
{
    ASSERT_EQ(calls.size(), 1u) << "expected exactly one closing request";
    const std::wstring& call = calls.front();
    for (const std::wstring& expected : closing.switches)
    {
        EXPECT_TRUE(HasSwitch(call, expected)) << Utf8(call) << " lacks " << Utf8(expected);
    }
    for (const std::wstring& unexpected : closing.absent)
    {
        EXPECT_FALSE(HasSwitch(call, unexpected)) << Utf8(call) << " carries " << Utf8(unexpected);
    }
}

std::string InSeconds(Seconds duration)
{
    return std::to_string(duration.count()) + " s";
}

// A closing under way, from the moment it was set off (Yes, or the watched window's end) to the moment the
// status bar announced it.
struct ClosingUnderWay
{
    SteadyTime setOff;
    SteadyTime began;
    std::chrono::nanoseconds processorTimeAtStart{};
    bool redIconShown = false;
};

// What was seen of a closing up to the end of the program.
struct Observed
{
    Seconds untilClosingBegan{};
    Seconds untilRequest{};
    Seconds waited{};
    // Over the first kMeasuredPartOfTheWait of the wait, and from its beginning to the end of the program.
    std::chrono::nanoseconds processorTimeInTheWait{};
    std::chrono::nanoseconds processorTimeToTheEnd{};
    bool redIconShown = false;
    bool statusStayed = true;
    std::vector<std::wstring> calls;
};

long long Microseconds(std::chrono::nanoseconds duration)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(duration).count();
}

void Report(const Observed& observed)
{
    std::cout << "[ measure  ] closing began " << InSeconds(observed.untilClosingBegan)
              << " after it was set off"
              << ", request recorded after " << InSeconds(observed.untilRequest) << ", "
              << InSeconds(observed.waited) << " after the closing began; processor time "
              << Microseconds(observed.processorTimeInTheWait) << " us in the first "
              << InSeconds(kMeasuredPartOfTheWait) << " of the wait, "
              << Microseconds(observed.processorTimeToTheEnd) << " us up to the end of the program\n";
    testing::Test::RecordProperty("until_request_ms", static_cast<int>(observed.untilRequest.count() * 1000));
    testing::Test::RecordProperty("processor_time_in_wait_us",
                                  static_cast<int>(Microseconds(observed.processorTimeInTheWait)));
}

class ClosingWinebootStub : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!WinebootStubActive())
        {
            GTEST_SKIP() << "needs the wineboot stub, which wine-session installs for a test named "
                            "*WinebootStub*: without it the closing would end the session";
        }
        ASSERT_TRUE(WinebootStubCalls().empty()) << "a closing was recorded before the test";
    }

    // Waits until the status bar announces the closing, and looks for the red icon right then, while the
    // window is still in the notification area. Throws std::runtime_error when the closing does not begin.
    static ClosingUnderWay WaitForClosingToBegin(const DorvikApp& app, SteadyTime setOff)
    {
        if (!WaitUntil([&] { return ClosingHasBegun(app); },
                       std::chrono::duration_cast<Milliseconds>(kLatestRequest)))
        {
            throw std::runtime_error("the status bar never read \"Sistem hazırlanıyor...\"");
        }
        ClosingUnderWay closing{setOff, std::chrono::steady_clock::now(), app.Process().ProcessorTime()};
        closing.redIconShown = WaitUntil([] { return TaskbarShows(ProgramIcon::Red); });
        SaveDesktopScreenshot(L"closing");
        return closing;
    }

    // Follows a closing under way to its request and the end of the program, checking on the way that the
    // status text stays.
    static Observed FollowToTheEnd(DorvikApp& app, const ClosingUnderWay& closing)
    {
        Observed observed;
        observed.untilClosingBegan = closing.began - closing.setOff;
        observed.redIconShown = closing.redIconShown;
        const auto requestRecorded = [&] {
            observed.calls = WinebootStubCalls();
            return !observed.calls.empty();
        };

        // Most of the wait passes without a word to the program: every message it answers costs it processor
        // time too.
        const SteadyTime measuredUntil =
            closing.began + std::chrono::duration_cast<Milliseconds>(kMeasuredPartOfTheWait);
        WaitUntil([&] { return requestRecorded() || std::chrono::steady_clock::now() >= measuredUntil; },
                  std::chrono::duration_cast<Milliseconds>(kLatestRequest));
        observed.processorTimeInTheWait = app.Process().ProcessorTime() - closing.processorTimeAtStart;
        // The timer is stopped, so nothing may put the clock back in place of the text.
        if (!requestRecorded())
        {
            const auto status = TryStatusText(app);
            observed.statusStayed = !status || *status == kSistemHazirlaniyor;
        }

        const bool requested =
            WaitUntil(requestRecorded, std::chrono::duration_cast<Milliseconds>(kLatestRequest));
        const SteadyTime requestedAt = std::chrono::steady_clock::now();
        EXPECT_TRUE(requested) << "no closing was requested";
        observed.untilRequest = requestedAt - closing.setOff;
        observed.waited = requestedAt - closing.began;

        EXPECT_TRUE(app.Process().WaitForExit(kUiTimeout).has_value())
            << "the program runs on after its request";
        observed.processorTimeToTheEnd = app.Process().ProcessorTime() - closing.processorTimeAtStart;
        Report(observed);
        return observed;
    }

    static void ExpectCarriedOut(const Closing& closing, const Observed& observed)
    {
        ExpectRequestFor(closing, observed.calls);
        EXPECT_GE(observed.untilRequest, kEarliestRequest) << InSeconds(observed.untilRequest);
        EXPECT_LE(observed.untilRequest, kLatestRequest) << InSeconds(observed.untilRequest);
        EXPECT_GE(observed.waited, kShortestWait) << InSeconds(observed.waited);
        EXPECT_TRUE(observed.redIconShown) << "the icon did not turn red";
        EXPECT_TRUE(observed.statusStayed) << "\"Sistem hazırlanıyor...\" gave way during the wait";
        EXPECT_TRUE(WaitUntil([] {
            return !TaskbarShows(ProgramIcon::Red) && !TaskbarShows(ProgramIcon::Yellow) &&
                   !TaskbarShows(ProgramIcon::Green);
        })) << "the program's icon stayed in the notification area";
    }

    // For a wait in which nothing happens but the wait.
    static void ExpectAnIdleWait(const Observed& observed)
    {
        EXPECT_LT(observed.processorTimeInTheWait, kMostProcessorTimeInTheWait)
            << Microseconds(observed.processorTimeInTheWait) << " us";
    }

    static void CloseRightAway(const Closing& closing)
    {
        DorvikApp app = DorvikApp::Start();
        ASSERT_TRUE(ChooseKind(app, closing.kind));
        ASSERT_TRUE(IsChecked(app.Control(ControlId::OptHizli0))) << "\"Hemen!\" is not the moment";
        const SteadyTime yes = Arm(app);
        EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); })) << "no yellow icon";
        const ClosingUnderWay underWay = WaitForClosingToBegin(app, yes);

        // The program keeps answering while it waits.
        const SteadyTime asked = std::chrono::steady_clock::now();
        EXPECT_EQ(app.Main().TrySend(WM_NULL), std::optional<LRESULT>(0)) << "no answer during the wait";
        EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(1000));

        const Observed observed = FollowToTheEnd(app, underWay);
        ExpectCarriedOut(closing, observed);
        ExpectAnIdleWait(observed);
    }
};

TEST_F(ClosingWinebootStub, HemenShutsDownWithForceAboutEightSecondsAfterYes)
{
    CloseRightAway(kShutdown);
}

TEST_F(ClosingWinebootStub, HemenRestartsWithForceAboutEightSecondsAfterYes)
{
    CloseRightAway(kRestart);
}

TEST_F(ClosingWinebootStub, HemenLogsOffWithoutForceAboutEightSecondsAfterYes)
{
    CloseRightAway(kLogOff);
}

TEST_F(ClosingWinebootStub, AKindChosenDuringTheWaitIsTheOneCarriedOut)
{
    DorvikApp app = DorvikApp::Start();
    const SteadyTime yes = Arm(app);
    const ClosingUnderWay underWay = WaitForClosingToBegin(app, yes);

    // The window stays in the notification area: the command comes from the menu all the same.
    app.RunMenuCommand(MenuItem::OturumuKapat);
    const auto box = WaitForMessageBox(app.Process().Pid());
    ASSERT_TRUE(box) << "no message for the kind changed during the wait";
    EXPECT_EQ(box->Text(), L"Önce belirlediğiniz kapama türü ' Oturumu Kapat ' olarak değiştirilmiştir!");
    EXPECT_EQ(box->Title(), L"Dorvik! V1.0");
    EXPECT_EQ(box->Icon(), StockIcon::Information);
    box->Answer(IDOK);

    ExpectCarriedOut(kLogOff, FollowToTheEnd(app, underWay));
}

TEST_F(ClosingWinebootStub, WindowAndMenusAnswerDuringTheWait)
{
    DorvikApp app = DorvikApp::Start();
    ASSERT_TRUE(ChooseKind(app, MenuItem::BilgisayariYenidenBaslat));
    const SteadyTime yes = Arm(app);
    const ClosingUnderWay underWay = WaitForClosingToBegin(app, yes);

    // A left click on the red icon brings the window back; it shows what is under way.
    ASSERT_TRUE(RestoreFromTray(app)) << "the window did not come back during the wait";
    EXPECT_EQ(StatusBarText(app.Control(ControlId::StatusBar1)), std::wstring(kSistemHazirlaniyor));
    EXPECT_TRUE(WaitUntil([&] { return TitleBarShows(app.Main(), ProgramIcon::Red); }))
        << "the window's icon is not red";
    SaveScreenshot(app.Main(), L"window-during-the-wait");

    // A menu command runs; its message holds the closing up only until it is answered.
    app.RunMenuCommand(MenuItem::ProgramHakkinda);
    const auto help = WaitForMessageBox(app.Process().Pid());
    ASSERT_TRUE(help) << "\"Yardım\" did nothing during the wait";
    EXPECT_EQ(help->Title(), L"Dorvik! V1.0");
    EXPECT_EQ(help->Owner(), app.Main());
    help->Answer(IDOK);

    ExpectCarriedOut(kRestart, FollowToTheEnd(app, underWay));
}

TEST_F(ClosingWinebootStub, ApplicationModeClosesAboutEightSecondsAfterTheWatchedWindowGoes)
{
    WatchedApplication watching = StartWatching(L"İzlenen Pencere");
    DorvikApp& app = watching.app;
    const Window& watched = watching.watched;
    ASSERT_TRUE(IsChecked(app.Control(ControlId::OptHizli0)));
    Arm(app);

    const auto processorTimeBefore = app.Process().ProcessorTime();
    EXPECT_FALSE(WaitUntil(
        [&] { return !WinebootStubCalls().empty() || ClosingHasBegun(app) || !app.Process().IsRunning(); },
        kNothingHappens))
        << "something happened while the watched window was still there";
    // For comparison with the closing's wait: here the program looks at the desktop's windows every tick.
    std::cout << "[ measure  ] processor time while watching the window for "
              << InSeconds(std::chrono::duration_cast<Seconds>(kNothingHappens)) << ": "
              << Microseconds(app.Process().ProcessorTime() - processorTimeBefore) << " us\n";
    EXPECT_TRUE(TaskbarShows(ProgramIcon::Yellow));

    const SteadyTime closedAt = std::chrono::steady_clock::now();
    watching.bystander.Close(watched);
    ASSERT_TRUE(WaitUntil([&] { return !watched.Exists(); }));
    const Observed observed = FollowToTheEnd(app, WaitForClosingToBegin(app, closedAt));
    ExpectCarriedOut(kShutdown, observed);
    ExpectAnIdleWait(observed);
}

TEST_F(ClosingWinebootStub, NoClosingFollowsACancelBySwitchingTheMode)
{
    WatchedApplication watching = StartWatching(L"İzlenen Pencere");
    DorvikApp& app = watching.app;
    const Window& watched = watching.watched;
    Arm(app);
    ASSERT_TRUE(RestoreFromTray(app));

    app.RunMenuCommand(MenuItem::SaateGore);
    const auto box = WaitForMessageBox(app.Process().Pid());
    ASSERT_TRUE(box) << "switching the mode while armed showed nothing";
    EXPECT_EQ(box->Text(), L"Önce belirlediğiniz kapama işlemi iptal edilmiştir!");
    box->Answer(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !box->Box().Exists(); }));

    // Armed, the end of the watched window would now start the closing within about four seconds.
    watching.bystander.Close(watched);
    ASSERT_TRUE(WaitUntil([&] { return !watched.Exists(); }));
    EXPECT_FALSE(WaitUntil(
        [&] { return !WinebootStubCalls().empty() || ClosingHasBegun(app) || !app.Process().IsRunning(); },
        kNothingHappens))
        << "a cancelled closing went ahead";
    EXPECT_TRUE(WinebootStubCalls().empty());
    EXPECT_TRUE(app.Process().IsRunning());
    EXPECT_TRUE(app.Main().IsVisible());
}

TEST(LogOffRoad, OtherProgramsAreAskedToEndAndDorvikIsGone)
{
    if (WinebootStubActive())
    {
        GTEST_SKIP() << "needs Wine's own wineboot, not the recording stub";
    }
    // The driver has no window, so the log-off passes it by and it lives on to look.
    BystanderOptions options;
    options.windows = {{L"Gözlemci"}};
    options.recordEndSession = true;
    Bystander observer = Bystander::Start(options);

    DorvikApp app = DorvikApp::Start();
    ASSERT_TRUE(ChooseKind(app, MenuItem::OturumuKapat));
    const SteadyTime yes = Arm(app);

    EXPECT_TRUE(observer.Process().WaitForExit(std::chrono::duration_cast<Milliseconds>(kLatestRequest) +
                                               kStartTimeout))
        << "the other program outlived the log-off";
    std::cout << "[ measure  ] the other program ended " << InSeconds(std::chrono::steady_clock::now() - yes)
              << " after Yes\n";
    EXPECT_TRUE(app.Process().WaitForExit(kUiTimeout).has_value()) << "dorvik.exe outlived its log-off";
    EXPECT_TRUE(ProcessIdsByName(L"dorvik.exe").empty());
    // Wine asks with lParam 0, never ENDSESSION_LOGOFF.
    EXPECT_EQ(observer.EndSessionLog(),
              (std::vector<std::wstring>{L"WM_QUERYENDSESSION wParam=0 lParam=0x0 title=Gözlemci",
                                         L"WM_ENDSESSION wParam=1 lParam=0x0 title=Gözlemci"}));
}

TEST(LogOffRoad, WindowsOwnLogOffWhileArmedIsNotHeldUp)
{
    if (WinebootStubActive())
    {
        GTEST_SKIP() << "needs Wine's own wineboot, not the recording stub";
    }
    BystanderOptions observerOptions;
    observerOptions.windows = {{L"Gözlemci"}};
    observerOptions.recordEndSession = true;
    Bystander observer = Bystander::Start(observerOptions);

    // Armed two hours ahead: the log-off comes from another program, long before the closing is due.
    DorvikApp app = DorvikApp::Start();
    Click(app.Control(OptHizli(3)));
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(app.Control(OptHizli(3))); }));
    Arm(app);

    BystanderOptions closerOptions;
    closerOptions.windows = {{L"Kapatan"}};
    closerOptions.exitWindowsFlags = EWX_LOGOFF;
    Bystander closer = Bystander::Start(closerOptions);

    EXPECT_TRUE(app.Process().WaitForExit(kStartTimeout).has_value()) << "dorvik.exe held the log-off up";
    EXPECT_TRUE(observer.Process().WaitForExit(kStartTimeout).has_value())
        << "the log-off did not go through";
    // wParam 1 on WM_ENDSESSION: every program agreed and the session really ends.
    EXPECT_EQ(observer.EndSessionLog(),
              (std::vector<std::wstring>{L"WM_QUERYENDSESSION wParam=0 lParam=0x0 title=Gözlemci",
                                         L"WM_ENDSESSION wParam=1 lParam=0x0 title=Gözlemci"}));
}

} // namespace
} // namespace dorvik::e2e
