// Arming a closing: the question "&Dorvik !!!" asks for each kind and mode, what No and Yes do, and the
// cancel that a switch of the mode brings while a closing is armed. Every closing armed here lies an hour
// or more ahead (or waits for a window that stays), so nothing is ever carried out in these sessions.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/Bystander.h"
#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/MessageBoxes.h"
#include "support/NotificationArea.h"
#include "support/Scheduling.h"
#include "support/Screen.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

struct Question
{
    MenuItem kind;
    std::wstring sentence;
    // The blanks before "Emin misiniz?": half the sentence's length, so that it stands roughly centred.
    size_t indent;
};

std::wstring Expected(const Question& question)
{
    return question.sentence + L"\r\n" + std::wstring(question.indent, L' ') + L"Emin misiniz?";
}

const std::vector<Question>& ClockQuestions()
{
    static const std::vector<Question> questions = {
        {MenuItem::BilgisayariKapat, L"Windows belirttiğiniz zamanda kapatılacaktır!", 22},
        {MenuItem::BilgisayariYenidenBaslat, L"Windows belirttiğiniz zamanda yeniden başlatılacaktır!", 27},
        {MenuItem::OturumuKapat, L"Oturumunuz belirttiğiniz zamanda kapatılacaktır!", 24},
    };
    return questions;
}

const std::vector<Question>& ApplicationQuestions()
{
    static const std::vector<Question> questions = {
        {MenuItem::BilgisayariKapat,
         L"Windows belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince "
         L"kapatılacaktır!",
         49},
        {MenuItem::BilgisayariYenidenBaslat,
         L"Windows belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince yeniden "
         L"başlatılacaktır!",
         54},
        {MenuItem::OturumuKapat,
         L"Oturumunuz belirttiğiniz program kapatıldığı zaman ve belirttiğiniz kadar süre geçince "
         L"kapatılacaktır!",
         51},
    };
    return questions;
}

constexpr std::wstring_view kCancelled = L"Önce belirlediğiniz kapama işlemi iptal edilmiştir!";

void ExpectQuestion(const DorvikApp& app, const MessageBoxWindow& box, const Question& question)
{
    EXPECT_EQ(box.Title(), L"Dorvik");
    EXPECT_EQ(box.Text(), Expected(question)) << "shows \"" << Utf8(box.Text()) << "\"";
    EXPECT_EQ(box.Icon(), StockIcon::Question);
    EXPECT_EQ(box.ButtonIds(), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(box.Owner(), app.Main());
}

// Chooses another kind and checks that the program is idle and in view. A kind change passes silently only
// while nothing is armed, and it is posted after everything done before, so once its mark has moved the
// program has dealt with those earlier steps: had one of them armed a closing, the kind message would be
// open by then.
void ExpectIdleAfterChoosing(const DorvikApp& app, MenuItem otherKind)
{
    ASSERT_TRUE(ChooseKind(app, otherKind));
    EXPECT_TRUE(FindMessageBoxes(app.Process().Pid()).empty())
        << "a kind change spoke up: something is armed";
    EXPECT_TRUE(app.Main().IsVisible());
    EXPECT_FALSE(app.Main().IsMinimized());
    EXPECT_TRUE(TitleBarShows(app.Main(), ProgramIcon::Green)) << "the window's icon is not green";
    EXPECT_FALSE(TitleBarShows(app.Main(), ProgramIcon::Yellow));
    EXPECT_FALSE(TaskbarShows(ProgramIcon::Yellow));
}

// "Bir Saat Sonra": whatever is armed here cannot come due while the test runs, which under the real
// wineboot would end the session.
void ChooseAnHourLater(const DorvikApp& app)
{
    const Window anHourLater = app.Control(OptHizli(2));
    Click(anHourLater);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(anHourLater); }));
}

void AnswerNo(const MessageBoxWindow& box)
{
    box.Answer(IDNO);
    ASSERT_TRUE(WaitUntil([&] { return !box.Box().Exists(); })) << "the question stayed open after No";
}

TEST(Arming, ClockModeQuestionNamesTheKindAndNoLeavesEverythingAsItWas)
{
    DorvikApp app = DorvikApp::Start();
    ChooseAnHourLater(app);
    for (const Question& question : ClockQuestions())
    {
        SCOPED_TRACE(ItemName(question.kind));
        // The first kind is marked from the start; the others show that the No before left nothing armed.
        ExpectIdleAfterChoosing(app, question.kind);
        const auto box = AskToArm(app);
        ASSERT_TRUE(box) << "\"&Dorvik !!!\" asked nothing";
        SaveScreenshot(box->Box(), L"question-" + Utf16(ItemName(question.kind)));
        ExpectQuestion(app, *box, question);
        AnswerNo(*box);
    }
    ExpectIdleAfterChoosing(app, ClockQuestions().front().kind);
    EXPECT_TRUE(app.Control(ControlId::BtnDorvik).IsEnabled());
    EXPECT_TRUE(IsChecked(app.Control(OptHizli(2)))) << "the moment changed";
    EXPECT_TRUE(IsMarked(app, MenuItem::SaateGore)) << "the mode changed";
}

TEST(Arming, ApplicationModeQuestionNamesTheKindAndTheWatchedProgram)
{
    const WatchedApplication watching = StartWatching(L"Hesap Çizelgesi");
    const DorvikApp& app = watching.app;
    ChooseAnHourLater(app);

    for (const Question& question : ApplicationQuestions())
    {
        SCOPED_TRACE(ItemName(question.kind));
        ExpectIdleAfterChoosing(app, question.kind);
        const auto box = AskToArm(app);
        ASSERT_TRUE(box) << "\"&Dorvik !!!\" asked nothing";
        ExpectQuestion(app, *box, question);
        AnswerNo(*box);
    }
    ExpectIdleAfterChoosing(app, ApplicationQuestions().front().kind);
    EXPECT_TRUE(IsMarked(app, MenuItem::ProgramaGore)) << "No changed the mode";
}

TEST(Arming, YesHidesTheWindowAndPutsTheYellowIconIntoTheNotificationArea)
{
    DorvikApp app = DorvikApp::Start();
    EXPECT_FALSE(NotificationAreaShown()) << "an icon is there before anything is armed";
    ChooseAnHourLater(app);

    const auto question = AskToArm(app);
    ASSERT_TRUE(question);
    ConfirmArming(app, *question);

    EXPECT_TRUE(WaitUntil([] { return TaskbarShows(ProgramIcon::Yellow); }))
        << "no yellow icon in the notification area";
    SaveDesktopScreenshot(L"armed");
    EXPECT_FALSE(TaskbarShows(ProgramIcon::Green));
    EXPECT_FALSE(TaskbarShows(ProgramIcon::Red));
    EXPECT_FALSE(question->Box().Exists());
    EXPECT_TRUE(FindMessageBoxes(app.Process().Pid()).empty());
    EXPECT_TRUE(VisibleTopLevelWindows(app.Process().Pid()).empty()) << "a window of the program is in view";
    EXPECT_TRUE(app.Process().IsRunning());
}

// The cancel message, as it must read, on the window it belongs to.
void ExpectCancelMessage(const DorvikApp& app)
{
    const auto box = WaitForMessageBox(app.Process().Pid());
    ASSERT_TRUE(box) << "switching the mode while armed showed nothing";
    SaveScreenshot(box->Box(), L"cancelled");
    EXPECT_EQ(box->Text(), kCancelled) << "shows \"" << Utf8(box->Text()) << "\"";
    EXPECT_EQ(box->Title(), L"Dorvik! V1.0");
    EXPECT_EQ(box->Icon(), StockIcon::Warning);
    EXPECT_EQ(box->ButtonIds(), std::vector<int>{IDOK});
    EXPECT_EQ(box->Owner(), app.Main());
    box->Answer(IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !box->Box().Exists(); }));
}

// After a cancel the icon is green and a kind change is silent again. The second change is posted after the
// first, so once its mark has moved the first has been dealt with, message box or not.
void ExpectCancelled(const DorvikApp& app)
{
    ASSERT_TRUE(ChooseKind(app, MenuItem::OturumuKapat)) << "a kind change still speaks up: still armed";
    ASSERT_TRUE(ChooseKind(app, MenuItem::BilgisayariKapat)) << "a kind change still speaks up: still armed";
    EXPECT_TRUE(FindMessageBoxes(app.Process().Pid()).empty());
    EXPECT_TRUE(app.Main().IsVisible());
    EXPECT_TRUE(TitleBarShows(app.Main(), ProgramIcon::Green)) << "the window's icon is not green";
}

TEST(Arming, SwitchingToApplicationModeWhileArmedCancelsWithAWarning)
{
    DorvikApp app = DorvikApp::Start();
    ChooseAnHourLater(app);
    Arm(app);
    ASSERT_TRUE(RestoreFromTray(app));
    EXPECT_TRUE(WaitUntil([&] { return TitleBarShows(app.Main(), ProgramIcon::Yellow); }))
        << "the restored window does not show the yellow icon";

    app.RunMenuCommand(MenuItem::ProgramaGore);
    ExpectCancelMessage(app);

    // The picker follows the message; left without a choice it leaves nothing to arm against.
    const Window picker = WaitForPicker(app);
    ASSERT_TRUE(picker) << "the picker did not open after the cancel";
    Click(picker.Descendant(static_cast<int>(ControlId::UygulamaCommand2)));
    ASSERT_TRUE(WaitUntil([&] { return !picker.IsVisible(); }));
    EXPECT_FALSE(app.Control(ControlId::BtnDorvik).IsEnabled());
    EXPECT_TRUE(IsMarked(app, MenuItem::ProgramaGore));
    EXPECT_FALSE(IsMarked(app, MenuItem::SaateGore));
    ExpectCancelled(app);
}

TEST(Arming, SwitchingToClockModeWhileArmedCancelsWithAWarning)
{
    WatchedApplication watching = StartWatching(L"Çizim Tahtası");
    const DorvikApp& app = watching.app;
    ChooseAnHourLater(app);
    Arm(app);
    ASSERT_TRUE(RestoreFromTray(app));

    app.RunMenuCommand(MenuItem::SaateGore);
    ExpectCancelMessage(app);

    ExpectCancelled(app);
    // A picker opened by the switch would be on the screen before the kind changes were dealt with.
    EXPECT_FALSE(WaitForPicker(app, Milliseconds(0))) << "the picker opened on a switch to clock mode";
    EXPECT_TRUE(IsMarked(app, MenuItem::SaateGore));
    EXPECT_FALSE(IsMarked(app, MenuItem::ProgramaGore));
    EXPECT_TRUE(app.Control(ControlId::BtnDorvik).IsEnabled());
    EXPECT_TRUE(watching.bystander.Process().IsRunning());
}

} // namespace
} // namespace dorvik::e2e
