// The notification area: minimising into it, the decoding of its callback, the restore and its menu, the
// presence rule, and the shell restarting.
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using platform::IconId;
using platform::TrayMessage;

struct Form1Tray : testing::Test
{
    Form1Tray() { h.Start(); }

    void Arm() { h.form.BtnDorvik_Click(); }

    Form1Harness h;
};

TEST_F(Form1Tray, StartsWithoutAnIcon)
{
    EXPECT_TRUE(h.tray.Calls().empty());
    EXPECT_FALSE(h.tray.ShownIcon());
    EXPECT_TRUE(h.view.Shown());
}

TEST_F(Form1Tray, MinimisingHidesTheWindowAndShowsTheGreenIconWithTheCaptionAsTip)
{
    h.view.UserMinimize();

    EXPECT_FALSE(h.view.Shown());
    ASSERT_EQ(h.tray.Calls().size(), 1u);
    EXPECT_EQ(h.tray.Calls()[0].message, TrayMessage::Add);
    EXPECT_EQ(h.tray.Calls()[0].data.szTip, L"Dorvik! V1.0");
    EXPECT_EQ(h.tray.Calls()[0].data.uCallbackMessage, 512u);
    EXPECT_EQ(h.tray.ShownIcon(), IconId::Dorvik);
}

TEST_F(Form1Tray, OtherSizeChangesDoNothing)
{
    h.form.Form_Resize();
    EXPECT_TRUE(h.tray.Calls().empty());
    EXPECT_TRUE(h.view.Shown());
}

struct CallbackCase
{
    const char* name;
    ScaleMode unit;
    double twipsPerPixel;
    double x;
    bool restores;
    bool opensMenu;
};

class TrayCallback : public Form1Tray, public testing::WithParamInterface<CallbackCase>
{
};

TEST_P(TrayCallback, ActsOnTheReleaseOfEachButtonAndIgnoresEverythingElse)
{
    const CallbackCase& c = GetParam();
    h.view.coordinateUnit = c.unit;
    h.view.twipsPerPixelX = c.twipsPerPixel;
    h.view.UserMinimize();
    const int foregroundBefore = h.view.ForegroundCalls();

    h.form.Form_MouseMove(0, 0, c.x, 0);

    EXPECT_EQ(h.view.Shown(), c.restores);
    EXPECT_EQ(h.tray.ShownIcon().has_value(), !c.restores);
    EXPECT_EQ(h.view.Popups().size(), c.opensMenu ? 1u : 0u);
    EXPECT_EQ(h.view.ForegroundCalls() - foregroundBefore, c.restores || c.opensMenu ? 1 : 0);
    if (c.restores)
    {
        EXPECT_EQ(h.view.State(), WindowState::Normal);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, TrayCallback,
    testing::Values(CallbackCase{"LeftUpPixels", ScaleMode::Pixel, 15, 514, true, false},
                    CallbackCase{"RightUpPixels", ScaleMode::Pixel, 15, 517, false, true},
                    CallbackCase{"MovePixels", ScaleMode::Pixel, 15, 512, false, false},
                    CallbackCase{"LeftDownPixels", ScaleMode::Pixel, 15, 513, false, false},
                    CallbackCase{"LeftDoublePixels", ScaleMode::Pixel, 15, 515, false, false},
                    CallbackCase{"RightDownPixels", ScaleMode::Pixel, 15, 516, false, false},
                    CallbackCase{"RightDoublePixels", ScaleMode::Pixel, 15, 518, false, false},
                    CallbackCase{"LeftUpTwips", ScaleMode::Twip, 15, 514 * 15, true, false},
                    CallbackCase{"RightUpTwips", ScaleMode::Twip, 15, 517 * 15, false, true},
                    CallbackCase{"MoveTwips", ScaleMode::Twip, 15, 512 * 15, false, false},
                    CallbackCase{"LeftDownTwips", ScaleMode::Twip, 15, 513 * 15, false, false},
                    CallbackCase{"LeftDoubleTwips", ScaleMode::Twip, 15, 515 * 15, false, false},
                    CallbackCase{"RightDownTwips", ScaleMode::Twip, 15, 516 * 15, false, false},
                    CallbackCase{"RightDoubleTwips", ScaleMode::Twip, 15, 518 * 15, false, false},
                    CallbackCase{"LeftUpTwipsAt150Percent", ScaleMode::Twip, 10, 5140, true, false},
                    // What the shell adds for an icon of version 3, from the mouse and from the keyboard.
                    CallbackCase{"SelectPixels", ScaleMode::Pixel, 15, 0x400, true, false},
                    CallbackCase{"KeySelectPixels", ScaleMode::Pixel, 15, 0x401, true, false},
                    CallbackCase{"ContextMenuPixels", ScaleMode::Pixel, 15, 0x7B, false, true},
                    CallbackCase{"KeySelectTwips", ScaleMode::Twip, 15, 0x401 * 15, true, false},
                    // A real mouse move over the narrow window never reaches these numbers.
                    CallbackCase{"RealMoveOverTheWindow", ScaleMode::Pixel, 15, 80, false, false}),
    [](const testing::TestParamInfo<CallbackCase>& param) { return std::string(param.param.name); });

TEST_F(Form1Tray, LeftClickRemovesTheIconBeforeRestoring)
{
    h.view.UserMinimize();
    h.view.SetState(WindowState::Minimized);
    h.tray.Clear();

    h.form.Form_MouseMove(0, 0, 514, 0);

    ASSERT_EQ(h.tray.Calls().size(), 1u);
    EXPECT_EQ(h.tray.Calls()[0].message, TrayMessage::Delete);
    EXPECT_EQ(h.view.State(), WindowState::Normal);
}

TEST_F(Form1Tray, RestoreFromTheMenuShowsTheWindowThenRemovesTheIcon)
{
    h.view.UserMinimize();
    h.view.onPopup = [&](MenuItem menu) {
        EXPECT_EQ(menu, MenuItem::mPopupSys);
        h.form.mPopRestore_Click();
    };

    h.form.Form_MouseMove(0, 0, 517, 0);

    EXPECT_TRUE(h.view.Shown());
    EXPECT_EQ(h.view.State(), WindowState::Normal);
    EXPECT_FALSE(h.tray.ShownIcon());
    EXPECT_EQ(h.tray.Calls().back().message, TrayMessage::Delete);
}

TEST_F(Form1Tray, ArmingShowsTheYellowIconAndRestoringKeepsTheClosingArmed)
{
    Arm();
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);

    h.form.Form_MouseMove(0, 0, 514, 0);
    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_FALSE(h.tray.ShownIcon());

    h.view.UserMinimize();
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
}

TEST_F(Form1Tray, AfterACancelTheNextMinimiseShowsGreen)
{
    Arm();
    h.form.mPopRestore_Click();
    h.picker.user = [](Uygulama& picker, FakeUygulamaView&) { picker.Command2_Click(); };
    h.form.ProgramaGore_Click();
    EXPECT_TRUE(h.tray.Calls().size() == 2u) << "no tray call while cancelling";

    h.view.UserMinimize();

    EXPECT_EQ(h.tray.ShownIcon(), IconId::Dorvik);
}

TEST_F(Form1Tray, IconExistsExactlyWhileTheWindowIsHidden)
{
    const auto check = [&](const char* step) {
        EXPECT_EQ(h.tray.ShownIcon().has_value(), !h.view.Shown()) << step;
    };
    check("start");
    h.view.UserMinimize();
    check("minimised");
    h.form.Form_MouseMove(0, 0, 514, 0);
    check("restored by click");
    Arm();
    check("armed");
    h.view.onPopup = [&](MenuItem) { h.form.mPopRestore_Click(); };
    h.form.Form_MouseMove(0, 0, 517, 0);
    check("restored from the menu");
    h.view.UserMinimize();
    check("minimised while armed");
    h.form.Form_MouseMove(0, 0, 514, 0);
    h.form.SaateGore_Click();
    check("after clicking the marked mode");
}

TEST_F(Form1Tray, RestartedShellGetsTheIconBackInItsCurrentColour)
{
    Arm();
    // Explorer restarted: every icon is gone from the notification area.
    h.tray.Notify(TrayMessage::Delete, h.modulum.TepsiKaydi);
    h.tray.Clear();

    h.form.Form_TaskbarCreated();

    ASSERT_EQ(h.tray.Calls().size(), 1u);
    EXPECT_EQ(h.tray.Calls()[0].message, TrayMessage::Add);
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
}

TEST_F(Form1Tray, RestartedShellAddsNothingWhileTheWindowIsShown)
{
    h.form.Form_TaskbarCreated();
    EXPECT_TRUE(h.tray.Calls().empty());
}

// Without an icon, a hidden window would leave the program, and an armed closing, out of reach.
TEST_F(Form1Tray, WindowWhoseIconTheShellRefusesStaysWithinReach)
{
    h.tray.acceptAdd = false;
    h.view.UserMinimize();
    EXPECT_TRUE(h.view.Shown()) << "minimised on the taskbar, not hidden";

    Arm();
    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_TRUE(h.view.Shown());
    EXPECT_FALSE(h.tray.ShownIcon());
    EXPECT_GT(h.events.Waited(), std::chrono::seconds(3)) << "the shell was given a few seconds";

    // Hidden with its icon, then Explorer restarts and will not take the icon back.
    h.tray.acceptAdd = true;
    h.view.UserMinimize();
    ASSERT_FALSE(h.view.Shown());
    h.tray.Notify(TrayMessage::Delete, h.modulum.TepsiKaydi);
    h.tray.acceptAdd = false;
    h.form.Form_TaskbarCreated();
    EXPECT_TRUE(h.view.Shown());
    EXPECT_EQ(h.view.State(), WindowState::Normal);
}

// Windows reports a right click as WM_RBUTTONUP and then as WM_CONTEXTMENU, which may arrive while the menu
// of the first is open.
TEST_F(Form1Tray, ARightClickReportedTwiceOpensOneMenu)
{
    h.view.UserMinimize();
    h.view.onPopup = [&](MenuItem) { h.form.Form_MouseMove(0, 0, 0x7B, 0); };
    h.form.Form_MouseMove(0, 0, 517, 0);
    EXPECT_EQ(h.view.Popups().size(), 1u);

    h.view.onPopup = nullptr;
    h.form.Form_MouseMove(0, 0, 517, 0);
    h.form.Form_MouseMove(0, 0, 0x7B, 0);
    EXPECT_EQ(h.view.Popups().size(), 2u);
    EXPECT_FALSE(h.view.PopupAnchors().back()) << "a mouse's menu opens at the mouse";

    h.form.Form_MouseMove(0, 0, 0x7B, 0); // Shift+F10 later
    EXPECT_EQ(h.view.Popups().size(), 3u);
}

TEST_F(Form1Tray, AMenuAskedForFromTheKeyboardOpensAtTheIconAndGivesTheFocusBack)
{
    h.view.UserMinimize();

    h.form.Form_MouseMove(0, 0, 0x7B, 0);

    ASSERT_EQ(h.view.PopupAnchors().size(), 1u);
    EXPECT_EQ(h.view.PopupAnchors()[0], h.tray.iconArea);
    EXPECT_EQ(h.tray.focusReturns, 1);

    // "Geri Getir" takes the icon away: the focus stays in the restored window.
    h.view.UserMinimize();
    h.view.onPopup = [&](MenuItem) { h.form.mPopRestore_Click(); };
    h.form.Form_MouseMove(0, 0, 0x7B, 0);
    EXPECT_TRUE(h.view.Shown());
    EXPECT_EQ(h.tray.focusReturns, 1);
}

TEST_F(Form1Tray, TipSaysWhenTheArmedClosingComesAndFollowsTheKind)
{
    h.clock.Set({2026, 12, 7, 10, 0, 0});
    h.view.UserSelectOption(2);
    Arm();
    ASSERT_FALSE(h.tray.Calls().empty());
    EXPECT_EQ(h.tray.Calls().back().data.szTip, L"Dorvik! V1.0\nKapatma 11:00:00 (1 sa kaldı)");

    h.clock.Advance(std::chrono::minutes(1));
    h.form.Timer1_Tick();
    EXPECT_EQ(h.tray.Calls().back().data.szTip, L"Dorvik! V1.0\nKapatma 11:00:00 (59 dk kaldı)");

    h.form.BilgisayariYenidenBaslat_Click();
    EXPECT_EQ(h.tray.Calls().back().data.szTip, L"Dorvik! V1.0\nYeniden başlatma 11:00:00 (59 dk kaldı)");

    h.form.Form_CommandLine(command::ParseCommandLine(std::vector<std::wstring>{L"/iptal"}));
    EXPECT_EQ(h.tray.Calls().back().data.szTip, L"Dorvik! V1.0");
}

// At a slow log-on the shell refuses the icon for a few seconds, then announces itself.
TEST_F(Form1Tray, AnArmedWindowShownForWantOfAnIconGoesToTheTrayWhenTheShellComes)
{
    h.tray.acceptAdd = false;
    Arm();
    ASSERT_TRUE(h.view.Shown());

    h.tray.acceptAdd = true;
    h.form.Form_TaskbarCreated();

    EXPECT_FALSE(h.view.Shown());
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
}

// At 325 % scaling the window is wider than 514 pixels: a real move there is not the icon's callback.
TEST_F(Form1Tray, MouseMovesOverTheShownWindowAreNeverTheIcon)
{
    for (const double x : {514.0, 517.0})
    {
        h.form.Form_MouseMove(0, 0, x, 0);
    }
    EXPECT_TRUE(h.tray.Calls().empty());
    EXPECT_TRUE(h.view.Popups().empty());
    EXPECT_EQ(h.view.ForegroundCalls(), 0);
}

TEST_F(Form1Tray, WindowsSessionEndIsNeverHeldUpAndLeavesNoIcon)
{
    Arm();
    EXPECT_TRUE(h.form.Form_QueryEndSession());
    h.form.Form_EndSession(true);
    EXPECT_FALSE(h.tray.ShownIcon());
    EXPECT_TRUE(h.power.Calls().empty());
}

TEST_F(Form1Tray, CancelledSessionEndKeepsTheIcon)
{
    Arm();
    EXPECT_TRUE(h.form.Form_QueryEndSession());
    h.form.Form_EndSession(false);
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
}

} // namespace
} // namespace dorvik::test
