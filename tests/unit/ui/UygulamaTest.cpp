// The application picker's handlers: its list, its two states, the choice and leaving without one.
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

struct UygulamaHandlers : testing::Test
{
    UygulamaHandlers()
    {
        h.Start();
        view.Attach(picker);
    }

    Form1Harness h;
    FakeUygulamaView view;
    Uygulama picker{view, h.modulum, h.view};
};

TEST_F(UygulamaHandlers, LoadListsTheHeaderThenTheApplicationWindowsTopmostFirst)
{
    const platform::WindowId lower = h.windows.Add({.title = L"Hesap Makinesi"});
    const platform::WindowId upper = h.windows.AddOnTop({.title = L"Not Defteri"});

    picker.Form_Load();

    ASSERT_EQ(view.list.entries.size(), 3u);
    EXPECT_EQ(view.list.entries[0].text, L"-- Uygulama Seçiniz --");
    EXPECT_EQ(view.list.entries[0].data, 0u);
    EXPECT_EQ(view.list.entries[1].text, L"Not Defteri");
    EXPECT_EQ(view.list.entries[1].data, static_cast<std::uintptr_t>(upper));
    EXPECT_EQ(view.list.entries[2].text, L"Hesap Makinesi");
    EXPECT_EQ(view.list.entries[2].data, static_cast<std::uintptr_t>(lower));
    EXPECT_EQ(view.ListIndex(), 0);
    EXPECT_FALSE(view.Enabled(ControlId::BtnUygulamaSec));
}

TEST_F(UygulamaHandlers, EmptyDesktopGivesTheHeaderAlone)
{
    picker.Form_Load();
    ASSERT_EQ(view.list.entries.size(), 1u);
    EXPECT_FALSE(view.Enabled(ControlId::BtnUygulamaSec));
}

TEST_F(UygulamaHandlers, OwnMainWindowIsNeverListed)
{
    h.windows.Add({.title = L"Dorvik! V1.0"});
    h.windows.Add({.title = L"dorvik! v1.0"});
    picker.Form_Load();
    ASSERT_EQ(view.list.entries.size(), 2u);
    EXPECT_EQ(view.list.entries[1].text, L"dorvik! v1.0");
}

TEST_F(UygulamaHandlers, SelectingAWindowEntryEnablesTheChoiceAndTheHeaderDisablesItAgain)
{
    h.windows.Add({.title = L"Not Defteri"});
    picker.Form_Load();

    view.UserSelect(1);
    EXPECT_TRUE(view.Enabled(ControlId::BtnUygulamaSec));
    view.UserSelect(0);
    EXPECT_FALSE(view.Enabled(ControlId::BtnUygulamaSec));
}

TEST_F(UygulamaHandlers, ChoosingStoresTheWindowEnablesTheArmingButtonAndUnloads)
{
    h.windows.Add({.title = L"Not Defteri"});
    const platform::WindowId chosen = h.windows.Add({.title = L"Hesap Makinesi"});
    h.view.SetEnabled(ControlId::BtnDorvik, false);
    picker.Form_Load();

    view.UserSelect(2);
    picker.BtnUygulamaSec_Click();

    EXPECT_EQ(h.modulum.SecilenProgramId, chosen);
    EXPECT_TRUE(h.view.Enabled(ControlId::BtnDorvik));
    EXPECT_TRUE(view.unloaded);
}

TEST_F(UygulamaHandlers, TwoWindowsWithOneTitleEachKeepTheirOwnHandle)
{
    const platform::WindowId first = h.windows.Add({.title = L"Belge"});
    const platform::WindowId second = h.windows.Add({.title = L"Belge"});
    picker.Form_Load();

    view.UserSelect(2);
    picker.BtnUygulamaSec_Click();

    EXPECT_EQ(h.modulum.SecilenProgramId, second);
    EXPECT_NE(first, second);
}

TEST_F(UygulamaHandlers, WindowClosedAfterListingIsStoredAnyway)
{
    const platform::WindowId chosen = h.windows.Add({.title = L"Not Defteri"});
    picker.Form_Load();
    h.windows.Destroy(chosen);

    view.UserSelect(1);
    picker.BtnUygulamaSec_Click();

    EXPECT_EQ(h.modulum.SecilenProgramId, chosen);
}

TEST_F(UygulamaHandlers, RefreshReadsTheDesktopAgainAndReturnsToTheHeader)
{
    h.windows.Add({.title = L"Not Defteri"});
    picker.Form_Load();
    view.UserSelect(1);
    h.windows.Add({.title = L"Sonradan Açılan"});

    picker.Yenile_Click();

    EXPECT_EQ(view.list.entries.size(), 3u);
    EXPECT_EQ(view.ListIndex(), 0);
    EXPECT_FALSE(view.Enabled(ControlId::BtnUygulamaSec));
}

TEST_F(UygulamaHandlers, LeavingWithoutAChoiceDisablesTheArmingButton)
{
    picker.Form_Load();

    picker.Command2_Click();

    EXPECT_FALSE(h.view.Enabled(ControlId::BtnDorvik));
    EXPECT_EQ(h.modulum.SecilenProgramId, platform::WindowId::None);
    EXPECT_TRUE(view.unloaded);
}

TEST_F(UygulamaHandlers, LeavingKeepsAnEarlierChoiceAndTheButton)
{
    const platform::WindowId earlier = h.windows.Add({.title = L"Not Defteri"});
    h.modulum.SecilenProgramId = earlier;
    picker.Form_Load();

    picker.Command2_Click();

    EXPECT_EQ(h.modulum.SecilenProgramId, earlier);
    EXPECT_TRUE(h.view.Enabled(ControlId::BtnDorvik));
}

TEST_F(UygulamaHandlers, StrayChoiceWithTheHeaderSelectedStoresNothing)
{
    picker.Form_Load();
    picker.BtnUygulamaSec_Click();
    EXPECT_EQ(h.modulum.SecilenProgramId, platform::WindowId::None);
    EXPECT_FALSE(view.unloaded);
}

} // namespace
} // namespace dorvik::test
