// The warning a minute before the closing, as the notification area shows it: its balloon, and the click on
// it that brings the window back with the closing still armed.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/Input.h"
#include "support/MessageBoxes.h"
#include "support/NotificationArea.h"
#include "support/Scheduling.h"
#include "support/Text.h"
#include "support/WinebootStub.h"

namespace dorvik::e2e
{
namespace
{

// Wine's balloon sends no notification of a click on it, so the test sends the one Windows sends: with the
// icon's version 3, NIN_BALLOONUSERCLICK in the callback's lParam.
TEST(WarningWinebootStub, BalloonAMinuteAheadBringsTheWindowBackStillArmed)
{
    ASSERT_TRUE(WinebootStubActive()) << "a closing must not end the session";
    DorvikApp app = DorvikApp::Start();
    // Typing the time takes a few seconds; the target must still be more than a minute away when armed.
    const ClockTime target = ClockTimeIn(75);
    ArmAt(app, target);

    std::optional<BalloonNotification> balloon;
    ASSERT_TRUE(WaitUntil([&] { return (balloon = ShownBalloon()).has_value(); }, Milliseconds(30'000)))
        << "no balloon a minute before the closing";
    EXPECT_EQ(balloon->title, kMainWindowTitle);
    EXPECT_EQ(balloon->text, L"Bilgisayar bir dakika sonra kapatılacak.\nVazgeçmek için buraya tıklayın.");

    SendTrayCallback(app.Main(), NIN_BALLOONUSERCLICK);
    ASSERT_TRUE(WaitUntil([&] { return app.Main().IsVisible(); }))
        << "the click did not bring the window back";
    EXPECT_TRUE(WaitUntil([] { return !NotificationAreaShown(); })) << "the icon stayed, as after no restore";
    EXPECT_TRUE(TitleBarShows(app.Main(), ProgramIcon::Yellow)) << "the closing is no longer armed";

    // The window's own cancel: switching the mode.
    app.RunMenuCommand(MenuItem::ProgramaGore);
    const auto cancelled = WaitForMessageBox(app.Process().Pid());
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(cancelled->Text(), L"Önce belirlediğiniz kapama işlemi iptal edilmiştir!");
    cancelled->Answer(IDOK);
    const Window picker = WaitForPicker(app);
    ASSERT_TRUE(picker);
    Click(picker.Descendant(static_cast<int>(ControlId::UygulamaCommand2)));
    EXPECT_TRUE(WaitUntil([&] { return TitleBarShows(app.Main(), ProgramIcon::Green); }));
    EXPECT_TRUE(WinebootStubCalls().empty());
}

} // namespace
} // namespace dorvik::e2e
