// The application picker that "Programa Göre" opens: which of the desktop's windows it lists, with which
// handles and in which order, and what choosing, refreshing and cancelling do to the main window.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

#include "resources/UiText.h"
#include "support/Bystander.h"
#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/Paths.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

constexpr wchar_t kPickerClass[] = L"DorvikPickerWindow";

LRESULT DataOf(const Window& window)
{
    return reinterpret_cast<LRESULT>(window.Handle());
}

std::string Describe(const std::vector<ComboItem>& items)
{
    std::string text;
    for (const ComboItem& item : items)
    {
        text += "\n  \"" + Utf8(item.text) + "\" data=" + std::to_string(item.data);
    }
    return text;
}

// The windows a user would not recognise as applications: those whose extended style says nothing but,
// at most, that they are application or tool windows.
bool LeftOutByStyle(DWORD exStyle)
{
    return exStyle == 0 || exStyle == WS_EX_APPWINDOW || exStyle == WS_EX_TOOLWINDOW ||
           exStyle == (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW);
}

// The list the picker must show for the desktop as it is now: the header, then every visible, titled
// top-level window in z-order, topmost first, except the program's own windows (those of process
// dorvikPid), windows titled exactly as the main window and those left out by their style.
std::vector<ComboItem> ExpectedEntries(DWORD dorvikPid)
{
    std::vector<ComboItem> entries{{std::wstring(text::kUygulamaSeciniz), 0}};
    for (const Window& window : TopLevelWindows())
    {
        if (window.ProcessId() == dorvikPid || !window.IsVisible() || LeftOutByStyle(window.ExStyle()))
        {
            continue;
        }
        const std::wstring title = window.TryText().value_or(L"");
        if (!title.empty() && title != kMainWindowTitle)
        {
            entries.push_back({title, DataOf(window)});
        }
    }
    return entries;
}

struct StyledWindow
{
    DWORD exStyle;
    std::wstring title;
};

// Borderless windows whose extended style is exactly the one asked for. The bystander's framed windows
// cannot have that: the system adds WS_EX_WINDOWEDGE to every window with a caption or a sizing frame.
ChildProcess StartStyledWindows(const std::vector<StyledWindow>& windows)
{
    std::wstring arguments;
    for (const StyledWindow& window : windows)
    {
        arguments += L"\"--styled=" + std::to_wstring(window.exStyle) + L":" + window.title + L"\" ";
    }
    ChildProcess process = ChildProcess::Start(HelperPath(L"dorvik_bystander.exe"), {arguments, {}, {}});
    if (!WaitUntil([&] { return VisibleTopLevelWindows(process.Pid()).size() >= windows.size(); },
                   kStartTimeout))
    {
        throw std::runtime_error("the bystander did not open its borderless windows");
    }
    return process;
}

class Picker : public testing::Test
{
protected:
    // Opens the picker as the menu item does, and waits until it is on the screen.
    static Window Open(const DorvikApp& app)
    {
        app.RunMenuCommand(MenuItem::ProgramaGore);
        Window picker;
        WaitUntil([&] {
            for (const Window& window : VisibleTopLevelWindows(app.Process().Pid()))
            {
                if (window.HasClass(kPickerClass))
                {
                    picker = window;
                }
            }
            return static_cast<bool>(picker);
        });
        return picker;
    }

    static Window PickerControl(const Window& picker, ControlId id)
    {
        return picker.Descendant(static_cast<int>(id));
    }

    static bool Gone(const Window& picker) { return !picker.Exists() || !picker.IsVisible(); }

    // The index of the entry that holds window's handle, or -1.
    static int IndexOf(const Window& combo, const Window& window)
    {
        const std::vector<ComboItem> items = ComboItems(combo);
        for (size_t index = 0; index < items.size(); ++index)
        {
            if (items[index].data == DataOf(window))
            {
                return static_cast<int>(index);
            }
        }
        return -1;
    }

    // Selects window's entry and chooses it with "Uygulamayı &Seç".
    static void Choose(const Window& picker, const Window& window)
    {
        const Window combo = PickerControl(picker, ControlId::ComboUygulama);
        const int index = IndexOf(combo, window);
        ASSERT_GT(index, 0) << "the window is not listed";
        SelectComboItem(combo, index);
        const Window choose = PickerControl(picker, ControlId::BtnUygulamaSec);
        ASSERT_TRUE(WaitUntil([&] { return choose.IsEnabled(); }))
            << "selecting an entry left the button disabled";
        Click(choose);
        ASSERT_TRUE(WaitUntil([&] { return Gone(picker); })) << "choosing did not close the picker";
    }
};

TEST_F(Picker, ListsEachVisibleTitledApplicationWindowWithItsOwnHandle)
{
    Bystander bystander =
        Bystander::Start(std::vector<BystanderWindow>{{L"Ziyaretçi ığüşöç İĞÜŞÖÇ"},
                                                      {L"Gizli", BystanderWindow::Kind::Hidden},
                                                      {L"Çerçeveli araç", BystanderWindow::Kind::Tool},
                                                      {L""},
                                                      {L"İkiz"},
                                                      {L"İkiz"},
                                                      {L"Dorvik! V1.0"},
                                                      {L"dorvik! v1.0"},
                                                      {L"Simge durumunda"}});
    const Window minimised = bystander.FindWindow(L"Simge durumunda");
    ASSERT_TRUE(minimised);
    ::ShowWindow(minimised.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return minimised.IsMinimized(); }));
    const ChildProcess styled = StartStyledWindows({
        {0, L"Yalın"},
        {WS_EX_TOOLWINDOW, L"Yalın araç"},
        {WS_EX_APPWINDOW, L"Yalın uygulama"},
        {WS_EX_APPWINDOW | WS_EX_TOOLWINDOW, L"Yalın araç uygulama"},
        {WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES, L"Dosya alan araç"},
        {WS_EX_APPWINDOW | WS_EX_ACCEPTFILES, L"Dosya alan uygulama"},
    });
    DorvikApp app = DorvikApp::Start();

    const Window picker = Open(app);
    ASSERT_TRUE(picker) << "\"Programa Göre\" opened no picker";
    const Window combo = PickerControl(picker, ControlId::ComboUygulama);
    ASSERT_TRUE(combo);
    const std::vector<ComboItem> items = ComboItems(combo);

    const std::vector<ComboItem> expected = ExpectedEntries(app.Process().Pid());
    EXPECT_EQ(items, expected) << "listed:" << Describe(items) << "\nexpected:" << Describe(expected);
    EXPECT_EQ(ComboSelection(combo), 0) << "the header is selected";
    EXPECT_FALSE(PickerControl(picker, ControlId::BtnUygulamaSec).IsEnabled());

    struct Case
    {
        Window window;
        std::wstring title;
        bool listed;
        const char* what;
    };

    std::vector<Window> twins;
    for (const Window& window : bystander.Windows())
    {
        if (window.TryText() == L"İkiz")
        {
            twins.push_back(window);
        }
    }
    ASSERT_EQ(twins.size(), 2u);
    const auto styledWindow = [&](std::wstring_view title) {
        return FindTopLevelWindow(title, styled.Pid());
    };
    const std::vector<Case> cases = {
        {bystander.FindWindow(L"Ziyaretçi ığüşöç İĞÜŞÖÇ"), L"Ziyaretçi ığüşöç İĞÜŞÖÇ", true,
         "a plain window"},
        {bystander.FindWindow(L"Gizli"), L"Gizli", false, "a hidden window"},
        {bystander.FindWindow(L"Çerçeveli araç"), L"Çerçeveli araç", true,
         "a tool window with a frame, which adds WS_EX_WINDOWEDGE"},
        {bystander.FindWindow(L""), L"", false, "an untitled window"},
        {twins[0], L"İkiz", true, "the first of two windows with one title"},
        {twins[1], L"İkiz", true, "the second of two windows with one title"},
        {bystander.FindWindow(L"Dorvik! V1.0"), L"Dorvik! V1.0", false,
         "another program's window with our title"},
        {bystander.FindWindow(L"dorvik! v1.0"), L"dorvik! v1.0", true, "our title in other letter case"},
        {minimised, L"Simge durumunda", true, "a minimised window, which is still visible"},
        {styledWindow(L"Yalın"), L"Yalın", false, "extended style exactly 0"},
        {styledWindow(L"Yalın araç"), L"Yalın araç", false, "exactly WS_EX_TOOLWINDOW"},
        {styledWindow(L"Yalın uygulama"), L"Yalın uygulama", false, "exactly WS_EX_APPWINDOW"},
        {styledWindow(L"Yalın araç uygulama"), L"Yalın araç uygulama", false,
         "exactly WS_EX_APPWINDOW | WS_EX_TOOLWINDOW"},
        {styledWindow(L"Dosya alan araç"), L"Dosya alan araç", true, "WS_EX_TOOLWINDOW and another bit"},
        {styledWindow(L"Dosya alan uygulama"), L"Dosya alan uygulama", true,
         "WS_EX_APPWINDOW and another bit"},
    };
    for (const Case& window : cases)
    {
        SCOPED_TRACE(std::string(window.what) + " \"" + Utf8(window.title) + "\"");
        ASSERT_TRUE(window.window) << "the bystander did not open it";
        const auto entries =
            std::count(items.begin(), items.end(), ComboItem{window.title, DataOf(window.window)});
        EXPECT_EQ(entries, window.listed ? 1 : 0) << "entries with its title and handle";
        EXPECT_EQ(IndexOf(combo, window.window) > 0, window.listed) << "an entry holds its handle";
    }
}

TEST_F(Picker, ListsOnlyTheHeaderWhenNoOtherApplicationWindowIsOpen)
{
    DorvikApp app = DorvikApp::Start();
    const Window picker = Open(app);
    ASSERT_TRUE(picker);
    const Window combo = PickerControl(picker, ControlId::ComboUygulama);

    EXPECT_EQ(ComboItems(combo), (std::vector<ComboItem>{{std::wstring(text::kUygulamaSeciniz), 0}}));
    EXPECT_EQ(ComboSelection(combo), 0);
    EXPECT_FALSE(PickerControl(picker, ControlId::BtnUygulamaSec).IsEnabled());
    EXPECT_TRUE(PickerControl(picker, ControlId::Yenile).IsEnabled());
    EXPECT_TRUE(PickerControl(picker, ControlId::UygulamaCommand2).IsEnabled());
}

TEST_F(Picker, IsABorderlessForm2OwnedByTheMainWindowAndCentredOverIt)
{
    DorvikApp app = DorvikApp::Start();
    const Window picker = Open(app);
    ASSERT_TRUE(picker);

    EXPECT_EQ(picker.Text(), text::kPickerWindowText);
    EXPECT_EQ(picker.Owner(), app.Main());
    EXPECT_FALSE(picker.Style() & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU))
        << "no border and no title bar";
    EXPECT_FALSE(picker.ExStyle() &
                 (WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_STATICEDGE));
    // An owned window without WS_EX_APPWINDOW has no taskbar button.
    EXPECT_FALSE(picker.HasExStyle(WS_EX_APPWINDOW)) << "shown in the taskbar";

    const unsigned dpi = picker.Dpi();
    const RECT client = picker.ClientRect();
    EXPECT_NEAR(client.right, TwipsToPixels(4755, dpi), 1.0) << "at " << dpi << " DPI";
    EXPECT_NEAR(client.bottom, TwipsToPixels(1170, dpi), 1.0) << "at " << dpi << " DPI";

    const RECT own = picker.WindowRect();
    const RECT main = app.Main().WindowRect();
    // Halving an odd difference leaves a pixel either way.
    EXPECT_LE(std::abs((own.left + own.right) - (main.left + main.right)), 2)
        << "picker " << own.left << "-" << own.right << ", main window " << main.left << "-" << main.right;
    EXPECT_LE(std::abs((own.top + own.bottom) - (main.top + main.bottom)), 2)
        << "picker " << own.top << "-" << own.bottom << ", main window " << main.top << "-" << main.bottom;

    const Window frame = PickerControl(picker, ControlId::Uygulamalar);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame.Text(), text::kUygulamalar);
    const Window combo = PickerControl(picker, ControlId::ComboUygulama);
    ASSERT_TRUE(combo);
    EXPECT_TRUE(combo.HasClass(L"ComboBox")) << Utf8(combo.ClassName());
    EXPECT_EQ(combo.Style() & 0x3u, static_cast<DWORD>(CBS_DROPDOWNLIST))
        << "the user can only pick, not type";
    EXPECT_FALSE(combo.Style() & CBS_SORT) << "entries stand in z-order";

    struct Button
    {
        ControlId id;
        std::wstring_view caption;
        bool enabled;
    };

    for (const Button& designed : {Button{ControlId::Yenile, text::kYenile, true},
                                   Button{ControlId::BtnUygulamaSec, text::kBtnUygulamaSec, false},
                                   Button{ControlId::UygulamaCommand2, text::kPickerCommand2, true}})
    {
        SCOPED_TRACE(Utf8(designed.caption));
        const Window button = PickerControl(picker, designed.id);
        ASSERT_TRUE(button);
        EXPECT_EQ(button.Text(), designed.caption);
        EXPECT_EQ(ButtonType(button), static_cast<DWORD>(BS_PUSHBUTTON)) << "no default button";
        EXPECT_EQ(button.IsEnabled(), designed.enabled);
        EXPECT_EQ(button.Parent(), frame);
    }
}

TEST_F(Picker, ChoosingAWindowEnablesDorvikClosesThePickerAndFreesTheMainWindow)
{
    Bystander bystander = Bystander::Start(std::vector<BystanderWindow>{{L"İzlenecek"}, {L"Diğeri"}});
    DorvikApp app = DorvikApp::Start();
    const Window dorvik = app.Control(ControlId::BtnDorvik);

    const Window picker = Open(app);
    ASSERT_TRUE(picker);
    EXPECT_FALSE(app.Main().IsEnabled()) << "the picker is modal";
    EXPECT_FALSE(dorvik.IsEnabled()) << "application mode without a chosen window";

    const Window combo = PickerControl(picker, ControlId::ComboUygulama);
    const Window choose = PickerControl(picker, ControlId::BtnUygulamaSec);
    const int index = IndexOf(combo, bystander.FindWindow(L"İzlenecek"));
    ASSERT_GT(index, 0);
    // Selecting a window entry enables the choice, and selecting the header again disables it.
    SelectComboItem(combo, index);
    EXPECT_TRUE(WaitUntil([&] { return choose.IsEnabled(); }));
    SelectComboItem(combo, 0);
    EXPECT_TRUE(WaitUntil([&] { return !choose.IsEnabled(); }));
    EXPECT_TRUE(picker.IsVisible());

    Choose(picker, bystander.FindWindow(L"İzlenecek"));
    EXPECT_TRUE(WaitUntil([&] { return app.Main().IsEnabled(); })) << "the main window stayed disabled";
    EXPECT_TRUE(WaitUntil([&] { return Window(::GetForegroundWindow()) == app.Main(); }))
        << "the main window did not come back to the front";
    EXPECT_TRUE(dorvik.IsEnabled()) << "\"&Dorvik !!!\" can arm the closing now";
    EXPECT_TRUE(app.Process().IsRunning());
}

TEST_F(Picker, RefreshListsAWindowOpenedMeanwhileAndReturnsToTheHeader)
{
    Bystander first = Bystander::Start(std::vector<BystanderWindow>{{L"Önceki"}});
    DorvikApp app = DorvikApp::Start();
    const Window picker = Open(app);
    ASSERT_TRUE(picker);
    const Window combo = PickerControl(picker, ControlId::ComboUygulama);
    const Window choose = PickerControl(picker, ControlId::BtnUygulamaSec);

    Bystander later = Bystander::Start(std::vector<BystanderWindow>{{L"Sonradan açılan"}});
    const Window opened = later.FindWindow(L"Sonradan açılan");
    ASSERT_TRUE(opened);
    EXPECT_EQ(IndexOf(combo, opened), -1) << "listed before a refresh";

    SelectComboItem(combo, IndexOf(combo, first.FindWindow(L"Önceki")));
    ASSERT_TRUE(WaitUntil([&] { return choose.IsEnabled(); }));

    Click(PickerControl(picker, ControlId::Yenile));
    ASSERT_TRUE(WaitUntil([&] { return IndexOf(combo, opened) > 0; })) << "the new window is not listed";
    EXPECT_TRUE(WaitUntil([&] { return ComboSelection(combo) == 0; })) << "the header is selected again";
    EXPECT_FALSE(choose.IsEnabled());
    // A refresh reads the desktop with the picker on it, and still leaves the program's own windows out:
    // chosen, the picker would be destroyed as it closed, and the closing would run at once.
    const std::vector<ComboItem> items = ComboItems(combo);
    const std::vector<ComboItem> expected = ExpectedEntries(app.Process().Pid());
    EXPECT_EQ(items, expected) << "listed:" << Describe(items) << "\nexpected:" << Describe(expected);
    EXPECT_TRUE(picker.IsVisible());
}

TEST_F(Picker, CancelKeepsDorvikAsTheEarlierChoiceLeftIt)
{
    struct Case
    {
        const char* what;
        bool choseBefore;
        bool dorvikEnabled;
    };

    for (const Case& cancel :
         {Case{"without an earlier choice", false, false}, Case{"after an earlier choice", true, true}})
    {
        SCOPED_TRACE(cancel.what);
        Bystander bystander = Bystander::Start(std::vector<BystanderWindow>{{L"Seçilebilir"}});
        DorvikApp app = DorvikApp::Start();
        const Window dorvik = app.Control(ControlId::BtnDorvik);
        if (cancel.choseBefore)
        {
            const Window earlier = Open(app);
            ASSERT_TRUE(earlier);
            Choose(earlier, bystander.FindWindow(L"Seçilebilir"));
            ASSERT_TRUE(WaitUntil([&] { return app.Main().IsEnabled() && dorvik.IsEnabled(); }));
        }

        const Window picker = Open(app);
        ASSERT_TRUE(picker);
        EXPECT_FALSE(app.Main().IsEnabled());
        Click(PickerControl(picker, ControlId::UygulamaCommand2));
        ASSERT_TRUE(WaitUntil([&] { return Gone(picker); })) << "\"Va&zgeç\" did not close the picker";
        EXPECT_TRUE(WaitUntil([&] { return app.Main().IsEnabled(); })) << "the main window stayed disabled";
        EXPECT_EQ(dorvik.IsEnabled(), cancel.dorvikEnabled);
    }
}

} // namespace
} // namespace dorvik::e2e
