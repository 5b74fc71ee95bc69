// The help text of "Yardım", the ways out of the program, which all end it at once without asking and
// without leaving an icon behind, and its answers to the end of the session.
#include <windows.h>

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "support/DorvikApp.h"
#include "support/Input.h"
#include "support/MessageBoxes.h"
#include "support/NotificationArea.h"
#include "support/Scheduling.h"
#include "support/Screen.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

const std::wstring kHelpText =
    L"Program windows'unuzu istediğiniz saatte yada belirlediğiniz bir program sona erdiği zaman, siz "
    L"bilgisayarınızın başında olmasanız bile kapamanıza, yeniden başlatmanıza ve oturumunun kapatılmasına "
    L"olanak sağlar.\r\n"
    L"Dorvik! programının ikonları size bilgi verir. Örneğin ikonun yeşil olması herhangi bir kapama seçimi "
    L"yapılmadığını, sarı ikon; kapama seçiminin yapıldığını, kırmızı ikon ise bilgisayarın "
    L"kapatılma-yeniden başlatma-oturum kapatma durumuna geçildiği anlamına gelmektedir.\r\n\r\n"
    L"Bu programı hazırlayan Dorvik geliştiricileri (Dorvik Projesi), programın kullanımından doğabilecek "
    L"herhangi bir zarardan sorumlu tutulamaz. Programı kullanan bu koşulları kabul etmiş sayılır!\r\n\r\n"
    L"Program hakkındaki istek ve önerilerinizi Dorvik geliştiricilerinin dorvik@example.org anlık "
    L"mesajlaşma ve e-posta adresine gönderebilirsiniz.\r\n"
    L"Internet Adresim : https://dorvik.example.org/";

std::vector<Window> OpenMenus(DWORD pid)
{
    std::vector<Window> menus = VisibleTopLevelWindows(pid);
    std::erase_if(menus, [](const Window& window) { return !window.HasClass(L"#32768"); });
    return menus;
}

void MinimiseToTray(const DorvikApp& app)
{
    app.Main().Post(WM_SYSCOMMAND, SC_MINIMIZE);
    if (!WaitUntil([&] { return !app.Main().IsVisible() && NotificationAreaShown(); }))
    {
        throw std::runtime_error("minimising did not put the window into the notification area");
    }
}

void RestoreFromTheIcon(const DorvikApp& app)
{
    SendTrayCallback(app.Main(), WM_LBUTTONUP);
    if (!WaitUntil([&] { return app.Main().IsVisible() && !NotificationAreaShown(); }))
    {
        throw std::runtime_error("a click on the icon did not bring the window back");
    }
}

// A closing whose moment lies two hours ahead, so that nothing comes due while the test runs.
void ArmFarAhead(const DorvikApp& app)
{
    ArmAt(app, ClockTimeIn(2 * 3600));
    if (!WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }))
    {
        throw std::runtime_error("no yellow icon after arming");
    }
}

// "Çı&kış" chosen in the tray menu, which the right button opens, by its access key.
void ChooseTrayCikis(const DorvikApp& app)
{
    SendTrayCallback(app.Main(), WM_RBUTTONUP);
    if (!WaitUntil([&] { return OpenMenus(app.Process().Pid()).size() == 1; }))
    {
        throw std::runtime_error("the right button opened no tray menu");
    }
    // The menu reads the keyboard from the queue of the thread that opened it.
    PressKey(app.Main(), 'K');
}

struct WayOut
{
    const char* what;
    bool armed;
    // The state the way out starts from: shown, or hidden in the notification area.
    bool inTray;
    void (*leave)(const DorvikApp& app);
};

// Takes the way out and checks that the program ends at once, asks nothing and leaves no icon.
void ExpectEndsAtOnce(const WayOut& way)
{
    SCOPED_TRACE(way.what);
    DorvikApp app = DorvikApp::Start();
    if (way.armed)
    {
        ArmFarAhead(app);
        if (!way.inTray)
        {
            RestoreFromTheIcon(app);
        }
    }
    else if (way.inTray)
    {
        MinimiseToTray(app);
    }
    ASSERT_EQ(app.Main().IsVisible(), !way.inTray);

    const DWORD pid = app.Process().Pid();
    bool asked = false;
    std::optional<bool> iconAtTheEnd;
    way.leave(app);
    const bool ended = WaitUntil([&] {
        if (::WaitForSingleObject(app.Process().Handle(), 0) == WAIT_OBJECT_0)
        {
            // Looked at the moment the process has gone: Wine soon clears the icons of windows that no
            // longer exist by itself, so only now does the notification area tell whether the program
            // removed its icon.
            iconAtTheEnd = NotificationAreaShown();
            return true;
        }
        asked = asked || !FindMessageBoxes(pid).empty();
        return false;
    });
    ASSERT_TRUE(ended) << "the program still runs" << (asked ? ", asking something" : "");
    EXPECT_FALSE(asked) << "a message box came before the end";
    EXPECT_EQ(iconAtTheEnd, false) << "an icon was left in the notification area";
    EXPECT_FALSE(app.Main().Exists());
}

void MainMenuCikis(const DorvikApp& app)
{
    app.RunMenuCommand(MenuItem::Cikis);
}

void CloseBox(const DorvikApp& app)
{
    // What a click on the close box sends; the default handling turns it into WM_CLOSE.
    app.Main().Post(WM_SYSCOMMAND, SC_CLOSE);
}

void CloseMessage(const DorvikApp& app)
{
    app.Main().Post(WM_CLOSE);
}

TEST(HelpAndExit, YardimShowsTheHelpTextInAnInformationBoxTitledWithTheCaption)
{
    DorvikApp app = DorvikApp::Start();
    app.RunMenuCommand(MenuItem::ProgramHakkinda);
    const auto box = WaitForMessageBox(app.Process().Pid());
    ASSERT_TRUE(box) << "\"Yardım\" showed nothing";

    EXPECT_EQ(box->Title(), kMainWindowTitle);
    EXPECT_EQ(box->Text(), kHelpText) << "shown:\n" << Utf8(box->Text());
    EXPECT_EQ(box->Icon(), StockIcon::Information);
    EXPECT_EQ(box->ButtonIds(), std::vector<int>{IDOK});
    EXPECT_EQ(box->Owner(), app.Main());
    EXPECT_FALSE(app.Main().IsEnabled()) << "the box is modal";
    SaveScreenshot(box->Box(), L"help-box");

    box->Answer(IDOK);
    EXPECT_TRUE(WaitUntil([&] { return FindMessageBoxes(app.Process().Pid()).empty(); }));
    EXPECT_TRUE(WaitUntil([&] { return app.Main().IsEnabled(); }));
    EXPECT_TRUE(app.Main().IsVisible());
    EXPECT_FALSE(NotificationAreaShown());
    EXPECT_TRUE(app.Process().IsRunning());
}

TEST(HelpAndExit, MainMenuCikisEndsTheProgramAtOnce)
{
    ExpectEndsAtOnce({"nothing armed", false, false, MainMenuCikis});
}

TEST(HelpAndExit, MainMenuCikisEndsAnArmedProgramAtOnce)
{
    ExpectEndsAtOnce({"armed, then shown again", true, false, MainMenuCikis});
}

TEST(HelpAndExit, TrayMenuCikisRemovesTheIconAndEndsTheProgramAtOnce)
{
    ExpectEndsAtOnce({"green icon", false, true, ChooseTrayCikis});
}

TEST(HelpAndExit, TrayMenuCikisEndsAnArmedProgramAtOnce)
{
    ExpectEndsAtOnce({"yellow icon", true, true, ChooseTrayCikis});
}

TEST(HelpAndExit, CloseBoxEndsTheProgramAtOnceInsteadOfMinimising)
{
    ExpectEndsAtOnce({"nothing armed", false, false, CloseBox});
}

TEST(HelpAndExit, CloseBoxEndsAnArmedProgramAtOnce)
{
    ExpectEndsAtOnce({"armed, then shown again", true, false, CloseBox});
}

TEST(HelpAndExit, ClosingTheHiddenWindowRemovesTheIconAndEndsTheProgram)
{
    // Another program (a task list, say) may close the window while it waits in the notification area.
    ExpectEndsAtOnce({"yellow icon", true, true, CloseMessage});
}

TEST(HelpAndExit, QueryEndSessionIsAnsweredYesWhateverTheState)
{
    struct Case
    {
        const char* state;
        void (*reach)(const DorvikApp& app);
        bool visible;
    };

    // Each state follows from the one before in the same program.
    const Case cases[] = {
        {"shown, nothing armed", [](const DorvikApp&) {}, true},
        {"in the notification area, nothing armed", MinimiseToTray, false},
        {"armed, in the notification area",
         [](const DorvikApp& app) {
             RestoreFromTheIcon(app);
             ArmFarAhead(app);
         },
         false},
        {"armed, shown again", RestoreFromTheIcon, true},
    };
    DorvikApp app = DorvikApp::Start();
    for (const Case& session : cases)
    {
        SCOPED_TRACE(session.state);
        session.reach(app);
        for (const LPARAM reason : {LPARAM{0}, LPARAM{ENDSESSION_LOGOFF}})
        {
            SCOPED_TRACE("lParam " + std::to_string(reason));
            DWORD_PTR answer = 0;
            ASSERT_NE(::SendMessageTimeoutW(app.Main().Handle(), WM_QUERYENDSESSION, 0, reason,
                                            SMTO_ABORTIFHUNG, static_cast<UINT>(kSendTimeout.count()),
                                            &answer),
                      0)
                << "no answer: " << LastErrorText();
            EXPECT_EQ(answer, DWORD_PTR{TRUE});
        }
        EXPECT_TRUE(FindMessageBoxes(app.Process().Pid()).empty()) << "the question was answered with a box";
        EXPECT_EQ(app.Main().IsVisible(), session.visible) << "the question changed the window";
        EXPECT_TRUE(app.Process().IsRunning()) << "the question alone ends nothing";
    }
}

TEST(HelpAndExit, EndOfTheSessionRemovesTheIconButAnEndCalledOffDoesNot)
{
    DorvikApp app = DorvikApp::Start();
    ArmFarAhead(app);

    // The session goes on: another program refused to end.
    app.Main().Send(WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(TaskbarShows(ProgramIcon::Yellow)) << "the icon went although the session goes on";

    app.Main().Send(WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(WaitUntil([] { return !NotificationAreaShown(); })) << "the icon outlived the session";
}

} // namespace
} // namespace dorvik::e2e
