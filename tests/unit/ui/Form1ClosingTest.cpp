// The closing sequence as the main window runs it: handlers that run during its wait.
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using namespace std::chrono_literals;
using platform::ExitFlags;
using platform::IconId;
using platform::PowerCall;
using platform::TrayMessage;

struct Form1Closing : testing::Test
{
    Form1Closing()
    {
        h.clock.Set({2026, 12, 7, 12, 0, 0});
        h.Start();
        h.form.BtnDorvik_Click(); // "Hemen!": due at 12:00:03
        h.clock.PassUntil({2026, 12, 7, 12, 0, 3});
        h.tray.Clear();
    }

    // The tick that reaches the target; the closing sequence runs inside it.
    void ReachTarget() { EXPECT_THROW(h.form.Timer1_Tick(), platform::ProgramEnded); }

    Form1Harness h;
};

TEST_F(Form1Closing, TurnsRedAndTellsTheUserBeforeWaiting)
{
    std::wstring statusDuringWait;
    std::optional<IconId> trayIconDuringWait;
    h.events.Schedule(100ms, [&] {
        statusDuringWait = h.view.StatusText();
        trayIconDuringWait = h.tray.ShownIcon();
        EXPECT_FALSE(h.view.TimerEnabled());
        EXPECT_EQ(h.view.Icon(), IconId::Kapan);
    });

    ReachTarget();

    EXPECT_EQ(statusDuringWait, L"Sistem hazırlanıyor...");
    EXPECT_EQ(trayIconDuringWait, IconId::Kapan);
    EXPECT_FALSE(h.tray.ShownIcon());
    ASSERT_EQ(h.power.Calls().size(), 2u);
    EXPECT_EQ(h.power.Calls()[1].flags, ExitFlags::ShutdownForce);
}

// WM_TIMER may already be queued when the timer stops, or be posted by another program.
TEST_F(Form1Closing, TickDuringTheWaitDoesNotStartTheClosingAgain)
{
    h.events.Schedule(1s, [&] {
        h.clock.SetTime(12, 0, 4);
        h.form.Timer1_Tick();
        EXPECT_EQ(h.view.StatusText(), L"Sistem hazırlanıyor...");
    });

    ReachTarget();

    EXPECT_EQ(h.power.Calls().size(), 2u);
    EXPECT_EQ(h.tray.Calls().size(), 2u) << "one red icon, one removal";
    EXPECT_EQ(h.runtime.endCount, 1);
}

TEST_F(Form1Closing, KindChangedDuringTheWaitIsCarriedOutAndAnnounced)
{
    h.events.Schedule(2s, [&] { h.form.OturumuKapat_Click(); });

    ReachTarget();

    ASSERT_EQ(h.dialogs.Shown().size(), 2u); // the question at arming, then the kind change
    EXPECT_EQ(h.dialogs.Shown()[1].text,
              L"Önce belirlediğiniz kapama türü ' Oturumu Kapat ' olarak değiştirilmiştir!");
    ASSERT_EQ(h.power.Calls().size(), 1u);
    EXPECT_EQ(h.power.Calls()[0].call, PowerCall::ExitWindows);
    EXPECT_EQ(h.power.Calls()[0].flags, ExitFlags::LogOff);
}

TEST_F(Form1Closing, CancelDuringTheWaitDoesNotStopTheClosing)
{
    h.events.Schedule(1s, [&] {
        h.form.mPopRestore_Click();
        h.form.ProgramaGore_Click();
    });

    ReachTarget();

    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.power.Calls().size(), 2u);
}

// A click on "Vazgeç" already queued when the last minute ran out.
TEST_F(Form1Closing, VazgecDuringTheWaitChangesNothing)
{
    h.events.Schedule(1s, [&] { h.Countdown().BtnVazgec_Click(); });

    ReachTarget();

    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.view.Icon(), IconId::Kapan);
    EXPECT_EQ(h.power.Calls().size(), 2u);
}

TEST_F(Form1Closing, ExitFromTheTrayMenuDuringTheWaitRequestsNothing)
{
    h.events.Schedule(3s, [&] { h.form.mPopExit_Click(); });

    ReachTarget();

    EXPECT_TRUE(h.power.Calls().empty());
    EXPECT_FALSE(h.tray.ShownIcon());
}

TEST_F(Form1Closing, ExitFromTheMainMenuDuringTheWaitRequestsNothing)
{
    h.events.Schedule(1s, [&] {
        h.form.mPopRestore_Click();
        h.form.Cikis_Click();
    });

    ReachTarget();

    EXPECT_TRUE(h.power.Calls().empty());
    EXPECT_FALSE(h.tray.ShownIcon());
}

TEST_F(Form1Closing, LeftClickOnTheRedIconRestoresAndTheClosingStillFollows)
{
    h.events.Schedule(1s, [&] { h.form.Form_MouseMove(0, 0, 514, 0); });

    ReachTarget();

    EXPECT_TRUE(h.view.Shown());
    EXPECT_EQ(h.power.Calls().size(), 2u);
    ASSERT_GE(h.tray.Calls().size(), 2u);
    EXPECT_EQ(h.tray.Calls()[0].message, TrayMessage::Modify);
    EXPECT_EQ(h.tray.Calls()[1].message, TrayMessage::Delete);
}

TEST_F(Form1Closing, MinimisedDuringTheWaitShowsTheRedIconUntilTheRequest)
{
    h.events.Schedule(500ms, [&] { h.form.Form_MouseMove(0, 0, 514, 0); });
    std::optional<IconId> afterMinimise;
    h.events.Schedule(1500ms, [&] {
        h.view.UserMinimize();
        afterMinimise = h.tray.ShownIcon();
    });

    ReachTarget();

    EXPECT_EQ(afterMinimise, IconId::Kapan);
    EXPECT_FALSE(h.tray.ShownIcon());
}

} // namespace
} // namespace dorvik::test
