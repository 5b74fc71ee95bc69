// The kind of closing: one check mark, and a message only when the kind changes while a closing is armed.
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

struct KindCase
{
    const char* name;
    bool armed;
    MenuItem marked;
    MenuItem clicked;
    const wchar_t* message; // null: no message
};

class KindChoice : public testing::TestWithParam<KindCase>
{
};

void Click(Form1& form, MenuItem item)
{
    switch (item)
    {
    case MenuItem::BilgisayariKapat:
        form.BilgisayariKapat_Click();
        break;
    case MenuItem::OturumuKapat:
        form.OturumuKapat_Click();
        break;
    default:
        form.BilgisayariYenidenBaslat_Click();
        break;
    }
}

TEST_P(KindChoice, MarksExactlyTheClickedKind)
{
    const KindCase& c = GetParam();
    Form1Harness h;
    h.Start();
    Click(h.form, c.marked);
    h.modulum.KapamaAktif = c.armed;
    h.dialogs.Clear();

    Click(h.form, c.clicked);

    for (const MenuItem kind :
         {MenuItem::BilgisayariKapat, MenuItem::OturumuKapat, MenuItem::BilgisayariYenidenBaslat})
    {
        EXPECT_EQ(h.view.Checked(kind), kind == c.clicked);
    }
    if (c.message == nullptr)
    {
        EXPECT_TRUE(h.dialogs.Shown().empty());
        return;
    }
    ASSERT_EQ(h.dialogs.Shown().size(), 1u);
    EXPECT_EQ(h.dialogs.Shown()[0].text, c.message);
    EXPECT_EQ(h.dialogs.Shown()[0].title, L"Dorvik! V1.0");
    EXPECT_EQ(h.dialogs.Shown()[0].style, platform::MsgStyle::Information);
    EXPECT_TRUE(h.modulum.KapamaAktif);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindChoice,
    testing::Values(
        KindCase{"IdleChangeIsSilent", false, MenuItem::BilgisayariKapat, MenuItem::OturumuKapat, nullptr},
        KindCase{"ArmedMarkedKindIsSilent", true, MenuItem::BilgisayariKapat, MenuItem::BilgisayariKapat,
                 nullptr},
        KindCase{"IdleMarkedKindIsSilent", false, MenuItem::OturumuKapat, MenuItem::OturumuKapat, nullptr},
        KindCase{"ArmedToLogOff", true, MenuItem::BilgisayariKapat, MenuItem::OturumuKapat,
                 L"Önce belirlediğiniz kapama türü ' Oturumu Kapat ' olarak değiştirilmiştir!"},
        KindCase{"ArmedToRestart", true, MenuItem::OturumuKapat, MenuItem::BilgisayariYenidenBaslat,
                 L"Önce belirlediğiniz kapama türü ' Bilgisayarı Yeniden Başlat ' olarak değiştirilmiştir!"},
        KindCase{"ArmedToShutdown", true, MenuItem::BilgisayariYenidenBaslat, MenuItem::BilgisayariKapat,
                 L"Önce belirlediğiniz kapama türü ' Bilgisayarı Kapat ' olarak değiştirilmiştir!"}),
    [](const testing::TestParamInfo<KindCase>& param) { return std::string(param.param.name); });

TEST(KindChoice, StartsWithShutdownMarked)
{
    Form1Harness h;
    h.Start();
    EXPECT_TRUE(h.view.Checked(MenuItem::BilgisayariKapat));
    EXPECT_FALSE(h.view.Checked(MenuItem::OturumuKapat));
    EXPECT_FALSE(h.view.Checked(MenuItem::BilgisayariYenidenBaslat));
}

} // namespace
} // namespace dorvik::test
