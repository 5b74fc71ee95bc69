#include "winlib/ClsApplications.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/fake/FakeWindowSystem.h"
#include "resources/UiText.h"
#include "winlib/ClsApplication.h"
#include "winlib/IListControl.h"

namespace
{

using dorvik::platform::FakeCall;
using dorvik::platform::FakeWindow;
using dorvik::platform::FakeWindowSystem;
using dorvik::platform::Rect;
using dorvik::platform::WindowId;
using dorvik::winlib::ClsApplication;
using dorvik::winlib::ClsApplications;
using dorvik::winlib::IListControl;
using ::testing::ElementsAre;
using ::testing::Pair;

// A list control that keeps its entries; a sorting one inserts each new entry in text order, as a
// sorted combo box does, so NewIndex is not always the last index.
class FakeList final : public IListControl
{
public:
    explicit FakeList(bool sorted = false)
        : sorted_(sorted)
    {
    }

    void Clear() override { entries_.clear(); }

    void AddItem(std::wstring_view text) override
    {
        auto at = entries_.end();
        if (sorted_)
        {
            at = std::upper_bound(entries_.begin(), entries_.end(), text,
                                  [](std::wstring_view t, const auto& entry) { return t < entry.first; });
        }
        newIndex_ = static_cast<int>(at - entries_.begin());
        entries_.insert(at, {std::wstring(text), 0});
    }

    int NewIndex() const override { return newIndex_; }

    void SetItemData(int index, std::uintptr_t data) override
    {
        entries_.at(static_cast<std::size_t>(index)).second = data;
    }

    const std::vector<std::pair<std::wstring, std::uintptr_t>>& Entries() const { return entries_; }

    std::vector<std::wstring> Titles() const
    {
        std::vector<std::wstring> titles;
        for (const auto& entry : entries_)
        {
            titles.push_back(entry.first);
        }
        return titles;
    }

private:
    bool sorted_;
    int newIndex_ = -1;
    std::vector<std::pair<std::wstring, std::uintptr_t>> entries_;
};

const std::wstring kHeader(dorvik::text::kUygulamaSeciniz);

std::uintptr_t Data(WindowId h)
{
    return static_cast<std::uintptr_t>(h);
}

FakeWindow Titled(std::wstring title)
{
    FakeWindow window;
    window.title = std::move(title);
    return window;
}

FakeWindow Hidden(std::wstring title)
{
    FakeWindow window = Titled(std::move(title));
    window.visible = false;
    return window;
}

FakeWindow WithExStyle(std::wstring title, std::int32_t exStyle)
{
    FakeWindow window = Titled(std::move(title));
    window.exStyle = exStyle;
    return window;
}

class ClsApplicationsTest : public ::testing::Test
{
protected:
    FakeWindowSystem fake_;
    ClsApplication pencere_{fake_};
    ClsApplications pencereler_{fake_, pencere_};
    FakeList list_;
};

TEST_F(ClsApplicationsTest, ListHoldsOnlyTheHeaderWhenNoWindowQualifies)
{
    fake_.Add(Titled(L"Dorvik! V1.0"));
    fake_.Add(Hidden(L"Gizli Pencere"));
    fake_.Add(Titled(L""));
    fake_.Add(WithExStyle(L"Araç Kutusu", 0x80));

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Entries(), ElementsAre(Pair(kHeader, 0u)));
}

TEST_F(ClsApplicationsTest, ListsWindowsInZOrderAfterTheHeaderWithTheirHandles)
{
    const WindowId notepad = fake_.Add(Titled(L"Adsız - Not Defteri"));
    const WindowId calc = fake_.Add(Titled(L"Hesap Makinesi"));
    const WindowId paint = fake_.Add(Titled(L"Resim"));
    fake_.BringToTop(paint);

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Entries(), ElementsAre(Pair(kHeader, 0u), Pair(L"Resim", Data(paint)),
                                             Pair(L"Adsız - Not Defteri", Data(notepad)),
                                             Pair(L"Hesap Makinesi", Data(calc))));
}

TEST_F(ClsApplicationsTest, RefillReplacesTheEntries)
{
    fake_.Add(Titled(L"Hesap Makinesi"));
    pencereler_.FillWndListBox(list_, true);
    fake_.Add(Titled(L"Resim"));

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Titles(), ElementsAre(kHeader, L"Hesap Makinesi", L"Resim"));
}

TEST_F(ClsApplicationsTest, DuplicateTitlesGiveOneEntryEachWithItsOwnHandle)
{
    const WindowId first = fake_.Add(Titled(L"Komut İstemi"));
    const WindowId second = fake_.Add(Titled(L"Komut İstemi"));

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Entries(), ElementsAre(Pair(kHeader, 0u), Pair(L"Komut İstemi", Data(first)),
                                             Pair(L"Komut İstemi", Data(second))));
}

// Chosen, the picker's own window would be destroyed as the picker closes, and the closing would fire.
TEST_F(ClsApplicationsTest, TheProgramsOwnWindowsAreNeverListed)
{
    FakeWindow picker = Titled(L"Form2");
    picker.own = true;
    fake_.Add(picker);
    const WindowId other = fake_.Add(Titled(L"Form2"));

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Entries(), ElementsAre(Pair(kHeader, 0u), Pair(L"Form2", Data(other))));
}

TEST_F(ClsApplicationsTest, MinimisedWindowIsListedAndFound)
{
    FakeWindow minimised = Titled(L"Simge Durumunda");
    minimised.iconic = true;
    minimised.rect = Rect{-32000, -32000, -31840, -31972};
    const WindowId h = fake_.Add(minimised);

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Entries(), ElementsAre(Pair(kHeader, 0u), Pair(L"Simge Durumunda", Data(h))));
    EXPECT_TRUE(pencereler_.ReturnProcessInfo(h));
}

TEST_F(ClsApplicationsTest, ChildWindowsAreNeverListed)
{
    const WindowId parent = fake_.Add(Titled(L"Ana Pencere"));
    fake_.AddChild(parent, Titled(L"Tamam"));

    pencereler_.FillWndListBox(list_, false);

    EXPECT_THAT(list_.Titles(), ElementsAre(kHeader, L"Ana Pencere"));
}

TEST_F(ClsApplicationsTest, WithoutVisibleOnlyHiddenTitledWindowsAreListedAndNoStyleIsRead)
{
    const WindowId hidden = fake_.Add(Hidden(L"Tepsideki Program"));
    const WindowId plain = fake_.Add(WithExStyle(L"Stilsiz", 0));
    const WindowId tool = fake_.Add(WithExStyle(L"Araç", 0x80));
    fake_.Add(Hidden(L""));

    pencereler_.FillWndListBox(list_, false);

    EXPECT_THAT(list_.Entries(), ElementsAre(Pair(kHeader, 0u), Pair(L"Tepsideki Program", Data(hidden)),
                                             Pair(L"Stilsiz", Data(plain)), Pair(L"Araç", Data(tool))));
    EXPECT_EQ(fake_.CallCount(FakeCall::ExtendedStyle), 0u);
}

TEST_F(ClsApplicationsTest, SortingListKeepsEachTitleWithItsHandle)
{
    FakeList sorted(true);
    const WindowId zeta = fake_.Add(Titled(L"Zeta"));
    const WindowId alpha = fake_.Add(Titled(L"Alpha"));
    const WindowId mu = fake_.Add(Titled(L"Mu"));

    pencereler_.FillWndListBox(sorted, true);

    EXPECT_THAT(sorted.Entries(), ElementsAre(Pair(kHeader, 0u), Pair(L"Alpha", Data(alpha)),
                                              Pair(L"Mu", Data(mu)), Pair(L"Zeta", Data(zeta))));
}

TEST_F(ClsApplicationsTest, FillReadsEveryTopLevelWindowThroughTheSharedObject)
{
    const WindowId a = fake_.Add(Titled(L"A"));
    const WindowId b = fake_.Add(Hidden(L""));
    fake_.AddChild(a, Titled(L"Child"));
    const WindowId c = fake_.Add(Titled(L"C"));

    pencereler_.FillWndListBox(list_, true);

    std::vector<WindowId> titlesRead;
    for (const auto& call : fake_.Calls())
    {
        if (call.call == FakeCall::WindowText)
        {
            titlesRead.push_back(call.window);
        }
    }
    EXPECT_THAT(titlesRead, ElementsAre(a, b, c));
    EXPECT_EQ(pencere_.hWnd(), c);
}

struct ExStyleCase
{
    const char* name;
    std::int32_t exStyle;
    bool listed;

    friend void PrintTo(const ExStyleCase& c, std::ostream* os) { *os << c.name; }
};

class ClsApplicationsExStyle : public ::testing::TestWithParam<ExStyleCase>
{
};

TEST_P(ClsApplicationsExStyle, VisibleOnlyLeavesOutPlainToolAndAppWindowStyles)
{
    FakeWindowSystem fake;
    ClsApplication pencere(fake);
    ClsApplications pencereler(fake, pencere);
    FakeList list;
    fake.Add(WithExStyle(L"Pencere", GetParam().exStyle));

    pencereler.FillWndListBox(list, true);

    EXPECT_EQ(list.Entries().size(), GetParam().listed ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ClsApplicationsExStyle,
    ::testing::Values(ExStyleCase{"None", 0, false}, ExStyleCase{"AppWindow", 0x40000, false},
                      ExStyleCase{"ToolWindow", 0x80, false}, ExStyleCase{"AppAndToolWindow", 0x40080, false},
                      ExStyleCase{"WindowEdge", 0x100, true}, ExStyleCase{"ToolWindowWithEdge", 0x180, true},
                      ExStyleCase{"AppWindowWithEdge", 0x40100, true}, ExStyleCase{"Topmost", 0x8, true},
                      ExStyleCase{"TopmostToolWindow", 0x88, true}, ExStyleCase{"Layered", 0x80000, true},
                      ExStyleCase{"HighBit", static_cast<std::int32_t>(0x80000000u), true}),
    [](const ::testing::TestParamInfo<ExStyleCase>& tested) { return std::string(tested.param.name); });

struct OwnTitleCase
{
    const char* name;
    const wchar_t* title;
    bool listed;

    friend void PrintTo(const OwnTitleCase& c, std::ostream* os) { *os << c.name; }
};

class ClsApplicationsOwnTitle : public ::testing::TestWithParam<std::tuple<OwnTitleCase, bool>>
{
};

TEST_P(ClsApplicationsOwnTitle, OnlyTheExactCaptionIsLeftOut)
{
    const auto& [titleCase, visibleOnly] = GetParam();
    FakeWindowSystem fake;
    ClsApplication pencere(fake);
    ClsApplications pencereler(fake, pencere);
    FakeList list;
    fake.Add(Titled(titleCase.title));

    pencereler.FillWndListBox(list, visibleOnly);

    EXPECT_EQ(list.Entries().size(), titleCase.listed ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, ClsApplicationsOwnTitle,
    ::testing::Combine(::testing::Values(OwnTitleCase{"Exact", L"Dorvik! V1.0", false},
                                         OwnTitleCase{"LowerCase", L"dorvik! v1.0", true},
                                         OwnTitleCase{"UpperCase", L"DORVIK! V1.0", true},
                                         OwnTitleCase{"TrailingSpace", L"Dorvik! V1.0 ", true},
                                         OwnTitleCase{"Prefix", L"Dorvik! V1.", true},
                                         OwnTitleCase{"ConfirmationTitle", L"Dorvik", true}),
                       ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<OwnTitleCase, bool>>& tested) {
        return std::string(std::get<0>(tested.param).name) +
               (std::get<1>(tested.param) ? "VisibleOnly" : "AllWindows");
    });

struct LookupCase
{
    const char* name;
    // Arranges the desktop and returns the handle to look up.
    std::function<WindowId(FakeWindowSystem&)> arrange;
    bool found;

    friend void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }
};

class ClsApplicationsLookup : public ::testing::TestWithParam<LookupCase>
{
};

TEST_P(ClsApplicationsLookup, AnswersWhetherAVisibleTitledTopLevelWindowIsThere)
{
    FakeWindowSystem fake;
    ClsApplication pencere(fake);
    ClsApplications pencereler(fake, pencere);
    fake.Add(Titled(L"Üstteki"));
    const WindowId sought = GetParam().arrange(fake);
    fake.Add(Titled(L"Alttaki"));

    EXPECT_EQ(pencereler.ReturnProcessInfo(sought), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ClsApplicationsLookup,
    ::testing::Values(
        LookupCase{"Present", [](FakeWindowSystem& f) { return f.Add(Titled(L"Not Defteri")); }, true},
        LookupCase{"Minimised",
                   [](FakeWindowSystem& f) {
                       FakeWindow w = Titled(L"Not Defteri");
                       w.iconic = true;
                       return f.Add(w);
                   },
                   true},
        LookupCase{"OwnCaptionHasNoTitleTest",
                   [](FakeWindowSystem& f) { return f.Add(Titled(L"Dorvik! V1.0")); }, true},
        LookupCase{"ToolWindowHasNoStyleTest",
                   [](FakeWindowSystem& f) { return f.Add(WithExStyle(L"Araç", 0x80)); }, true},
        LookupCase{"Hidden", [](FakeWindowSystem& f) { return f.Add(Hidden(L"Tepsiye Gizlendi")); }, false},
        LookupCase{"Untitled", [](FakeWindowSystem& f) { return f.Add(Titled(L"")); }, false},
        LookupCase{"TitleCleared",
                   [](FakeWindowSystem& f) {
                       const WindowId h = f.Add(Titled(L"Not Defteri"));
                       f.SetTitle(h, L"");
                       return h;
                   },
                   false},
        LookupCase{"Destroyed",
                   [](FakeWindowSystem& f) {
                       const WindowId h = f.Add(Titled(L"Not Defteri"));
                       f.Destroy(h);
                       return h;
                   },
                   false},
        LookupCase{"Zero", [](FakeWindowSystem&) { return WindowId::None; }, false},
        LookupCase{"Child",
                   [](FakeWindowSystem& f) {
                       const WindowId parent = f.Add(Titled(L"Ana Pencere"));
                       return f.AddChild(parent, Titled(L"Tamam"));
                   },
                   false},
        LookupCase{"ReParented",
                   [](FakeWindowSystem& f) {
                       const WindowId parent = f.Add(Titled(L"Ana Pencere"));
                       const WindowId h = f.Add(Titled(L"Not Defteri"));
                       f.SetParent(h, parent);
                       return h;
                   },
                   false},
        LookupCase{"Desktop", [](FakeWindowSystem& f) { return f.DesktopWindow(); }, false}),
    [](const ::testing::TestParamInfo<LookupCase>& tested) { return std::string(tested.param.name); });

TEST_F(ClsApplicationsTest, LookupReadsTitleAndVisibilityOfTheSoughtWindowOnly)
{
    WindowId sought = WindowId::None;
    for (int i = 0; i < 10; ++i)
    {
        const WindowId h = fake_.Add(Titled(L"Pencere " + std::to_wstring(i)));
        if (i == 6)
        {
            sought = h;
        }
    }

    EXPECT_TRUE(pencereler_.ReturnProcessInfo(sought));

    EXPECT_EQ(fake_.CallCount(FakeCall::TopLevelWindows), 0u) << "no walk of the desktop";
    EXPECT_EQ(fake_.CallCount(FakeCall::IsTopLevel), 1u);
    EXPECT_EQ(fake_.CallCount(FakeCall::WindowText), 1u);
    EXPECT_EQ(fake_.CallCount(FakeCall::IsVisible), 1u);
    EXPECT_EQ(pencere_.hWnd(), sought);
}

TEST_F(ClsApplicationsTest, WindowDestroyedAheadOfTheFillIsSkippedAndTheRestListed)
{
    const WindowId a = fake_.Add(Titled(L"A"));
    const WindowId b = fake_.Add(Titled(L"B"));
    const WindowId c = fake_.Add(Titled(L"C"));
    fake_.After(FakeCall::WindowText, 1, [b](FakeWindowSystem& f) { f.Destroy(b); });

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Entries(), ElementsAre(Pair(kHeader, 0u), Pair(L"A", Data(a)), Pair(L"C", Data(c))));
}

TEST_F(ClsApplicationsTest, WindowVanishingWhileTheFillStandsOnItIsNotListed)
{
    fake_.Add(Titled(L"A"));
    const WindowId b = fake_.Add(Titled(L"B"));
    fake_.Add(Titled(L"C"));
    fake_.After(FakeCall::WindowText, 2, [b](FakeWindowSystem& f) { f.Destroy(b); });

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Titles(), ElementsAre(kHeader, L"A", L"C"));
}

TEST_F(ClsApplicationsTest, WindowRaisedDuringTheFillIsListedOnce)
{
    fake_.Add(Titled(L"A"));
    fake_.Add(Titled(L"B"));
    const WindowId c = fake_.Add(Titled(L"C"));
    fake_.After(FakeCall::WindowText, 2, [c](FakeWindowSystem& f) { f.BringToTop(c); });

    pencereler_.FillWndListBox(list_, true);

    EXPECT_THAT(list_.Titles(), ElementsAre(kHeader, L"A", L"B", L"C"));
}

TEST_F(ClsApplicationsTest, SoughtWindowVanishingDuringTheLookupIsNotFound)
{
    fake_.Add(Titled(L"A"));
    const WindowId sought = fake_.Add(Titled(L"B"));
    fake_.After(FakeCall::IsTopLevel, 1, [sought](FakeWindowSystem& f) { f.Destroy(sought); });

    EXPECT_FALSE(pencereler_.ReturnProcessInfo(sought));
}

TEST_F(ClsApplicationsTest, SoughtWindowHiddenBetweenTitleAndVisibilityIsNotFound)
{
    const WindowId sought = fake_.Add(Titled(L"B"));
    fake_.After(FakeCall::WindowText, 1, [sought](FakeWindowSystem& f) { f.SetVisible(sought, false); });

    EXPECT_FALSE(pencereler_.ReturnProcessInfo(sought));
}

TEST_F(ClsApplicationsTest, OtherWindowsVanishingDuringTheLookupDoNotHideTheSoughtOne)
{
    const WindowId above = fake_.Add(Titled(L"A"));
    const WindowId sought = fake_.Add(Titled(L"B"));
    fake_.After(FakeCall::IsTopLevel, 1, [above](FakeWindowSystem& f) { f.Destroy(above); });

    EXPECT_TRUE(pencereler_.ReturnProcessInfo(sought));
}

TEST_F(ClsApplicationsTest, DesktopWithThousandsOfWindows)
{
    constexpr int kCount = 5000;
    std::vector<WindowId> listed;
    WindowId hidden = WindowId::None;
    for (int i = 0; i < kCount; ++i)
    {
        switch (i % 4)
        {
        case 0:
            hidden = fake_.Add(Hidden(L"Gizli " + std::to_wstring(i)));
            break;
        case 1:
            fake_.Add(WithExStyle(L"Araç " + std::to_wstring(i), 0x80));
            break;
        default:
            listed.push_back(fake_.Add(Titled(L"Pencere " + std::to_wstring(i))));
            break;
        }
    }

    pencereler_.FillWndListBox(list_, true);

    ASSERT_EQ(list_.Entries().size(), listed.size() + 1);
    for (std::size_t i = 0; i < listed.size(); ++i)
    {
        ASSERT_EQ(list_.Entries()[i + 1].second, Data(listed[i])) << "entry " << i + 1;
    }
    EXPECT_TRUE(pencereler_.ReturnProcessInfo(listed.back()));
    EXPECT_FALSE(pencereler_.ReturnProcessInfo(hidden));
    fake_.Destroy(listed.back());
    fake_.ClearCalls();
    EXPECT_FALSE(pencereler_.ReturnProcessInfo(listed.back()));
    EXPECT_EQ(fake_.CallCount(FakeCall::WindowText), 0u);
}

TEST_F(ClsApplicationsTest, ThinWrappersWalkTheSameOrderAsTheSnapshot)
{
    for (int i = 0; i < 5; ++i)
    {
        const WindowId h = fake_.Add(Titled(L"Pencere " + std::to_wstring(i)));
        fake_.AddChild(h, Titled(L"Düğme"));
    }
    fake_.BringToTop(fake_.TopLevelWindows().back());

    std::vector<WindowId> walked;
    for (WindowId h = pencereler_.ChildWindow(pencereler_.DesktopWindow()); h != WindowId::None;
         h = pencereler_.NextWindow(h))
    {
        walked.push_back(h);
    }

    EXPECT_EQ(walked, fake_.TopLevelWindows());
}

TEST_F(ClsApplicationsTest, ActiveWindowAndWindowFromPointGoToTheWindowSystem)
{
    FakeWindow back = Titled(L"Arkadaki");
    back.rect = Rect{0, 0, 500, 500};
    FakeWindow front = Titled(L"Öndeki");
    front.rect = Rect{100, 100, 200, 200};
    const WindowId frontId = fake_.Add(front);
    const WindowId backId = fake_.Add(back);

    pencereler_.ActiveWindow(backId);

    EXPECT_EQ(pencereler_.ActiveWindow(), backId);
    EXPECT_EQ(pencereler_.WindowFromXY(150, 150), frontId);
    EXPECT_EQ(pencereler_.WindowFromXY(50, 50), backId);
}

} // namespace
