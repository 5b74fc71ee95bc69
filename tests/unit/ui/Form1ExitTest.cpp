// The help text and every way out of the program.
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using platform::IconId;

TEST(Form1Help, ShowsTheFiveParagraphsWithTheirLineBreaks)
{
    Form1Harness h;
    h.Start();

    h.form.ProgramHakkinda_Click();

    ASSERT_EQ(h.dialogs.Shown().size(), 1u);
    const platform::ShownMessage& help = h.dialogs.Shown()[0];
    EXPECT_EQ(help.title, L"Dorvik! V1.0");
    EXPECT_EQ(help.style, platform::MsgStyle::Information);
    const std::wstring expected =
        L"Program windows'unuzu istediğiniz saatte yada belirlediğiniz bir program sona erdiği zaman, siz "
        L"bilgisayarınızın başında olmasanız bile kapamanıza, yeniden başlatmanıza ve oturumunun "
        L"kapatılmasına "
        L"olanak sağlar.\r\n"
        L"Dorvik! programının ikonları size bilgi verir. Örneğin ikonun yeşil olması herhangi bir kapama "
        L"seçimi "
        L"yapılmadığını, sarı ikon; kapama seçiminin yapıldığını, kırmızı ikon ise bilgisayarın "
        L"kapatılma-yeniden başlatma-oturum kapatma durumuna geçildiği anlamına gelmektedir.\r\n\r\n"
        L"Bu programı hazırlayan Dorvik geliştiricileri (Dorvik Projesi), programın kullanımından "
        L"doğabilecek "
        L"herhangi bir zarardan sorumlu tutulamaz. Programı kullanan bu koşulları kabul etmiş "
        L"sayılır!\r\n\r\n"
        L"Program hakkındaki istek ve önerilerinizi Dorvik geliştiricilerinin dorvik@example.org anlık "
        L"mesajlaşma ve e-posta adresine gönderebilirsiniz.\r\n"
        L"Internet Adresim : https://dorvik.example.org/";
    EXPECT_EQ(help.text, expected);
}

TEST(Form1Help, ChangesNoState)
{
    Form1Harness h;
    h.Start();
    h.form.BtnDorvik_Click();
    h.form.mPopRestore_Click();

    h.form.ProgramHakkinda_Click();

    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.view.Icon(), IconId::DorvikSet);
}

enum class WayOut
{
    MainMenu,
    TrayMenu,
    CloseBox,
    CloseBoxWhileHidden
};

struct ExitCase
{
    const char* name;
    WayOut way;
    bool armed;
};

class Form1Exit : public testing::TestWithParam<ExitCase>
{
};

TEST_P(Form1Exit, EndsAtOnceWithoutClosingTheComputerAndLeavesNoIcon)
{
    const ExitCase& c = GetParam();
    Form1Harness h;
    h.Start();
    if (c.armed)
    {
        h.form.BtnDorvik_Click();
        h.form.mPopRestore_Click();
    }
    if (c.way == WayOut::TrayMenu || c.way == WayOut::CloseBoxWhileHidden)
    {
        h.view.UserMinimize();
    }
    const std::size_t messagesBefore = h.dialogs.Shown().size();

    switch (c.way)
    {
    case WayOut::MainMenu:
        EXPECT_THROW(h.form.Cikis_Click(), platform::ProgramEnded);
        break;
    case WayOut::TrayMenu:
        EXPECT_THROW(h.form.mPopExit_Click(), platform::ProgramEnded);
        break;
    case WayOut::CloseBox:
    case WayOut::CloseBoxWhileHidden: {
        EXPECT_THROW(h.form.Form_Unload(), platform::ProgramEnded);
        EXPECT_EQ(h.modulum.Pencereler, nullptr);
        EXPECT_EQ(h.modulum.Pencere, nullptr);
        break;
    }
    }

    EXPECT_EQ(h.runtime.endCount, 1);
    EXPECT_FALSE(h.tray.ShownIcon());
    EXPECT_TRUE(h.power.Calls().empty());
    EXPECT_EQ(h.dialogs.Shown().size(), messagesBefore) << "no confirmation";
}

INSTANTIATE_TEST_SUITE_P(Ways, Form1Exit,
                         testing::Values(ExitCase{"MainMenuIdle", WayOut::MainMenu, false},
                                         ExitCase{"MainMenuArmed", WayOut::MainMenu, true},
                                         ExitCase{"TrayMenuIdle", WayOut::TrayMenu, false},
                                         ExitCase{"TrayMenuArmed", WayOut::TrayMenu, true},
                                         ExitCase{"CloseBoxIdle", WayOut::CloseBox, false},
                                         ExitCase{"CloseBoxArmed", WayOut::CloseBox, true},
                                         ExitCase{"CloseBoxWhileHidden", WayOut::CloseBoxWhileHidden, true}),
                         [](const testing::TestParamInfo<ExitCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(Form1Exit, TrayMenuExitRemovesTheIconBeforeEnding)
{
    Form1Harness h;
    h.Start();
    h.view.UserMinimize();
    h.tray.Clear();

    EXPECT_THROW(h.form.mPopExit_Click(), platform::ProgramEnded);

    ASSERT_EQ(h.tray.Calls().size(), 1u);
    EXPECT_EQ(h.tray.Calls()[0].message, platform::TrayMessage::Delete);
}

} // namespace
} // namespace dorvik::test
