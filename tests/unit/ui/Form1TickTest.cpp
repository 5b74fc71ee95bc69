// The countdown: the blinking status clock, and when an armed closing fires in clock and application mode.
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using namespace std::chrono_literals;
using platform::IconId;
using platform::MsgResult;

struct Form1Tick : testing::Test
{
    Form1Tick()
    {
        h.clock.Set({2026, 12, 7, 12, 0, 0});
        h.Start();
    }

    void Tick() { h.form.Timer1_Tick(); }

    // Ticks every half second until the wall clock shows when.
    void TickUntil(const platform::LocalDateTime& when)
    {
        const auto wallOf = [](const platform::LocalDateTime& t) {
            return scheduler::MakeLocalSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
        };
        while (wallOf(h.clock.Now()) < wallOf(when))
        {
            h.clock.Advance(500ms);
            Tick();
        }
    }

    platform::WindowId ArmOnWindow(int quickChoice)
    {
        const platform::WindowId window = h.windows.Add({.title = L"Hesap Makinesi"});
        h.picker.UserChooses(window);
        h.form.ProgramaGore_Click();
        h.view.UserSelectOption(quickChoice);
        h.form.Command2_Click();
        h.form.BtnDorvik_Click();
        return window;
    }

    bool ClosingRequested() const { return !h.power.Calls().empty(); }

    Form1Harness h;
};

TEST_F(Form1Tick, ColonIsOffOnTheFirstTickAndBlinksEveryTick)
{
    h.clock.Set({2026, 12, 6, 14, 5, 0});
    Tick();
    EXPECT_EQ(h.view.StatusText(), L"06 December 2026, 14   05");
    Tick();
    EXPECT_EQ(h.view.StatusText(), L"06 December 2026, 14 : 05");
    Tick();
    EXPECT_EQ(h.view.StatusText(), L"06 December 2026, 14   05");
}

TEST_F(Form1Tick, StatusClockFollowsTheClockNotTheNumberOfTicks)
{
    h.clock.Set({2026, 12, 31, 23, 59, 59});
    Tick();
    h.clock.Set({2027, 1, 1, 0, 0, 1});
    Tick();
    EXPECT_EQ(h.view.StatusText(), L"01 January 2027, 00 : 00");
}

TEST_F(Form1Tick, IdleTickDoesNothingBeyondTheClock)
{
    EXPECT_FALSE(h.TickFor(10s));
    EXPECT_TRUE(h.tray.Calls().empty());
    EXPECT_EQ(h.windows.CallCount(platform::FakeCall::TopLevelWindows), 0u);
}

TEST_F(Form1Tick, ClockModeFiresOnTheFirstTickAtTheTarget)
{
    h.form.BtnDorvik_Click(); // "Hemen!" at 12:00:00: 12:00:03
    h.clock.PassUntil({2026, 12, 7, 12, 0, 2});
    Tick();
    EXPECT_TRUE(h.view.TimerEnabled());

    h.clock.PassUntil({2026, 12, 7, 12, 0, 3});
    EXPECT_THROW(Tick(), platform::ProgramEnded);
    EXPECT_FALSE(h.view.TimerEnabled());
    EXPECT_TRUE(ClosingRequested());
}

TEST_F(Form1Tick, HemenClosesAboutEightSecondsAfterYes)
{
    h.form.BtnDorvik_Click();
    const auto armedAt = h.clock.Monotonic();

    EXPECT_TRUE(h.TickFor(60s));

    const auto closingAfter = h.clock.Monotonic() - armedAt;
    EXPECT_GE(closingAfter, 8000ms);
    EXPECT_LE(closingAfter, 8500ms);
}

TEST_F(Form1Tick, ClockModeTargetPastMidnightFiresTheNextDay)
{
    h.clock.Set({2026, 12, 7, 23, 30, 10});
    h.view.UserSelectOption(2);
    h.form.BtnDorvik_Click();

    TickUntil({2026, 12, 8, 0, 30, 9});
    EXPECT_FALSE(ClosingRequested());
    h.clock.PassUntil({2026, 12, 8, 0, 30, 10});
    EXPECT_THROW(Tick(), platform::ProgramEnded);
}

// The machine froze, or Windows held the program still: the next tick comes well after the target, and
// nobody was warned.
TEST_F(Form1Tick, TargetPassedWhileTheProgramStoodStillComesAfterAWarnedMinute)
{
    h.form.BtnDorvik_Click(); // 12:00:03
    h.clock.PassUntil({2026, 12, 7, 12, 47, 0});
    Tick();
    EXPECT_FALSE(ClosingRequested());
    EXPECT_EQ(h.countdown.showings, 1);
    EXPECT_EQ(h.tray.Balloons().size(), 1u);
    TickUntil({2026, 12, 7, 12, 47, 59});
    EXPECT_FALSE(ClosingRequested());
    h.clock.Advance(1s);
    EXPECT_THROW(Tick(), platform::ProgramEnded);
}

TEST_F(Form1Tick, TimeOfDayOfTheTargetOnTheDayBeforeDoesNotFire)
{
    h.clock.Set({2026, 12, 7, 23, 0, 0});
    h.view.UserSelectOption(3); // 01:00:00 on the 8th
    h.form.BtnDorvik_Click();
    h.clock.Set({2026, 12, 7, 23, 30, 0});
    Tick();
    EXPECT_FALSE(ClosingRequested());
}

TEST_F(Form1Tick, ApplicationModeWaitsWhileTheWindowLivesThenCountsFromItsEnd)
{
    const platform::WindowId window = ArmOnWindow(0);
    EXPECT_FALSE(h.TickFor(60s));
    EXPECT_TRUE(h.form.Closing().ZamanHesaplanacak());

    h.windows.Destroy(window);
    const auto goneAt = h.clock.Monotonic();
    EXPECT_TRUE(h.TickFor(60s));
    const auto after = h.clock.Monotonic() - goneAt;
    // About 3 s to the target, then the 5 s wait.
    EXPECT_GE(after, 8000ms);
    EXPECT_LE(after, 9000ms);
}

TEST_F(Form1Tick, ApplicationModeTargetComesFromTheQuickChoiceWhenTheWindowGoes)
{
    const platform::WindowId window = ArmOnWindow(1);
    h.clock.SetTime(10, 0, 0);
    h.windows.Destroy(window);
    Tick();
    EXPECT_FALSE(h.form.Closing().ZamanHesaplanacak());
    EXPECT_EQ(h.form.Closing().HedefZaman().time, (scheduler::TimeOfDay{10, 30, 0}));
}

TEST_F(Form1Tick, ApplicationModeUsesTheQuickChoiceInForceWhenTheWindowGoes)
{
    const platform::WindowId window = ArmOnWindow(0);
    h.form.mPopRestore_Click();
    h.view.UserSelectOption(2);
    h.clock.SetTime(10, 0, 0);
    h.windows.Destroy(window);
    Tick();
    EXPECT_EQ(h.form.Closing().HedefZaman().time, (scheduler::TimeOfDay{11, 0, 0}));
}

TEST_F(Form1Tick, HiddenOrUntitledWindowCountsAsGone)
{
    const platform::WindowId window = ArmOnWindow(0);
    h.windows.SetVisible(window, false);
    Tick();
    EXPECT_FALSE(h.form.Closing().ZamanHesaplanacak());
}

TEST_F(Form1Tick, WindowBackAgainHoldsTheClosingAndItsTargetIsKept)
{
    const platform::WindowId window = ArmOnWindow(0);
    h.windows.SetVisible(window, false);
    Tick();
    const scheduler::TimeOfDay target = h.form.Closing().HedefZaman().time;

    h.windows.SetVisible(window, true);
    EXPECT_FALSE(h.TickFor(30s));

    h.windows.SetVisible(window, false);
    EXPECT_TRUE(h.TickFor(1s));
    EXPECT_EQ(h.form.Closing().HedefZaman().time, target);
}

TEST_F(Form1Tick, AnotherWindowChosenWhileArmedStartsANewCount)
{
    const platform::WindowId first = ArmOnWindow(1);
    h.windows.Destroy(first);
    Tick();
    ASSERT_FALSE(h.form.Closing().ZamanHesaplanacak());

    // Without arming again, the user picks another window, which goes 40 minutes later.
    h.form.mPopRestore_Click();
    const platform::WindowId second = h.windows.Add({.title = L"Not Defteri"});
    h.picker.UserChooses(second);
    h.form.ProgramaGore_Click();
    EXPECT_FALSE(h.TickFor(40min));
    h.windows.Destroy(second);

    EXPECT_FALSE(h.TickFor(29min)) << "the half hour counts from the new window's end";
    EXPECT_TRUE(h.TickFor(2min));
}

TEST_F(Form1Tick, ApplicationModeWithNoWindowChosenNeverFires)
{
    h.picker.user = [](Uygulama& picker, FakeUygulamaView&) { picker.Command2_Click(); };
    h.form.ProgramaGore_Click();
    h.windows.ClearCalls();
    // The button is disabled, but suppose a closing were armed all the same.
    h.modulum.KapamaAktif = true;
    EXPECT_FALSE(h.TickFor(120s));
    EXPECT_EQ(h.windows.CallCount(platform::FakeCall::TopLevelWindows), 0u);
}

TEST_F(Form1Tick, WindowGoneBeforeArmingFiresAboutThreeSecondsAfterArming)
{
    const platform::WindowId window = h.windows.Add({.title = L"Hesap Makinesi"});
    h.picker.UserChooses(window);
    h.form.ProgramaGore_Click();
    h.windows.Destroy(window);
    h.form.BtnDorvik_Click();
    const auto armedAt = h.clock.Monotonic();

    EXPECT_TRUE(h.TickFor(30s));
    EXPECT_LE(h.clock.Monotonic() - armedAt, 9000ms);
}

TEST_F(Form1Tick, ReArmingInApplicationModeCountsAfreshFromTheNewWindow)
{
    const platform::WindowId first = ArmOnWindow(1);
    h.clock.SetTime(10, 0, 0);
    h.windows.SetVisible(first, false);
    Tick(); // target 10:30:00
    h.windows.SetVisible(first, true);

    h.form.mPopRestore_Click();
    const platform::WindowId second = h.windows.Add({.title = L"Not Defteri"});
    h.picker.UserChooses(second);
    h.form.ProgramaGore_Click();
    h.form.BtnDorvik_Click();

    h.clock.SetTime(11, 0, 0);
    h.windows.Destroy(second);
    Tick();
    EXPECT_FALSE(ClosingRequested());
    EXPECT_EQ(h.form.Closing().HedefZaman().time, (scheduler::TimeOfDay{11, 30, 0}));
}

TEST_F(Form1Tick, CancelMessageStillOpenWhenTheTargetArrivesLetsTheClosingStart)
{
    const platform::WindowId window = ArmOnWindow(0);
    h.windows.Destroy(window);
    Tick(); // the target is now 3 s away
    h.form.mPopRestore_Click();
    // The user switches to clock mode; while the cancel message is open the timer keeps ticking.
    h.dialogs.WhileOpen([&](const platform::ShownMessage& shown) {
        for (int tick = 0; tick < 10 && shown.text == L"Önce belirlediğiniz kapama işlemi iptal edilmiştir!";
             ++tick)
        {
            h.clock.Advance(500ms);
            h.form.Timer1_Tick();
        }
    });

    EXPECT_THROW(h.form.SaateGore_Click(), platform::ProgramEnded);
    EXPECT_TRUE(ClosingRequested());
}

TEST_F(Form1Tick, CancelMessageOpenBeforeAnyTargetWasComputedNeverFires)
{
    ArmOnWindow(0);
    h.form.mPopRestore_Click();
    bool endedWhileOpen = false;
    h.dialogs.WhileOpen([&](const platform::ShownMessage& shown) {
        if (shown.text == L"Önce belirlediğiniz kapama işlemi iptal edilmiştir!")
        {
            endedWhileOpen = h.TickFor(30s);
        }
    });

    h.form.SaateGore_Click();

    EXPECT_FALSE(endedWhileOpen);
    EXPECT_FALSE(ClosingRequested());
    EXPECT_FALSE(h.modulum.KapamaAktif);
}

TEST_F(Form1Tick, CancelledClosingNeverFires)
{
    h.form.BtnDorvik_Click();
    h.form.mPopRestore_Click();
    h.picker.user = [](Uygulama& picker, FakeUygulamaView&) { picker.Command2_Click(); };
    h.form.ProgramaGore_Click();

    EXPECT_FALSE(h.TickFor(60s));
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.view.Icon(), IconId::Dorvik);
}

TEST_F(Form1Tick, RestoredWindowKeepsCountingDown)
{
    h.form.BtnDorvik_Click();
    h.form.mPopRestore_Click();
    EXPECT_TRUE(h.view.Shown());
    EXPECT_TRUE(h.TickFor(10s));
}

} // namespace
} // namespace dorvik::test
