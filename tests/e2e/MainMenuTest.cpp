// The main window's menu tree as the program holds it, read from inside the program by the menu probe.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/DorvikApp.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

struct DesignedItem
{
    std::vector<std::wstring> path;
    // 0 for the items that only open a submenu, whose id Windows does not report in a portable way.
    int id;
    bool checked;
    bool separator = false;
};

std::string PathText(const std::vector<std::wstring>& path)
{
    std::wstring text;
    for (const std::wstring& caption : path)
    {
        text += L"/" + caption;
    }
    return Utf8(text);
}

TEST(MainMenu, MenuBarShowsExactlyDorvikAndYardim)
{
    DorvikApp app = DorvikApp::Start();
    const std::vector<MenuItemState> items = app.MenuBar();

    std::vector<std::wstring> bar;
    for (const MenuItemState& item : items)
    {
        if (item.level == 0)
        {
            bar.push_back(item.Caption());
        }
    }
    EXPECT_EQ(bar, (std::vector<std::wstring>{L"Dorvik!", L"Yardım"}));

    const auto yardim = FindMenuItem(items, {L"Yardım"});
    ASSERT_TRUE(yardim);
    EXPECT_FALSE(yardim->popup) << "\"Yardım\" runs its command at once, without opening a list";
    EXPECT_EQ(yardim->id, static_cast<int>(MenuItem::ProgramHakkinda));
}

TEST(MainMenu, TreeHoldsEveryItemWithItsInitialCheckMarks)
{
    DorvikApp app = DorvikApp::Start();
    const std::vector<MenuItemState> items = app.MenuBar();

    const std::vector<DesignedItem> design = {
        {{L"Dorvik!"}, 0, false},
        {{L"Dorvik!", L"Kapama Seçenekleri"}, 0, false},
        {{L"Dorvik!", L"Kapama Seçenekleri", L"Saate Göre"}, static_cast<int>(MenuItem::SaateGore), true},
        {{L"Dorvik!", L"Kapama Seçenekleri", L"Programa Göre"},
         static_cast<int>(MenuItem::ProgramaGore),
         false},
        {{L"Dorvik!", L"Kapama Türü"}, 0, false},
        {{L"Dorvik!", L"Kapama Türü", L"Bilgisayarı Kapat"},
         static_cast<int>(MenuItem::BilgisayariKapat),
         true},
        {{L"Dorvik!", L"Kapama Türü", L"Oturumu Kapat"}, static_cast<int>(MenuItem::OturumuKapat), false},
        {{L"Dorvik!", L"Kapama Türü", L"Bilgisayarı Yeniden Başlat"},
         static_cast<int>(MenuItem::BilgisayariYenidenBaslat),
         false},
        {{L"Dorvik!", L""}, 0, false, true},
        {{L"Dorvik!", L"&Çıkış"}, static_cast<int>(MenuItem::Cikis), false},
        {{L"Yardım"}, static_cast<int>(MenuItem::ProgramHakkinda), false},
    };

    ASSERT_EQ(items.size(), design.size()) << "the menu tree holds other items than designed";
    for (size_t i = 0; i < design.size(); ++i)
    {
        const DesignedItem& designed = design[i];
        const MenuItemState& item = items[i];
        SCOPED_TRACE("item " + std::to_string(i) + ": " + PathText(designed.path));
        EXPECT_EQ(item.path, designed.path);
        EXPECT_EQ(item.separator, designed.separator);
        EXPECT_EQ(item.checked, designed.checked);
        if (!designed.separator)
        {
            // Windows itself may mark a separator disabled; it cannot be chosen either way.
            EXPECT_FALSE(item.grayed || item.disabled) << "every item is enabled";
        }
        if (designed.id != 0)
        {
            EXPECT_EQ(item.id, designed.id);
            EXPECT_FALSE(item.popup);
        }
        else if (!designed.separator)
        {
            EXPECT_TRUE(item.popup) << "opens a submenu";
        }
    }
}

} // namespace
} // namespace dorvik::e2e
