// The program's icon in the notification area: when it is there, its colour and tip, what the shell's
// mouse messages for it do, its menu, and its return after explorer restarts.
#include <windows.h>

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <shellapi.h>
#include <string>
#include <vector>

#include "resources/UiText.h"
#include "resources/resource.h"
#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/Input.h"
#include "support/MenuProbe.h"
#include "support/NotificationArea.h"
#include "support/Scheduling.h"
#include "support/Screen.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

constexpr wchar_t kTrayMenuProperty[] = L"DorvikTrayMenu";

bool ShowsIcon(int resourceId)
{
    const win32::UniqueHicon icon = LoadProgramIcon(resourceId);
    return FindNotificationIcon(icon.get()).has_value();
}

// The tip of the program's icon, found by its picture.
std::optional<std::wstring> TipOfIcon(int resourceId)
{
    const win32::UniqueHicon icon = LoadProgramIcon(resourceId);
    const auto area = FindNotificationIcon(icon.get());
    if (!area)
    {
        return std::nullopt;
    }
    return NotificationTipAt({(area->left + area->right) / 2, (area->top + area->bottom) / 2});
}

// Puts the mouse pointer at point. Wine answers GetCursorPos from its own record only for 100 ms after a
// move and then asks the display, so the move counts once the display agrees after that time.
bool MoveMouseTo(POINT point)
{
    if (!::SetCursorPos(point.x, point.y))
    {
        return false;
    }
    const auto moved = std::chrono::steady_clock::now();
    return WaitUntil([&] {
        POINT now{};
        return std::chrono::steady_clock::now() - moved > Milliseconds(150) && ::GetCursorPos(&now) &&
               now.x == point.x && now.y == point.y;
    });
}

// The pop-up menus (class #32768) that process pid shows.
std::vector<Window> OpenMenus(DWORD pid)
{
    std::vector<Window> menus = VisibleTopLevelWindows(pid);
    std::erase_if(menus, [](const Window& window) { return !window.HasClass(L"#32768"); });
    return menus;
}

// Sends the icon's callback with message and waits for the one menu it opens; where it stands on the screen,
// or nothing when no menu came.
std::optional<RECT> OpenTrayMenu(const DorvikApp& app, UINT message)
{
    SendTrayCallback(app.Main(), message);
    if (!WaitUntil([&] { return OpenMenus(app.Process().Pid()).size() == 1; }))
    {
        return std::nullopt;
    }
    return OpenMenus(app.Process().Pid()).front().WindowRect();
}

bool IsForeground(const Window& window)
{
    return Window(::GetForegroundWindow()) == window;
}

void Minimise(const DorvikApp& app)
{
    app.Main().Post(WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return !app.Main().IsVisible(); })) << "the window stayed on the screen";
    ASSERT_TRUE(WaitUntil([] { return ShowsIcon(IDI_DORVIK); })) << "no green icon in the notification area";
}

// Wine's shell delivers the icon's mouse messages with SendNotifyMessage, which queues them among the sent
// messages; a message sent afterwards is therefore handled after them, so its answer tells that they have
// been handled too.
void DeliverAndWait(const Window& main, UINT mouseMessage)
{
    ASSERT_TRUE(::SendNotifyMessageW(main.Handle(), WM_MOUSEMOVE, 1, static_cast<LPARAM>(mouseMessage)));
    main.Send(WM_NULL);
}

// Arms a closing whose moment lies two hours ahead, so that nothing comes due while the test runs.
void ArmFarAhead(const DorvikApp& app)
{
    ArmAt(app, ClockTimeIn(2 * 3600));
}

void ExpectRestoredToTheForeground(const DorvikApp& app)
{
    EXPECT_TRUE(WaitUntil([&] { return app.Main().IsVisible(); })) << "the window was not shown";
    EXPECT_FALSE(app.Main().IsMinimized());
    EXPECT_TRUE(WaitUntil([&] { return IsForeground(app.Main()); })) << "the window is not in the foreground";
    EXPECT_TRUE(WaitUntil([] { return !NotificationAreaShown(); }))
        << "the icon stayed in the notification area";
}

TEST(Tray, MinimisingHidesTheWindowAndShowsTheGreenIconWithTheCaptionAsItsTip)
{
    struct Case
    {
        const char* how;
        void (*minimise)(const Window& main);
    };

    const Case cases[] = {
        {"the minimise box", [](const Window& main) { main.Post(WM_SYSCOMMAND, SC_MINIMIZE); }},
        {"ShowWindow from another program",
         [](const Window& main) { ::ShowWindow(main.Handle(), SW_MINIMIZE); }},
    };
    for (const Case& minimise : cases)
    {
        SCOPED_TRACE(minimise.how);
        DorvikApp app = DorvikApp::Start();
        EXPECT_FALSE(NotificationAreaShown()) << "an icon before the window was hidden";

        minimise.minimise(app.Main());
        EXPECT_TRUE(WaitUntil([&] { return !app.Main().IsVisible(); })) << "the window stayed on the screen";
        EXPECT_TRUE(WaitUntil([] { return ShowsIcon(IDI_DORVIK); }))
            << "no green icon in the notification area";
        EXPECT_FALSE(ShowsIcon(IDI_DORVIKSET)) << "yellow, with nothing armed";
        EXPECT_EQ(TipOfIcon(IDI_DORVIK), kMainWindowTitle);
        EXPECT_EQ(NotificationTips().size(), 1u) << "one icon";
    }
}

TEST(Tray, LeftButtonUpOnTheIconRestoresTheWindowToTheForegroundAndRemovesTheIcon)
{
    DorvikApp app = DorvikApp::Start();
    Minimise(app);
    ASSERT_FALSE(HasFatalFailure());

    SendTrayCallback(app.Main(), WM_LBUTTONUP);
    ExpectRestoredToTheForeground(app);
    SaveScreenshot(CaptureSettled(app.Main().WindowRect()), L"restored");
    EXPECT_TRUE(QuickChoicesDrawn(app)) << "the restored window shows every quick choice";
}

TEST(Tray, ARealClickOnTheIconRestoresTheWindow)
{
    DorvikApp app = DorvikApp::Start();
    Minimise(app);
    ASSERT_FALSE(HasFatalFailure());
    const win32::UniqueHicon green = LoadProgramIcon(IDI_DORVIK);
    const auto icon = FindNotificationIcon(green.get());
    ASSERT_TRUE(icon);

    ClickAt({(icon->left + icon->right) / 2, (icon->top + icon->bottom) / 2});
    ExpectRestoredToTheForeground(app);
}

TEST(Tray, RightButtonUpOpensTheTrayMenuAtTheMouse)
{
    DorvikApp app = DorvikApp::Start();
    Minimise(app);
    ASSERT_FALSE(HasFatalFailure());
    const POINT mouse{300, 250};
    ASSERT_TRUE(MoveMouseTo(mouse));

    const std::optional<RECT> menu = OpenTrayMenu(app, WM_RBUTTONUP);
    ASSERT_TRUE(menu) << "no menu opened";
    EXPECT_EQ(menu->left, mouse.x);
    EXPECT_EQ(menu->top, mouse.y);
    EXPECT_FALSE(app.Main().IsVisible()) << "the menu opens without the window";
    SaveDesktopScreenshot(L"tray-menu");

    app.Main().Post(WM_CANCELMODE);
    EXPECT_TRUE(WaitUntil([&] { return OpenMenus(app.Process().Pid()).empty(); })) << "the menu stayed open";
    EXPECT_FALSE(app.Main().IsVisible());
    EXPECT_TRUE(ShowsIcon(IDI_DORVIK));

    // A menu dismissed without a choice must not keep the next right click from opening it.
    SendTrayCallback(app.Main(), WM_RBUTTONUP);
    EXPECT_TRUE(WaitUntil([&] { return OpenMenus(app.Process().Pid()).size() == 1; }))
        << "no menu the second time";
    app.Main().Post(WM_CANCELMODE);
    EXPECT_TRUE(WaitUntil([&] { return OpenMenus(app.Process().Pid()).empty(); }));
    EXPECT_TRUE(app.Process().IsRunning());
}

// A keyboard user reaches the icon with Win+B and the arrows; the shell then reports Enter or Space as
// NIN_KEYSELECT and Shift+F10 or the menu key as WM_CONTEXTMENU.
TEST(Tray, KeyboardOnTheIconOpensTheMenuBesideTheNotificationAreaAndRestoresTheWindow)
{
    DorvikApp app = DorvikApp::Start();
    Minimise(app);
    ASSERT_FALSE(HasFatalFailure());
    const POINT mouse{300, 250};
    ASSERT_TRUE(MoveMouseTo(mouse));

    const std::optional<RECT> menu = OpenTrayMenu(app, WM_CONTEXTMENU);
    ASSERT_TRUE(menu) << "no menu opened";
    const RECT taskbar = Taskbar().WindowRect();
    EXPECT_FALSE(menu->left == mouse.x && menu->top == mouse.y) << "a keyboard's menu opened at the mouse";
    EXPECT_LE(menu->bottom, taskbar.top) << "the menu covers the notification area";
    EXPECT_GE(menu->right, taskbar.right - 64) << "the menu is far from the notification area";
    SaveDesktopScreenshot(L"tray-menu-keyboard");
    app.Main().Post(WM_CANCELMODE);
    ASSERT_TRUE(WaitUntil([&] { return OpenMenus(app.Process().Pid()).empty(); })) << "the menu stayed open";
    EXPECT_FALSE(app.Main().IsVisible());
    EXPECT_TRUE(ShowsIcon(IDI_DORVIK));

    SendTrayCallback(app.Main(), NIN_KEYSELECT);
    ExpectRestoredToTheForeground(app);
}

// The tray menu makes the hidden window the foreground one. Keys pressed after the menu is dismissed go to
// its focus, and must not change a choice the user cannot see: in application mode the quick choice is the
// delay of the armed closing.
TEST(Tray, KeysAfterTheTrayMenuCannotChangeTheHiddenWindowsChoices)
{
    DorvikApp app = DorvikApp::Start();
    Click(app.Control(OptHizli(2)));
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(app.Control(OptHizli(2))); }));
    Arm(app);

    SendTrayCallback(app.Main(), WM_RBUTTONUP);
    ASSERT_TRUE(WaitUntil([&] { return OpenMenus(app.Process().Pid()).size() == 1; })) << "no menu opened";
    PressKey(FocusedWindow(app.Main()), VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return OpenMenus(app.Process().Pid()).empty(); }))
        << "Esc left the menu open";

    const Window focus = FocusedWindow(app.Main());
    EXPECT_TRUE(!focus || focus == app.Main()) << "the focus is on a control of the hidden window";
    const Window target = focus ? focus : app.Main();
    PressKey(target, VK_DOWN);
    PressKey(target, VK_DOWN);
    // The help box comes after the keys in the same queue: once it is open, they have been handled.
    app.RunMenuCommand(MenuItem::ProgramHakkinda);
    const auto box = WaitForMessageBox(app.Process().Pid());
    ASSERT_TRUE(box);
    box->Answer(IDOK);

    EXPECT_TRUE(IsChecked(app.Control(OptHizli(2)))) << "\"Bir Saat Sonra\" was deselected";
    EXPECT_FALSE(IsChecked(app.Control(OptHizli(3))));
    EXPECT_FALSE(IsChecked(app.Control(OptHizli(4))));
}

TEST(Tray, OtherMouseMessagesOnTheIconDoNothing)
{
    DorvikApp app = DorvikApp::Start();
    Minimise(app);
    ASSERT_FALSE(HasFatalFailure());

    struct Case
    {
        UINT message;
        const char* what;
    };

    for (const Case& mouse :
         {Case{WM_MOUSEMOVE, "a move over the icon"}, Case{WM_LBUTTONDOWN, "left press"},
          Case{WM_LBUTTONDBLCLK, "left double click"}, Case{WM_RBUTTONDOWN, "right press"},
          Case{WM_RBUTTONDBLCLK, "right double click"}})
    {
        SCOPED_TRACE(mouse.what);
        DeliverAndWait(app.Main(), mouse.message);
        EXPECT_FALSE(app.Main().IsVisible()) << "the window was shown";
        EXPECT_TRUE(OpenMenus(app.Process().Pid()).empty()) << "a menu opened";
        EXPECT_TRUE(ShowsIcon(IDI_DORVIK)) << "the icon went";
    }
    EXPECT_TRUE(app.Process().IsRunning());
}

TEST(Tray, TrayMenuHoldsGeriGetirASeparatorAndCikis)
{
    DorvikApp app = DorvikApp::Start();
    const std::vector<MenuItemState> items = ReadPropertyMenu(app.Main(), kTrayMenuProperty);

    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].path, std::vector<std::wstring>{std::wstring(text::kMenuPopRestore)});
    EXPECT_EQ(items[0].id, static_cast<int>(MenuItem::mPopRestore));
    EXPECT_TRUE(items[1].separator);
    EXPECT_EQ(items[2].path, std::vector<std::wstring>{std::wstring(text::kMenuPopExit)});
    EXPECT_EQ(items[2].id, static_cast<int>(MenuItem::mPopExit));
    for (const MenuItemState& item : {items[0], items[2]})
    {
        SCOPED_TRACE(Utf8(item.Caption()));
        EXPECT_FALSE(item.popup);
        EXPECT_FALSE(item.checked);
        EXPECT_FALSE(item.grayed || item.disabled);
        EXPECT_FALSE(item.defaultItem) << "the menu has no default item";
    }
}

TEST(Tray, GeriGetirRestoresTheWindowToTheForegroundAndRemovesTheIcon)
{
    struct Case
    {
        const char* how;
        void (*choose)(const DorvikApp& app);
    };

    const Case cases[] = {
        {"its access key in the open menu",
         [](const DorvikApp& app) {
             SendTrayCallback(app.Main(), WM_RBUTTONUP);
             ASSERT_TRUE(WaitUntil([&] { return OpenMenus(app.Process().Pid()).size() == 1; }));
             // The menu reads the keyboard from the queue of the thread that opened it.
             PressKey(app.Main(), 'G');
         }},
        {"its command", [](const DorvikApp& app) { app.RunMenuCommand(MenuItem::mPopRestore); }},
    };
    for (const Case& restore : cases)
    {
        SCOPED_TRACE(restore.how);
        DorvikApp app = DorvikApp::Start();
        Minimise(app);
        ASSERT_FALSE(HasFatalFailure());

        restore.choose(app);
        ASSERT_FALSE(HasFatalFailure());
        ExpectRestoredToTheForeground(app);
        EXPECT_TRUE(WaitUntil([&] { return OpenMenus(app.Process().Pid()).empty(); }));
    }
}

TEST(Tray, TaskbarCreatedPutsTheIconBackOnlyWhileTheWindowIsHidden)
{
    const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    ASSERT_NE(taskbarCreated, 0u);
    // A restarted explorer announces itself to every top-level window; sent, so that it has been handled by
    // all of them when the call returns.
    const auto announceNewTaskbar = [&] {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutW(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    };

    DorvikApp app = DorvikApp::Start();
    announceNewTaskbar();
    EXPECT_FALSE(NotificationAreaShown()) << "an icon while the window is shown";

    Minimise(app);
    ASSERT_FALSE(HasFatalFailure());
    // A new explorer starts with an empty notification area.
    ASSERT_TRUE(RemoveNotificationIcon(app.Main(), 1));
    ASSERT_TRUE(WaitUntil([] { return !NotificationAreaShown(); }));

    announceNewTaskbar();
    EXPECT_TRUE(WaitUntil([] { return ShowsIcon(IDI_DORVIK); })) << "the icon did not come back";
    EXPECT_FALSE(app.Main().IsVisible());
    EXPECT_EQ(TipOfIcon(IDI_DORVIK), kMainWindowTitle);
    EXPECT_EQ(NotificationTips().size(), 1u) << "one icon";

    // Armed, the icon comes back in the colour it had.
    SendTrayCallback(app.Main(), WM_LBUTTONUP);
    ASSERT_TRUE(WaitUntil([&] { return app.Main().IsVisible() && !NotificationAreaShown(); }));
    ArmFarAhead(app);
    ASSERT_TRUE(WaitUntil([] { return ShowsIcon(IDI_DORVIKSET); }));
    ASSERT_TRUE(RemoveNotificationIcon(app.Main(), 1));
    ASSERT_TRUE(WaitUntil([] { return !NotificationAreaShown(); }));
    announceNewTaskbar();
    EXPECT_TRUE(WaitUntil([] { return ShowsIcon(IDI_DORVIKSET); })) << "the yellow icon did not come back";
    EXPECT_FALSE(ShowsIcon(IDI_DORVIK));
}

TEST(Tray, ArmedIconIsYellowAndComesBackYellowAfterARestore)
{
    DorvikApp app = DorvikApp::Start();
    ArmFarAhead(app);

    ASSERT_TRUE(WaitUntil([] { return ShowsIcon(IDI_DORVIKSET); })) << "no yellow icon while armed";
    EXPECT_FALSE(ShowsIcon(IDI_DORVIK));
    EXPECT_FALSE(ShowsIcon(IDI_KAPAN));
    // The caption, and under it when the armed closing comes.
    const std::optional<std::wstring> tip = TipOfIcon(IDI_DORVIKSET);
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->substr(0, tip->find(L'\n')), kMainWindowTitle);
    EXPECT_TRUE(tip->substr(tip->find(L'\n') + 1).starts_with(L"Kapatma ")) << Utf8(*tip);
    SaveScreenshot(CaptureSettled(Taskbar().WindowRect()), L"armed-icon");

    // Restoring leaves the closing armed, so the next minimise shows yellow again.
    SendTrayCallback(app.Main(), WM_LBUTTONUP);
    ExpectRestoredToTheForeground(app);
    app.Main().Post(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(WaitUntil([&] { return !app.Main().IsVisible(); }));
    EXPECT_TRUE(WaitUntil([] { return ShowsIcon(IDI_DORVIKSET); })) << "not yellow after the restore";
    EXPECT_FALSE(ShowsIcon(IDI_DORVIK));
}

} // namespace
} // namespace dorvik::e2e
