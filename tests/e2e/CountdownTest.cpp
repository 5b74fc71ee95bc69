// The last minute before a closing, in the program's own window: it comes without taking the foreground from
// the program the user works in, counts down, and its buttons put the closing off or cancel it.
#include <windows.h>

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "support/Bystander.h"
#include "support/CommandLine.h"
#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/Input.h"
#include "support/MessageBoxes.h"
#include "support/Scheduling.h"
#include "support/Screen.h"
#include "support/Text.h"
#include "support/WinebootStub.h"

namespace dorvik::e2e
{
namespace
{

using Clock = std::chrono::steady_clock;

// The seconds the window's sentence counts, or nothing when it shows none.
std::optional<int> SecondsShown(const Window& countdown)
{
    const std::optional<std::wstring> sentence =
        countdown.Descendant(static_cast<int>(ControlId::LblGeriSayim)).TryText();
    if (!sentence)
    {
        return std::nullopt;
    }
    const std::size_t digits = sentence->find_first_of(L"0123456789");
    if (digits == std::wstring::npos)
    {
        return std::nullopt;
    }
    return std::stoi(sentence->substr(digits));
}

// Waits until the clock has reached moment, for checks that something did not happen by then.
void WaitUntilMoment(Clock::time_point moment)
{
    WaitUntil([&] { return Clock::now() >= moment; }, Milliseconds(120'000));
}

TEST(CountdownWinebootStub, ComesAMinuteAheadWithoutTheForegroundCountsAndErtelePutsTheClosingOff)
{
    ASSERT_TRUE(WinebootStubActive()) << "a closing must not end the session";
    Bystander other = Bystander::Start({{L"Rapor - Düzenleyici"}});
    DorvikApp app = DorvikApp::Start();
    const Clock::time_point asked = Clock::now();
    ArmAt(app, ClockTimeIn(70));
    const Clock::time_point due = asked + std::chrono::seconds(70);
    const Window work = other.FindWindow(L"Rapor - Düzenleyici");
    ASSERT_TRUE(FocusControl(work));

    Window countdown;
    ASSERT_TRUE(countdown = WaitForCountdownWindow(app.Process().Pid(), Milliseconds(30'000)))
        << "no window a minute before the closing";
    const auto early =
        std::chrono::duration_cast<Milliseconds>(Clock::now() - (due - std::chrono::seconds(60)));
    EXPECT_GT(early.count(), -1'500) << "it came before the last minute";
    EXPECT_LT(early.count(), 2'000) << "it came late";
    SaveDesktopScreenshot(L"countdown");
    EXPECT_EQ(countdown.Text(), kMainWindowTitle);
    EXPECT_TRUE(countdown.HasExStyle(WS_EX_TOPMOST));
    EXPECT_EQ(Window(::GetForegroundWindow()), work) << "the window took the foreground";
    EXPECT_EQ(FocusedWindow(work), work) << "the window took the keyboard focus";
    EXPECT_EQ(countdown.Descendant(static_cast<int>(ControlId::BtnVazgec)).Text(), L"&Vazgeç");
    EXPECT_EQ(countdown.Descendant(static_cast<int>(ControlId::BtnErtele)).Text(), L"&10 Dakika Ertele");

    const std::optional<int> first = SecondsShown(countdown);
    ASSERT_TRUE(first);
    EXPECT_GE(*first, 57);
    EXPECT_LE(*first, 60);
    EXPECT_EQ(countdown.Descendant(static_cast<int>(ControlId::LblGeriSayim)).Text(),
              L"Bilgisayar " + std::to_wstring(*first) + L" saniye sonra kapatılacak.");
    EXPECT_TRUE(WaitUntil([&] {
        const std::optional<int> now = SecondsShown(countdown);
        return now && *now < *first;
    })) << "the count stood still";

    Click(countdown.Descendant(static_cast<int>(ControlId::BtnErtele)));
    EXPECT_TRUE(WaitUntil([&] { return !countdown.IsVisible(); })) << "the window stayed";
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); })) << "no longer armed";

    WaitUntilMoment(due + std::chrono::seconds(3));
    EXPECT_TRUE(WinebootStubCalls().empty()) << "the closing came at the moment it was put off from";
    EXPECT_FALSE(ClosingHasBegun(app));
    EXPECT_TRUE(TaskbarShows(ProgramIcon::Yellow));
    EXPECT_FALSE(ShownCountdownWindow(app.Process().Pid()));
}

TEST(CountdownWinebootStub, VazgecTurnsTheIconGreenAndNothingIsRequested)
{
    ASSERT_TRUE(WinebootStubActive()) << "a closing must not end the session";
    const Clock::time_point started = Clock::now();
    ASSERT_EQ(RunDorvik(L"/sonra 1").exitCode, 0u);
    ChildProcess process = TheRunningCopy();

    Window countdown;
    ASSERT_TRUE(countdown = WaitForCountdownWindow(process.Pid(), kStartTimeout))
        << "a closing one minute away shows its last minute at once";
    ASSERT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }));

    Click(countdown.Descendant(static_cast<int>(ControlId::BtnVazgec)));
    EXPECT_TRUE(WaitUntil([&] { return !countdown.IsVisible(); })) << "the window stayed";
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Green); })) << "the icon did not turn green";
    EXPECT_TRUE(FindMessageBoxes(process.Pid()).empty()) << "a cancel from this window asks nothing";

    WaitUntilMoment(started + std::chrono::seconds(63));
    EXPECT_TRUE(WinebootStubCalls().empty()) << "the cancelled closing came all the same";
    EXPECT_TRUE(process.IsRunning());
}

// Windows held the program still (modern standby, a frozen machine) past the moment of its closing, and said
// nothing: when it runs again, whoever is there gets the warning at once and the full minute.
TEST(CountdownWinebootStub, StoodStillPastItsMomentItWarnsAtOnceAndClosesAMinuteLater)
{
    ASSERT_TRUE(WinebootStubActive()) << "a closing must not end the session";
    const ClockTime target = ClockTimeIn(15);
    const Clock::time_point due = Clock::now() + std::chrono::seconds(15);
    ASSERT_EQ(RunDorvik(L"/saat " + TwoDigits(target.hour) + L":" + TwoDigits(target.minute) + L":" +
                        TwoDigits(target.second))
                  .exitCode,
              0u);
    ChildProcess process = TheRunningCopy();
    ASSERT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }));
    {
        const SuspendedThreads still(process.Pid());
        WaitUntilMoment(due + std::chrono::seconds(5));
        EXPECT_TRUE(WinebootStubCalls().empty());
    }
    const Clock::time_point resumed = Clock::now();

    EXPECT_TRUE(WaitUntil([&] { return static_cast<bool>(ShownCountdownWindow(process.Pid())); }))
        << "no warning when the program ran again";
    EXPECT_FALSE(TaskbarShows(ProgramIcon::Red)) << "the closing began unwarned";
    ASSERT_TRUE(WaitUntil([] { return !WinebootStubCalls().empty(); }, Milliseconds(80'000)))
        << "no closing was requested";
    const auto after = std::chrono::duration_cast<Milliseconds>(Clock::now() - resumed);
    EXPECT_GE(after.count(), 62'500) << "the warned minute was cut short";
    EXPECT_LE(after.count(), 70'000) << "the closing came late";
}

TEST(CountdownWinebootStub, AltVCancelsWhileAMessageBoxOfTheProgramIsOpen)
{
    ASSERT_TRUE(WinebootStubActive()) << "a closing must not end the session";
    DorvikApp app = DorvikApp::Start();
    ASSERT_EQ(RunDorvik(L"/sonra 1").exitCode, 0u);
    Window countdown;
    ASSERT_TRUE(countdown = WaitForCountdownWindow(app.Process().Pid(), kStartTimeout));
    app.RunMenuCommand(MenuItem::ProgramHakkinda);
    const auto box = WaitForMessageBox(app.Process().Pid());
    ASSERT_TRUE(box) << "\"Yardım\" showed nothing";

    // The keys now pass through the box's own modal loop, not through the program's.
    const Window vazgec = countdown.Descendant(static_cast<int>(ControlId::BtnVazgec));
    ASSERT_TRUE(FocusControl(vazgec));
    PressKeyWithAlt(vazgec, 'V');
    EXPECT_TRUE(WaitUntil([&] { return !countdown.IsVisible(); })) << "Alt+V did not reach the window";
    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Green); })) << "the closing is still armed";
    EXPECT_EQ(FindMessageBoxes(app.Process().Pid()).size(), 1u) << "the box went as well";
    box->Answer(IDOK);
}

} // namespace
} // namespace dorvik::e2e
