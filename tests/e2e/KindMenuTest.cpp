// The kind of closing in "Kapama Türü": one check mark among its three items, moved silently while nothing is
// armed and announced with a message of its own while a closing is armed.
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "support/DorvikApp.h"
#include "support/MessageBoxes.h"
#include "support/Scheduling.h"
#include "support/Screen.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

struct KindStep
{
    MenuItem chosen;
    // The message an armed program shows; nothing when the chosen item already carries the mark.
    std::optional<std::wstring> message;
};

std::string Marks(const std::vector<MenuItem>& marked)
{
    std::string text;
    for (const MenuItem item : marked)
    {
        text += (text.empty() ? "" : ", ") + ItemName(item);
    }
    return "{" + text + "}";
}

// Arms a clock-mode closing for a time typed an hour ahead, so that it cannot come due during the test.
void ArmAnHourAhead(const DorvikApp& app)
{
    ArmAt(app, ClockTimeIn(3600));
}

TEST(KindMenu, EachChoiceMovesTheOnlyCheckMarkAndIsSilentWhileIdle)
{
    DorvikApp app = DorvikApp::Start();
    ASSERT_EQ(MarkedKinds(app), std::vector<MenuItem>{MenuItem::BilgisayariKapat});

    const std::vector<MenuItem> choices = {
        MenuItem::OturumuKapat,     MenuItem::BilgisayariYenidenBaslat, MenuItem::BilgisayariYenidenBaslat,
        MenuItem::BilgisayariKapat, MenuItem::BilgisayariKapat,         MenuItem::OturumuKapat};
    for (const MenuItem chosen : choices)
    {
        SCOPED_TRACE("chose " + ItemName(chosen));
        app.RunMenuCommand(chosen);
        std::vector<MenuItem> marked;
        EXPECT_TRUE(WaitUntil([&] {
            marked = MarkedKinds(app);
            return marked == std::vector<MenuItem>{chosen};
        })) << "marked: "
            << Marks(marked);
        // A message of the choice before would be open now: this choice was posted after it.
        EXPECT_TRUE(FindMessageBoxes(app.Process().Pid()).empty()) << "a kind change spoke up while idle";
    }
    ASSERT_TRUE(ChooseKind(app, MenuItem::BilgisayariKapat));
    EXPECT_TRUE(FindMessageBoxes(app.Process().Pid()).empty()) << "a kind change spoke up while idle";
    EXPECT_TRUE(app.Main().IsVisible());
}

TEST(KindMenu, WhileArmedEachChangeIsAnnouncedAndTheClosingStaysArmed)
{
    DorvikApp app = DorvikApp::Start();
    ArmAnHourAhead(app);
    ASSERT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }));

    const std::vector<KindStep> steps = {
        {MenuItem::OturumuKapat,
         L"Önce belirlediğiniz kapama türü ' Oturumu Kapat ' olarak değiştirilmiştir!"},
        // The marked item: no message. Had one come, the next step would find it instead of its own.
        {MenuItem::OturumuKapat, std::nullopt},
        {MenuItem::BilgisayariYenidenBaslat,
         L"Önce belirlediğiniz kapama türü ' Bilgisayarı Yeniden Başlat ' olarak değiştirilmiştir!"},
        {MenuItem::BilgisayariKapat,
         L"Önce belirlediğiniz kapama türü ' Bilgisayarı Kapat ' olarak değiştirilmiştir!"},
        {MenuItem::BilgisayariKapat, std::nullopt},
        {MenuItem::OturumuKapat,
         L"Önce belirlediğiniz kapama türü ' Oturumu Kapat ' olarak değiştirilmiştir!"},
    };
    for (const KindStep& step : steps)
    {
        SCOPED_TRACE("chose " + ItemName(step.chosen));
        // The window stays hidden: the user reaches the menu command without restoring it.
        app.RunMenuCommand(step.chosen);
        if (!step.message)
        {
            continue;
        }
        const auto box = WaitForMessageBox(app.Process().Pid());
        ASSERT_TRUE(box) << "no message for a kind change while armed";
        SaveScreenshot(box->Box(), L"changed-to-" + Utf16(ItemName(step.chosen)));
        EXPECT_EQ(box->Text(), *step.message) << "shows \"" << Utf8(box->Text()) << "\"";
        EXPECT_EQ(box->Title(), L"Dorvik! V1.0");
        EXPECT_EQ(box->Icon(), StockIcon::Information);
        EXPECT_EQ(box->ButtonIds(), std::vector<int>{IDOK});
        // With the window in the notification area the message stands on its own, in view.
        EXPECT_TRUE(box->Box().IsVisible());
        EXPECT_EQ(MarkedKinds(app), std::vector<MenuItem>{step.chosen})
            << "the mark moves before the message";
        box->Answer(IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !box->Box().Exists(); }));
        EXPECT_TRUE(FindMessageBoxes(app.Process().Pid()).empty()) << "more than one message for one change";
    }

    EXPECT_FALSE(app.Main().IsVisible()) << "a kind change brought the window back";
    EXPECT_TRUE(TaskbarShows(ProgramIcon::Yellow)) << "the closing is no longer shown as armed";
    EXPECT_TRUE(app.Process().IsRunning());
}

} // namespace
} // namespace dorvik::e2e
