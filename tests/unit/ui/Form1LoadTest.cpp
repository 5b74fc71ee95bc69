// Start-up: the refused second copy, the shared state, the clock fields and the status bar.
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using platform::IconId;
using platform::LocalDateTime;

struct StartCase
{
    LocalDateTime now;
    const wchar_t* hour;
    const wchar_t* minute;
    const wchar_t* second;
    const wchar_t* status;
};

class Form1LoadAtTime : public testing::TestWithParam<StartCase>
{
};

TEST_P(Form1LoadAtTime, FillsClockFieldsZeroPaddedAndStatusFromOneReading)
{
    Form1Harness h;
    h.clock.Set(GetParam().now);

    h.form.Form_Load();

    EXPECT_EQ(h.view.Text(Saat(0)), GetParam().hour);
    EXPECT_EQ(h.view.Text(Saat(1)), GetParam().minute);
    EXPECT_EQ(h.view.Text(Saat(2)), GetParam().second);
    EXPECT_EQ(h.view.StatusText(), GetParam().status);
    EXPECT_EQ(h.view.StatusPanelWidth(), 1950);
}

INSTANTIATE_TEST_SUITE_P(
    StartTimes, Form1LoadAtTime,
    testing::Values(StartCase{{2026, 12, 6, 9, 5, 7}, L"09", L"05", L"07", L"06 December 2026, 09 : 05"},
                    StartCase{{2026, 12, 6, 14, 30, 45}, L"14", L"30", L"45", L"06 December 2026, 14 : 30"},
                    StartCase{{2027, 1, 1, 0, 0, 0}, L"00", L"00", L"00", L"01 January 2027, 00 : 00"},
                    StartCase{{2026, 12, 6, 23, 59, 59}, L"23", L"59", L"59", L"06 December 2026, 23 : 59"}));

TEST(Form1Load, EachClockFieldAssignmentRaisesItsChangeHandler)
{
    Form1Harness h;
    h.clock.Set({2026, 12, 6, 9, 30, 7});

    h.form.Form_Load();

    // 9, 30 and 7 are written unpadded, then 9 and 7 are padded: five notifications, field by field.
    EXPECT_EQ(h.view.ChangeNotifications(), (std::vector<int>{0, 1, 2, 0, 2}));
}

TEST(Form1Load, GivesTheSharedStateItsFirstValues)
{
    Form1Harness h;
    h.modulum.KapamaAktif = true;
    h.modulum.SecilenProgramId = static_cast<platform::WindowId>(77);

    h.form.Form_Load();

    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.modulum.SecilenProgramId, platform::WindowId::None);
    EXPECT_TRUE(h.form.Closing().ZamanHesaplanacak());
    EXPECT_TRUE(h.form.Fields().IkiNoktaGorunur);
    EXPECT_EQ(h.form.Fields().SaatKutusu, 0);
    ASSERT_NE(h.modulum.Pencere, nullptr);
    ASSERT_NE(h.modulum.Pencereler, nullptr);
    EXPECT_EQ(h.view.Icon(), IconId::Dorvik);
    EXPECT_EQ(h.view.ScrollMin(), 23);
}

TEST(Form1Load, FillsTheTrayRecordWithoutShowingAnIcon)
{
    Form1Harness h;

    h.form.Form_Load();

    const platform::NotifyIconData& record = h.modulum.TepsiKaydi;
    EXPECT_EQ(record.hWnd, h.view.Handle());
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 512u);
    EXPECT_EQ(record.hIcon, IconId::Dorvik);
    EXPECT_EQ(record.szTip, L"Dorvik! V1.0");
    EXPECT_TRUE(h.tray.Calls().empty());
}

TEST(Form1Load, SecondCopyWarnsAndEndsBeforeCreatingAnything)
{
    Form1Harness h;
    h.instance.previous = true;

    EXPECT_THROW(h.form.Form_Load(), platform::ProgramEnded);

    ASSERT_EQ(h.dialogs.Shown().size(), 1u);
    EXPECT_EQ(h.dialogs.Shown()[0].text, L"The program is already running...");
    EXPECT_EQ(h.dialogs.Shown()[0].title, L"Dorvik! V1.0");
    EXPECT_EQ(h.dialogs.Shown()[0].style, platform::MsgStyle::Exclamation);
    EXPECT_EQ(h.modulum.Pencere, nullptr);
    EXPECT_EQ(h.modulum.Pencereler, nullptr);
    EXPECT_TRUE(h.view.ChangeNotifications().empty());
    EXPECT_EQ(h.view.Text(Saat(0)), L"24");
    EXPECT_TRUE(h.tray.Calls().empty());
    EXPECT_EQ(h.runtime.endCount, 1);
}

TEST(Form1Load, TimerThatCannotStartIsReportedAndEndsTheProgram)
{
    Form1Harness h;
    h.view.timerFails = true;

    EXPECT_THROW(h.form.Form_Load(), platform::ProgramEnded);

    ASSERT_EQ(h.dialogs.Shown().size(), 1u);
    EXPECT_EQ(h.dialogs.Shown()[0].text, L"Zamanlayıcı kurulamadı: Dorvik! zamanı izleyemez ve kapanacak.");
    EXPECT_EQ(h.dialogs.Shown()[0].title, L"Dorvik! V1.0");
    EXPECT_EQ(h.dialogs.Shown()[0].style, platform::MsgStyle::Exclamation);
}

} // namespace
} // namespace dorvik::test
