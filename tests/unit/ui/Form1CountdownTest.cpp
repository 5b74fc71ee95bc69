// The last-minute window: when it comes, what it counts, and what its buttons and its close box do to the
// armed closing.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using namespace std::chrono_literals;
using platform::IconId;
using std::chrono::milliseconds;

// "Yarım Saat Sonra", armed at 10:00 with the window hidden: the count begins at 10:29:00.
struct Form1Countdown : testing::Test
{
    Form1Countdown() { armedAt = h.StartAndArm({2026, 12, 7, 10, 0, 0}, 1); }

    std::optional<milliseconds> TickUntilClosing(
        milliseconds span, std::vector<std::pair<milliseconds, std::function<void()>>> steps = {})
    {
        return h.TickUntilClosing(armedAt, span, std::move(steps));
    }

    Form1Harness h;
    milliseconds armedAt{};
    static constexpr milliseconds kCountBegins = 29min;
};

TEST_F(Form1Countdown, CountsFromSixtyToOneAndClosesAsTheClosingBegins)
{
    bool shownTooEarly = true;
    bool shownAtTheMinute = false;
    const auto began =
        TickUntilClosing(31min, {{kCountBegins, [&] { shownTooEarly = h.countdown.shown; }},
                                 {kCountBegins + 500ms, [&] { shownAtTheMinute = h.countdown.shown; }}});

    ASSERT_TRUE(began);
    EXPECT_EQ(*began, 30min);
    EXPECT_FALSE(shownTooEarly);
    EXPECT_TRUE(shownAtTheMinute);
    EXPECT_FALSE(h.countdown.shown) << "still on the screen once the closing began";
    std::vector<std::wstring> expected;
    for (int left = 60; left >= 1; --left)
    {
        expected.push_back(L"Bilgisayar " + std::to_wstring(left) + L" saniye sonra kapatılacak.");
    }
    EXPECT_EQ(h.countdown.sentences, expected);
    EXPECT_EQ(h.countdown.showings, 1);
}

TEST_F(Form1Countdown, AKindChangedMeanwhileChangesTheSentenceAtTheNextSecond)
{
    TickUntilClosing(kCountBegins + 30s);
    h.form.OturumuKapat_Click();
    h.clock.Advance(500ms);
    h.form.Timer1_Tick();

    EXPECT_EQ(h.countdown.Sentence(), L"Oturum 30 saniye sonra kapatılacak.");
}

TEST_F(Form1Countdown, VazgecCancelsAsTheWindowsCancelDoesWithoutAMessage)
{
    TickUntilClosing(kCountBegins + 10s);
    const std::size_t boxes = h.dialogs.Shown().size();

    h.Countdown().BtnVazgec_Click();

    EXPECT_FALSE(h.countdown.shown);
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_TRUE(h.form.Closing().ZamanHesaplanacak());
    EXPECT_EQ(h.tray.ShownIcon(), IconId::Dorvik);
    EXPECT_FALSE(h.power.AwakeReason());
    EXPECT_EQ(h.dialogs.Shown().size(), boxes);
    EXPECT_EQ(h.modulum.TepsiKaydi.szTip, L"Dorvik! V1.0");
    EXPECT_FALSE(TickUntilClosing(40min));
}

TEST_F(Form1Countdown, ErteleClosesTenMinutesAfterTheClickWithTheWarningsAgain)
{
    TickUntilClosing(kCountBegins + 10s);

    h.Countdown().BtnErtele_Click();

    EXPECT_FALSE(h.countdown.shown);
    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
    const auto began = TickUntilClosing(41min);
    ASSERT_TRUE(began);
    EXPECT_EQ(*began, kCountBegins + 10s + 10min);
    EXPECT_EQ(h.countdown.showings, 2);
    EXPECT_EQ(h.tray.Balloons().size(), 2u);
}

TEST_F(Form1Countdown, TheCloseBoxClosesOnlyTheWindow)
{
    TickUntilClosing(kCountBegins + 10s);

    h.Countdown().Form_Close();

    EXPECT_FALSE(h.countdown.shown);
    const auto began = TickUntilClosing(31min);
    ASSERT_TRUE(began);
    EXPECT_EQ(*began, 30min);
    EXPECT_EQ(h.countdown.showings, 1) << "came back after it was closed";
}

TEST_F(Form1Countdown, RestoringFromTheTrayBringsItToTheFront)
{
    TickUntilClosing(kCountBegins + 10s);

    h.form.Form_MouseMove(0, 0, 0x401, 0); // NIN_KEYSELECT

    EXPECT_TRUE(h.view.Shown());
    EXPECT_TRUE(h.countdown.shown);
    EXPECT_EQ(h.countdown.activations, 1);
}

} // namespace
} // namespace dorvik::test
