// The e2e layer's own tools, proved on programs other than Dorvik: the bystander's windows, typing into
// another process's edit field, a real mouse click, and the recording wineboot stub.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/Bystander.h"
#include "support/Controls.h"
#include "support/Input.h"
#include "support/MenuProbe.h"
#include "support/Text.h"
#include "support/WinebootStub.h"

namespace dorvik::e2e
{
namespace
{

TEST(SupportLayer, FindsBystanderWindowsOfEveryKind)
{
    Bystander bystander =
        Bystander::Start(std::vector<BystanderWindow>{{L"Ziyaretçi ığüşöç İĞÜŞÖÇ"},
                                                      {L"Gizli", BystanderWindow::Kind::Hidden},
                                                      {L"Araç", BystanderWindow::Kind::Tool},
                                                      {L""},
                                                      {L"Dorvik! V1.0"},
                                                      {L"dorvik! v1.0"}});

    const Window visible = bystander.FindWindow(L"Ziyaretçi ığüşöç İĞÜŞÖÇ");
    ASSERT_TRUE(visible);
    EXPECT_TRUE(visible.IsVisible());

    const Window hidden = bystander.FindWindow(L"Gizli");
    ASSERT_TRUE(hidden);
    EXPECT_FALSE(hidden.IsVisible());

    const Window tool = bystander.FindWindow(L"Araç");
    ASSERT_TRUE(tool);
    EXPECT_TRUE(tool.HasExStyle(WS_EX_TOOLWINDOW));

    EXPECT_TRUE(bystander.FindWindow(L""));
    // Titles are matched exactly, case included.
    const Window upper = bystander.FindWindow(L"Dorvik! V1.0");
    const Window lower = bystander.FindWindow(L"dorvik! v1.0");
    ASSERT_TRUE(upper && lower);
    EXPECT_NE(upper, lower);
    EXPECT_EQ(bystander.Windows().size(), 6u);

    bystander.Close(visible);
    EXPECT_TRUE(WaitUntil([&] { return !visible.Exists(); }));
    EXPECT_TRUE(bystander.Process().IsRunning()) << "the bystander lives while it has windows";
}

TEST(SupportLayer, ReadsAMenuThatAnotherProcessKeepsUnderAWindowProperty)
{
    BystanderOptions options;
    options.windows = {{L"Menülü"}};
    options.menuProperty = L"DorvikTrayMenu";
    Bystander bystander = Bystander::Start(options);
    const Window window = bystander.FindWindow(L"Menülü");
    ASSERT_TRUE(window);

    const std::vector<MenuItemState> items = ReadPropertyMenu(window, L"DorvikTrayMenu");
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].path, std::vector<std::wstring>{L"&Birinci"});
    EXPECT_EQ(items[0].id, 1);
    EXPECT_TRUE(items[0].checked);
    EXPECT_TRUE(items[1].separator);
    EXPECT_EQ(items[2].Caption(), L"İ&kinci");
    EXPECT_TRUE(items[2].grayed);
    EXPECT_FALSE(items[2].checked);
    EXPECT_THROW(ReadMenuBar(window), std::runtime_error) << "the window has no menu bar";
    EXPECT_TRUE(bystander.Process().IsRunning()) << "the probe leaves the process running";
}

TEST(SupportLayer, TypesCapitalsAndTurkishLettersIntoAnEditOfAnotherProcess)
{
    // Wine's Notepad: an edit field of another process, with a message loop that translates keys.
    ChildProcess notepad = ChildProcess::Start(L"C:\\windows\\notepad.exe");
    Window edit;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (const Window& window : VisibleTopLevelWindows(notepad.Pid()))
            {
                for (const Window& child : window.Children())
                {
                    if (child.HasClass(L"Edit"))
                    {
                        edit = child;
                    }
                }
            }
            return static_cast<bool>(edit);
        },
        kStartTimeout));

    ASSERT_TRUE(FocusControl(edit));
    // Plain keys, translated into characters by Notepad's own message loop.
    TypeText(edit, L"isik 5a, 3");
    EXPECT_TRUE(WaitUntil([&] { return edit.Text() == L"isik 5a, 3"; }))
        << "the field holds \"" << Utf8(edit.Text()) << "\"";
    // Capitals and Turkish letters, which no unshifted key of the layout types.
    TypeText(edit, L" Işık çığ ŞÜ!");
    EXPECT_TRUE(WaitUntil([&] { return edit.Text() == L"isik 5a, 3 Işık çığ ŞÜ!"; }))
        << "the field holds \"" << Utf8(edit.Text()) << "\"";
}

TEST(SupportLayer, ClicksWithTheRealMouse)
{
    Bystander bystander = Bystander::Start(std::vector<BystanderWindow>{{L"Arkadaki"}, {L"Öndeki"}});
    const Window back = bystander.FindWindow(L"Arkadaki");
    const Window front = bystander.FindWindow(L"Öndeki");
    ASSERT_TRUE(back && front);
    ASSERT_NE(Window(::GetForegroundWindow()), back) << "nothing to prove: the window is already in front";

    // The cascade leaves the top strip of the window behind uncovered: its title bar.
    const RECT rect = back.WindowRect();
    ClickAt({rect.left + 8, rect.top + 6});
    EXPECT_TRUE(WaitUntil([&] { return Window(::GetForegroundWindow()) == back; }))
        << "the clicked window did not come to the front";
}

TEST(SupportLayer, RealLogOffReachesTheObserverAndEndsWindowedProcesses)
{
    // Without the stub, a log-off asks every windowed process of the Wine session and then ends it; the
    // driver has no window and lives on to look.
    BystanderOptions observerOptions;
    observerOptions.windows = {{L"Gözlemci"}};
    observerOptions.recordEndSession = true;
    Bystander observer = Bystander::Start(observerOptions);

    BystanderOptions closerOptions;
    closerOptions.windows = {{L"Kapatan"}};
    closerOptions.exitWindowsFlags = EWX_LOGOFF;
    Bystander closer = Bystander::Start(closerOptions);

    EXPECT_TRUE(observer.Process().WaitForExit(kStartTimeout)) << "the observer survived the log-off";
    EXPECT_TRUE(closer.Process().WaitForExit(kUiTimeout)) << "the caller survived its own log-off";
    // Wine sends lParam 0, never ENDSESSION_LOGOFF.
    EXPECT_EQ(observer.EndSessionLog(),
              (std::vector<std::wstring>{L"WM_QUERYENDSESSION wParam=0 lParam=0x0 title=Gözlemci",
                                         L"WM_ENDSESSION wParam=1 lParam=0x0 title=Gözlemci"}));
}

TEST(SupportLayerWinebootStub, RecordsEachKindOfClosingAndEndsNothing)
{
    if (!WinebootStubActive())
    {
        GTEST_SKIP()
            << "needs the wineboot stub, which wine-session installs for a test named *WinebootStub*";
    }

    struct Case
    {
        unsigned flags;
        std::vector<std::wstring> switches;
    };

    const std::vector<Case> cases = {
        {EWX_LOGOFF, {L"--end-session", L"--shutdown"}},
        {EWX_SHUTDOWN | EWX_FORCE, {L"--kill", L"--shutdown"}},
        {EWX_REBOOT | EWX_FORCE, {L"--kill"}},
    };
    for (const Case& closing : cases)
    {
        SCOPED_TRACE("ExitWindowsEx flags " + std::to_string(closing.flags));
        const size_t before = WinebootStubCalls().size();
        BystanderOptions options;
        options.windows = {{L"Kapatan"}};
        options.exitWindowsFlags = closing.flags;
        Bystander bystander = Bystander::Start(options);

        ASSERT_TRUE(WaitUntil([&] { return WinebootStubCalls().size() > before; })) << "nothing was recorded";
        const std::wstring call = WinebootStubCalls().back();
        for (const std::wstring& expected : closing.switches)
        {
            EXPECT_TRUE(HasSwitch(call, expected)) << Utf8(call) << " lacks " << Utf8(expected);
        }
        for (const std::wstring_view absent : {L"--end-session", L"--kill", L"--shutdown"})
        {
            if (std::find(closing.switches.begin(), closing.switches.end(), absent) == closing.switches.end())
            {
                EXPECT_FALSE(HasSwitch(call, absent)) << Utf8(call);
            }
        }
        EXPECT_TRUE(bystander.Process().IsRunning()) << "the stub must end nothing";
    }
}

} // namespace
} // namespace dorvik::e2e
