// Arming: the confirmation for every kind and mode, the target it computes, the yellow icon in the tray, the
// cancel by a mode switch, and the quick choices that open the clock frame.
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using platform::IconId;
using platform::MsgResult;
using platform::TrayMessage;
using scheduler::TimeOfDay;

TimeOfDay At(int h, int m, int s)
{
    return {static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(s)};
}

struct Form1Arming : testing::Test
{
    Form1Arming()
    {
        h.clock.Set({2026, 12, 7, 12, 0, 0});
        h.Start();
    }

    platform::WindowId ChooseWindowInPicker()
    {
        const platform::WindowId window = h.windows.Add({.title = L"Notepad"});
        h.picker.UserChooses(window);
        h.form.ProgramaGore_Click();
        h.picker.user = nullptr;
        return window;
    }

    Form1Harness h;
};

struct SentenceCase
{
    bool applicationMode;
    MenuItem kind;
    const wchar_t* sentence;
    std::size_t blanks;
};

class ConfirmationQuestion : public Form1Arming, public testing::WithParamInterface<SentenceCase>
{
};

TEST_P(ConfirmationQuestion, AsksWithTheSentenceOfTheKindAndMode)
{
    const SentenceCase& c = GetParam();
    if (c.applicationMode)
    {
        ChooseWindowInPicker();
    }
    if (c.kind == MenuItem::OturumuKapat)
    {
        h.form.OturumuKapat_Click();
    }
    else if (c.kind == MenuItem::BilgisayariYenidenBaslat)
    {
        h.form.BilgisayariYenidenBaslat_Click();
    }
    h.dialogs.AnswerQuestionsWith(MsgResult::No);
    h.dialogs.Clear();

    h.form.BtnDorvik_Click();

    ASSERT_EQ(h.dialogs.Shown().size(), 1u);
    EXPECT_EQ(h.dialogs.Shown()[0].text,
              std::wstring(c.sentence) + L"\r\n" + std::wstring(c.blanks, L' ') + L"Emin misiniz?");
    EXPECT_EQ(h.dialogs.Shown()[0].title, L"Dorvik");
    EXPECT_EQ(h.dialogs.Shown()[0].style, platform::MsgStyle::Question);
}

INSTANTIATE_TEST_SUITE_P(
    AllSix, ConfirmationQuestion,
    testing::Values(
        SentenceCase{false, MenuItem::BilgisayariKapat, L"Windows belirttiğiniz zamanda kapatılacaktır!", 22},
        SentenceCase{false, MenuItem::BilgisayariYenidenBaslat,
                     L"Windows belirttiğiniz zamanda yeniden başlatılacaktır!", 27},
        SentenceCase{false, MenuItem::OturumuKapat, L"Oturumunuz belirttiğiniz zamanda kapatılacaktır!", 24},
        SentenceCase{true, MenuItem::BilgisayariKapat,
                     L"Windows belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince "
                     L"kapatılacaktır!",
                     49},
        SentenceCase{
            true, MenuItem::BilgisayariYenidenBaslat,
            L"Windows belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince yeniden "
            L"başlatılacaktır!",
            54},
        SentenceCase{
            true, MenuItem::OturumuKapat,
            L"Oturumunuz belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince "
            L"kapatılacaktır!",
            51}));

TEST_F(Form1Arming, NoChangesNothing)
{
    h.dialogs.AnswerQuestionsWith(MsgResult::No);

    h.form.BtnDorvik_Click();

    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_TRUE(h.view.Shown());
    EXPECT_EQ(h.view.Icon(), IconId::Dorvik);
    EXPECT_TRUE(h.tray.Calls().empty());
    EXPECT_TRUE(h.form.Closing().ZamanHesaplanacak());
}

TEST_F(Form1Arming, YesInClockModeComputesTheTargetTurnsYellowAndHidesInTheTray)
{
    h.form.BtnDorvik_Click();

    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.form.Closing().HedefZaman().time, At(12, 0, 3));
    EXPECT_FALSE(h.form.Closing().ZamanHesaplanacak());
    EXPECT_EQ(h.view.Icon(), IconId::DorvikSet);
    EXPECT_EQ(h.modulum.TepsiKaydi.hIcon, IconId::DorvikSet);
    ASSERT_EQ(h.tray.Calls().size(), 1u);
    EXPECT_EQ(h.tray.Calls()[0].message, TrayMessage::Add);
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
    EXPECT_FALSE(h.view.Shown());
}

TEST_F(Form1Arming, TargetIsComputedFromTheMomentOfYes)
{
    // The question stays open for a while before the user answers.
    h.dialogs.WhileOpen([&](const platform::ShownMessage&) { h.clock.Advance(std::chrono::seconds(40)); });

    h.form.BtnDorvik_Click();

    EXPECT_EQ(h.form.Closing().HedefZaman().time, At(12, 0, 43));
}

struct TargetCase
{
    const char* name;
    platform::LocalDateTime now;
    int option;
    TimeOfDay target;
    int dayOffset;
};

class ClockModeTarget : public Form1Arming, public testing::WithParamInterface<TargetCase>
{
};

TEST_P(ClockModeTarget, FallsOnTheRightTimeAndDay)
{
    const TargetCase& c = GetParam();
    h.clock.Set(c.now);
    h.view.UserSelectOption(c.option);
    h.form.Command2_Click();

    h.form.BtnDorvik_Click();

    EXPECT_EQ(h.form.Closing().HedefZaman().time, c.target);
    const auto today = std::chrono::local_days{std::chrono::year{c.now.year} /
                                               std::chrono::month{static_cast<unsigned>(c.now.month)} /
                                               std::chrono::day{static_cast<unsigned>(c.now.day)}};
    EXPECT_EQ(h.form.Closing().HedefZaman().day, today + std::chrono::days(c.dayOffset));
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ClockModeTarget,
    testing::Values(TargetCase{"HemenAtNoon", {2026, 12, 7, 12, 0, 0}, 0, At(12, 0, 3), 0},
                    TargetCase{"HemenJustBeforeTheMinute", {2026, 12, 7, 10, 15, 58}, 0, At(10, 16, 1), 0},
                    TargetCase{"HalfHour", {2026, 12, 7, 9, 45, 0}, 1, At(10, 15, 0), 0},
                    TargetCase{"OneHourPastMidnight", {2026, 12, 7, 23, 30, 10}, 2, At(0, 30, 10), 1},
                    TargetCase{"TwoHoursPastMidnight", {2026, 12, 7, 23, 0, 0}, 3, At(1, 0, 0), 1}),
    [](const testing::TestParamInfo<TargetCase>& param) { return std::string(param.param.name); });

TEST_F(Form1Arming, SaatiBelirleTakesTheTypedTime)
{
    h.view.UserSelectOption(4);
    h.view.SetText(Saat(0), L"07");
    h.view.SetText(Saat(1), L"5");
    h.view.SetText(Saat(2), L"09");

    h.form.BtnDorvik_Click();

    EXPECT_EQ(h.form.Closing().HedefZaman().time, At(7, 5, 9));
    // 07:05:09 has passed at noon: tomorrow.
    EXPECT_EQ(h.form.Closing().HedefZaman().day, std::chrono::local_days{std::chrono::year{2026} / 12 / 8});
}

TEST_F(Form1Arming, SaatiBelirleCountsAnEmptyOrUnreadableFieldAsZero)
{
    h.view.UserSelectOption(4);
    h.view.SetText(Saat(0), L"13");
    h.view.SetText(Saat(1), L"");
    h.view.UserPaste(2, L"x");

    h.form.BtnDorvik_Click();

    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.form.Closing().HedefZaman().time, At(13, 0, 0));
}

TEST_F(Form1Arming, ArmingWithTheClockFrameStillOpenReadsTheFieldsAsTheyStand)
{
    h.view.UserSelectOption(4);
    h.view.SetText(Saat(0), L"18");
    h.view.SetText(Saat(1), L"30");
    h.view.SetText(Saat(2), L"0");
    ASSERT_TRUE(h.view.Visible(ControlId::SaatSec));

    h.form.BtnDorvik_Click();

    EXPECT_EQ(h.form.Closing().HedefZaman().time, At(18, 30, 0));
}

TEST_F(Form1Arming, ApplicationModeComputesNothingAtArming)
{
    ChooseWindowInPicker();
    const TimeOfDay before = h.form.Closing().HedefZaman().time;

    h.form.BtnDorvik_Click();

    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.form.Closing().HedefZaman().time, before);
    EXPECT_TRUE(h.form.Closing().ZamanHesaplanacak());
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
}

TEST_F(Form1Arming, SaatiBelirleOpensTheClockFrameOnClickAndOnRelease)
{
    h.form.OptHizli_Click(4);
    EXPECT_TRUE(h.view.Visible(ControlId::SaatSec));
    EXPECT_FALSE(h.view.Enabled(ControlId::FrmKapama));

    h.form.Command2_Click();
    // Already selected: Windows raises no click, but the release still opens the frame.
    h.form.OptHizli_MouseUp(4, 1, 0, 10, 10);
    EXPECT_TRUE(h.view.Visible(ControlId::SaatSec));
    EXPECT_FALSE(h.view.Enabled(ControlId::FrmKapama));
}

TEST_F(Form1Arming, OtherQuickChoicesOnlySelect)
{
    for (int option = 0; option < 4; ++option)
    {
        h.form.OptHizli_Click(option);
        h.form.OptHizli_MouseUp(option, 2, 0, 0, 0);
        EXPECT_FALSE(h.view.Visible(ControlId::SaatSec)) << option;
        EXPECT_TRUE(h.view.Enabled(ControlId::FrmKapama)) << option;
    }
}

TEST_F(Form1Arming, SwitchingToApplicationModeWhileArmedCancelsAndOpensThePicker)
{
    h.form.BtnDorvik_Click();
    h.form.mPopRestore_Click();
    h.dialogs.Clear();
    bool armedWhilePickerOpen = true;
    h.picker.user = [&](Uygulama&, FakeUygulamaView&) { armedWhilePickerOpen = h.modulum.KapamaAktif; };

    h.form.ProgramaGore_Click();

    ASSERT_EQ(h.dialogs.Shown().size(), 1u);
    EXPECT_EQ(h.dialogs.Shown()[0].text, L"Önce belirlediğiniz kapama işlemi iptal edilmiştir!");
    EXPECT_EQ(h.dialogs.Shown()[0].title, L"Dorvik! V1.0");
    EXPECT_EQ(h.dialogs.Shown()[0].style, platform::MsgStyle::Exclamation);
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_FALSE(armedWhilePickerOpen);
    EXPECT_TRUE(h.form.Closing().ZamanHesaplanacak());
    EXPECT_EQ(h.view.Icon(), IconId::Dorvik);
    EXPECT_EQ(h.modulum.TepsiKaydi.hIcon, IconId::Dorvik);
    EXPECT_EQ(h.view.RefreshCalls(), 1);
    EXPECT_EQ(h.picker.showings, 1);
    EXPECT_TRUE(h.view.Checked(MenuItem::ProgramaGore));
    EXPECT_FALSE(h.view.Checked(MenuItem::SaateGore));
    EXPECT_FALSE(h.view.Enabled(ControlId::BtnDorvik));
}

TEST_F(Form1Arming, SwitchingToClockModeWhileArmedCancelsAndKeepsTheChosenWindow)
{
    const platform::WindowId window = ChooseWindowInPicker();
    h.form.BtnDorvik_Click();
    h.form.mPopRestore_Click();
    h.dialogs.Clear();

    h.form.SaateGore_Click();

    ASSERT_EQ(h.dialogs.Shown().size(), 1u);
    EXPECT_EQ(h.dialogs.Shown()[0].text, L"Önce belirlediğiniz kapama işlemi iptal edilmiştir!");
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.modulum.SecilenProgramId, window);
    EXPECT_EQ(h.view.Icon(), IconId::Dorvik);
    EXPECT_TRUE(h.view.Checked(MenuItem::SaateGore));
    EXPECT_FALSE(h.view.Checked(MenuItem::ProgramaGore));
    EXPECT_TRUE(h.view.Enabled(ControlId::BtnDorvik));
}

TEST_F(Form1Arming, SwitchingModeWhileIdleShowsNothing)
{
    h.form.ProgramaGore_Click();
    h.form.SaateGore_Click();
    EXPECT_TRUE(h.dialogs.Shown().empty());
    EXPECT_EQ(h.picker.showings, 1);
}

TEST_F(Form1Arming, ClickingTheMarkedModeKeepsTheArmedClosing)
{
    h.form.BtnDorvik_Click();
    h.form.mPopRestore_Click();
    h.dialogs.Clear();

    h.form.SaateGore_Click();

    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_TRUE(h.dialogs.Shown().empty());
}

TEST_F(Form1Arming, ClickingMarkedClockModeReenablesTheButton)
{
    h.view.SetEnabled(ControlId::BtnDorvik, false);
    h.form.SaateGore_Click();
    EXPECT_TRUE(h.view.Enabled(ControlId::BtnDorvik));
    EXPECT_TRUE(h.dialogs.Shown().empty());
}

TEST_F(Form1Arming, ClickingMarkedApplicationModeOpensThePickerAndKeepsTheArmedClosing)
{
    const platform::WindowId window = ChooseWindowInPicker();
    h.form.BtnDorvik_Click();
    h.form.mPopRestore_Click();
    h.dialogs.Clear();

    h.form.ProgramaGore_Click();

    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.modulum.SecilenProgramId, window);
    EXPECT_TRUE(h.view.Enabled(ControlId::BtnDorvik));
    EXPECT_EQ(h.picker.showings, 2);
    EXPECT_TRUE(h.dialogs.Shown().empty());
}

TEST_F(Form1Arming, ApplicationModeWithoutAChoiceKeepsTheButtonDisabled)
{
    h.picker.user = [](Uygulama& picker, FakeUygulamaView&) { picker.Command2_Click(); };

    h.form.ProgramaGore_Click();

    EXPECT_EQ(h.modulum.SecilenProgramId, platform::WindowId::None);
    EXPECT_FALSE(h.view.Enabled(ControlId::BtnDorvik));
}

TEST_F(Form1Arming, RestoredAndArmedAgainInClockModeComputesAFreshTarget)
{
    h.form.BtnDorvik_Click();
    h.form.mPopRestore_Click();
    h.clock.SetTime(12, 10, 0);
    h.view.UserSelectOption(2);

    h.form.BtnDorvik_Click();

    EXPECT_EQ(h.form.Closing().HedefZaman().time, At(13, 10, 0));
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
    EXPECT_FALSE(h.view.Shown());
}

} // namespace
} // namespace dorvik::test
