// A command line carried out by the main window: the state it leaves, as the same choices confirmed in the
// window would, and the answers with which it refuses.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "command/Payload.h"
#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using namespace std::chrono_literals;
using command::ExitCode;
using platform::IconId;

struct Form1CommandLine : testing::Test
{
    Form1CommandLine()
    {
        h.clock.Set({2026, 12, 7, 12, 0, 0});
        h.Start();
    }

    ExitCode Run(std::vector<std::wstring> arguments)
    {
        return h.form.Form_CommandLine(command::ParseCommandLine(arguments));
    }

    std::vector<std::wstring> ClockFields() const
    {
        return {h.view.Text(Saat(0)), h.view.Text(Saat(1)), h.view.Text(Saat(2))};
    }

    Form1Harness h;
};

struct ArmCase
{
    const char* name;
    std::vector<std::wstring> arguments;
    MenuItem kind;
    int option;
    std::vector<std::wstring> fields;
    scheduler::TimeOfDay target;
    std::optional<std::chrono::milliseconds> realTime; // a delay's length; nothing for a time of day
};

class ArmedFromTheCommandLine : public Form1CommandLine, public testing::WithParamInterface<ArmCase>
{
};

TEST_P(ArmedFromTheCommandLine, LeavesTheStateOfTheSameChoicesConfirmedInTheWindow)
{
    const ArmCase& c = GetParam();
    const auto before = h.clock.Monotonic();

    EXPECT_EQ(Run(c.arguments), ExitCode::Done);

    EXPECT_TRUE(h.modulum.KapamaAktif);
    for (const MenuItem kind :
         {MenuItem::BilgisayariKapat, MenuItem::OturumuKapat, MenuItem::BilgisayariYenidenBaslat})
    {
        EXPECT_EQ(h.view.Checked(kind), kind == c.kind);
    }
    EXPECT_TRUE(h.view.Checked(MenuItem::SaateGore));
    EXPECT_FALSE(h.view.Checked(MenuItem::ProgramaGore));
    EXPECT_EQ(h.view.SelectedOption(), c.option);
    EXPECT_EQ(ClockFields(), c.fields);
    EXPECT_EQ(h.form.Closing().HedefZaman().time, c.target);
    EXPECT_EQ(h.form.Closing().HedefZaman().elapsedDue,
              c.realTime ? std::optional(before + *c.realTime) : std::nullopt);
    EXPECT_FALSE(h.view.Shown());
    EXPECT_EQ(h.tray.ShownIcon(), IconId::DorvikSet);
    EXPECT_TRUE(h.dialogs.Shown().empty()) << "the command is the confirmation";
}

INSTANTIATE_TEST_SUITE_P(
    Moments, ArmedFromTheCommandLine,
    testing::Values(
        ArmCase{"Hemen", {L"/hemen"}, MenuItem::BilgisayariKapat, 0, {L"12", L"00", L"00"}, {12, 0, 3}, 3s},
        ArmCase{"SaatTomorrow",
                {L"/r", L"/saat", L"7:05"},
                MenuItem::BilgisayariYenidenBaslat,
                4,
                {L"07", L"05", L"00"},
                {7, 5, 0},
                std::nullopt},
        ArmCase{"Sonra",
                {L"/oturum", L"/sonra", L"90"},
                MenuItem::OturumuKapat,
                4,
                {L"13", L"30", L"00"},
                {13, 30, 0},
                90min}),
    [](const testing::TestParamInfo<ArmCase>& param) { return std::string(param.param.name); });

TEST_F(Form1CommandLine, ProgramCountsTheMinutesFromTheWatchedWindowsEnd)
{
    const platform::WindowId watched = h.windows.Add({.title = L"Derleyici"});

    EXPECT_EQ(Run({L"/program", L"Derleyici", L"/sonra", L"10"}), ExitCode::Done);

    EXPECT_TRUE(h.view.Checked(MenuItem::ProgramaGore));
    EXPECT_FALSE(h.view.Checked(MenuItem::SaateGore));
    EXPECT_EQ(h.modulum.SecilenProgramId, watched);
    EXPECT_TRUE(h.view.Enabled(ControlId::BtnDorvik));
    EXPECT_TRUE(h.form.Closing().ZamanHesaplanacak());

    h.clock.Advance(1h);
    h.windows.Destroy(watched);
    h.form.Timer1_Tick();
    EXPECT_EQ(h.form.Closing().HedefZaman().time, (scheduler::TimeOfDay{13, 10, 0}));
    EXPECT_EQ(ClockFields(), (std::vector<std::wstring>{L"13", L"10", L"00"}));
}

// After /program with /sonra the moment shows as "Saati Belirle"; clicking it again in the restored window
// is only a look.
TEST_F(Form1CommandLine, ALookAtTheChosenMomentKeepsTheCommandLinesDelay)
{
    const platform::WindowId watched = h.windows.Add({.title = L"Derleyici"});
    Run({L"/program", L"Derleyici", L"/sonra", L"10"});

    h.form.mPopRestore_Click();
    h.view.UserSelectOption(4);
    h.form.Command2_Click();
    h.view.UserMinimize();
    h.windows.Destroy(watched);
    h.form.Timer1_Tick();

    EXPECT_EQ(h.form.Closing().HedefZaman().time, (scheduler::TimeOfDay{12, 10, 0}));
    EXPECT_TRUE(h.form.Closing().HedefZaman().elapsedDue) << "a delay, not the fields' time of day";
}

// Windows keeps a title of any length, and a command line holds one of up to 32767 characters.
TEST_F(Form1CommandLine, ProgramMatchesALongTitleHandedOn)
{
    const std::wstring title(3000, L'ş');
    const platform::WindowId watched = h.windows.Add({.title = title});

    EXPECT_EQ(h.CopyData({L"/program", title}), ExitCode::Done);
    EXPECT_EQ(h.modulum.SecilenProgramId, watched);
}

struct WaitingCopyCase
{
    const char* name;
    std::vector<std::vector<std::wstring>> handed; // the command lines handed over, in order
    std::chrono::seconds after;                    // how long after its start the next tick comes
    bool ends;
};

class WaitingCopy : public testing::TestWithParam<WaitingCopyCase>
{
};

TEST_P(WaitingCopy, EndsUnlessTheArmingItIsHandedArmsIt)
{
    const WaitingCopyCase& c = GetParam();
    Form1Harness h;
    h.form.Form_Load();
    h.form.Form_AwaitCommandLine();
    for (const std::vector<std::wstring>& line : c.handed)
    {
        h.CopyData(line);
    }
    h.clock.Advance(c.after);

    if (c.ends)
    {
        EXPECT_THROW(h.form.Timer1_Tick(), platform::ProgramEnded);
        EXPECT_FALSE(h.tray.ShownIcon());
        return;
    }
    EXPECT_NO_THROW(h.form.Timer1_Tick());
    EXPECT_TRUE(h.tray.ShownIcon()) << "the copy left the notification area";
    EXPECT_FALSE(h.view.Shown());
}

INSTANTIATE_TEST_SUITE_P(
    HandOvers, WaitingCopy,
    testing::Values(
        WaitingCopyCase{"Armed", {{L"/sonra", L"30"}}, 1s, false},
        WaitingCopyCase{"ArmedStaysPastTheHandOverTime", {{L"/saat", L"23:00"}}, 1min, false},
        WaitingCopyCase{"Refused", {{L"/program", L"Olmayan"}}, 1s, true},
        // Two scripts at once: the first one's window is not there, the second one's arming holds.
        WaitingCopyCase{"RefusedThenArmedByAnother", {{L"/program", L"Olmayan"}, {L"/hemen"}}, 1s, false},
        WaitingCopyCase{"ArmedThenCancelledStays", {{L"/sonra", L"30"}, {L"/iptal"}}, 1min, false},
        WaitingCopyCase{"AQuestionIsNoArming", {{L"/durum"}}, 16s, true},
        WaitingCopyCase{"HandedNothingInTime", {}, 16s, true}),
    [](const testing::TestParamInfo<WaitingCopyCase>& param) { return std::string(param.param.name); });

TEST_F(Form1CommandLine, RefusesWithoutChangingAnything)
{
    // A window that only the program itself shows under that title is never one to watch.
    EXPECT_EQ(Run({L"/program", L"Olmayan"}), ExitCode::NoSuchWindow);
    EXPECT_EQ(Run({L"/program", L"Dorvik! V1.0"}), ExitCode::NoSuchWindow);
    EXPECT_EQ(Run({L"/iptal"}), ExitCode::NothingToCancel);
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_TRUE(h.view.Shown());

    ExitCode duringTheQuestion = ExitCode::Done;
    h.dialogs.WhileOpen([&](const platform::ShownMessage&) { duringTheQuestion = Run({L"/hemen"}); });
    h.view.UserSelectOption(2);
    h.form.BtnDorvik_Click();
    EXPECT_EQ(duringTheQuestion, ExitCode::Busy);
    EXPECT_EQ(h.form.Closing().HedefZaman().time, (scheduler::TimeOfDay{13, 0, 0}))
        << "the question's own arming";

    EXPECT_EQ(Run({L"/r", L"/hemen"}), ExitCode::AlreadyArmed);
    EXPECT_TRUE(h.view.Checked(MenuItem::BilgisayariKapat));
    EXPECT_EQ(h.form.Closing().HedefZaman().time, (scheduler::TimeOfDay{13, 0, 0}));
}

TEST(Form1CommandLineAtStart, WindowNeverShownComesUpWhenTheShellRefusesTheIcon)
{
    Form1Harness h;
    h.tray.acceptAdd = false;
    h.form.Form_Load();

    EXPECT_EQ(h.form.Form_CommandLine(command::ParseCommandLine(std::vector<std::wstring>{L"/sonra", L"30"})),
              ExitCode::Done);

    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_TRUE(h.view.Shown()) << "an armed program out of reach";
}

TEST_F(Form1CommandLine, IptalLeavesTheProgramAsTheWindowsOwnCancelDoes)
{
    Run({L"/sonra", L"60"});

    EXPECT_EQ(Run({L"/a"}), ExitCode::Done);

    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_TRUE(h.form.Closing().ZamanHesaplanacak());
    EXPECT_EQ(h.tray.ShownIcon(), IconId::Dorvik) << "green, still in the notification area";
    EXPECT_FALSE(h.power.AwakeReason());
    EXPECT_TRUE(h.dialogs.Shown().empty());
}

TEST_F(Form1CommandLine, ClosingUnderWayRefusesEvenACancel)
{
    Run({L"/hemen"});
    std::vector<ExitCode> answers;
    h.events.Schedule(1s, [&] {
        answers.push_back(Run({L"/iptal"}));
        answers.push_back(Run({L"/sonra", L"5"}));
    });
    h.clock.Advance(3s);
    EXPECT_THROW(h.form.Timer1_Tick(), platform::ProgramEnded);
    EXPECT_EQ(answers, (std::vector<ExitCode>{ExitCode::Busy, ExitCode::Busy}));
}

TEST_F(Form1CommandLine, DurumTellsTheArmedClosingAndChangesNothing)
{
    const std::wstring durum = *command::EncodeArguments(std::vector<std::wstring>{L"/durum"});
    std::wstring answer;
    EXPECT_EQ(h.form.Form_CopyData(durum, &answer), ExitCode::NothingToCancel);
    EXPECT_EQ(answer, L"");

    Run({L"/oturum", L"/saat", L"18:00"});
    h.clock.SetTime(17, 59, 15);
    h.dialogs.WhileOpen([&](const platform::ShownMessage&) {
        EXPECT_EQ(h.form.Form_CopyData(durum, &answer), ExitCode::Done) << "answered while a box is open";
    });
    h.form.ProgramHakkinda_Click();
    EXPECT_EQ(answer, L"Oturum kapatma 18:00:00 (45 sn kaldı)");
    EXPECT_TRUE(h.modulum.KapamaAktif);
}

// "/ertele" puts the closing off from the moment it had, and names the new moment; nothing armed, nothing to
// put off. Before the watched window has gone, the delay after it grows.
TEST_F(Form1CommandLine, ErteleNamesTheNewMomentAndAWatchedWindowsDelayGrows)
{
    const auto copyData = [&](std::vector<std::wstring> line, std::wstring& answer) {
        return h.CopyData(line, &answer);
    };
    std::wstring answer;
    EXPECT_EQ(copyData({L"/ertele", L"10"}, answer), ExitCode::NothingToCancel);

    Run({L"/sonra", L"30"});
    EXPECT_FALSE(h.TickFor(29min + 30s));
    ASSERT_EQ(h.countdown.showings, 1);
    EXPECT_EQ(copyData({L"/ertele", L"10"}, answer), ExitCode::Done);
    EXPECT_EQ(answer, L"Kapatma 12:40:00 (10 dk kaldı)");
    EXPECT_FALSE(h.countdown.shown) << "the count was for the moment before";
    EXPECT_TRUE(h.form.Closing().HedefZaman().elapsedDue);

    ASSERT_EQ(Run({L"/iptal"}), ExitCode::Done);
    const platform::WindowId watched = h.windows.Add({.title = L"Derleyici"});
    Run({L"/program", L"Derleyici", L"/sonra", L"10"});
    EXPECT_EQ(copyData({L"/ertele", L"5"}, answer), ExitCode::Done);
    EXPECT_EQ(answer, L"Kapatma: izlenen pencere kapandıktan 15 dk sonra");
    h.windows.Destroy(watched);
    h.form.Timer1_Tick();
    EXPECT_EQ(*h.form.ArmedStatus(), L"Kapatma 12:44:30 (15 dk kaldı)");
}

// Sleep and hibernation have no item in the kind menu: none is marked while they hold, and the menu's own
// kind comes back afterwards. After the sleep the program is still there, idle, and the wake-up it asked for
// is not taken for one with a closing due.
TEST_F(Form1CommandLine, AfterTheSleepItArmedTheProgramIsIdleAndItsKindMenuAsBefore)
{
    h.view.SetChecked(MenuItem::BilgisayariKapat, false);
    h.view.SetChecked(MenuItem::OturumuKapat, true);
    EXPECT_EQ(Run({L"/uyku", L"/hemen"}), ExitCode::Done);
    for (const MenuItem kind :
         {MenuItem::BilgisayariKapat, MenuItem::OturumuKapat, MenuItem::BilgisayariYenidenBaslat})
    {
        EXPECT_FALSE(h.view.Checked(kind));
    }
    EXPECT_EQ(*h.form.ArmedStatus(), L"Uyku 12:00:03 (3 sn kaldı)");

    h.clock.Advance(3s);
    h.form.Timer1_Tick(); // the closing sequence, the sleep, and back
    ASSERT_EQ(h.power.Calls().size(), 2u);
    EXPECT_EQ(h.power.Calls()[1].call, platform::PowerCall::Suspend);
    EXPECT_FALSE(h.power.Calls()[1].hibernate);
    EXPECT_EQ(h.runtime.endCount, 0);
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.tray.ShownIcon(), IconId::Dorvik);
    EXPECT_FALSE(h.power.AwakeReason());
    EXPECT_TRUE(h.view.TimerEnabled());
    EXPECT_TRUE(h.view.Checked(MenuItem::OturumuKapat));

    h.clock.Sleep(2h);
    h.form.Form_Resume();
    h.clock.Advance(500ms);
    h.form.Timer1_Tick();
    EXPECT_EQ(h.countdown.showings, 0);
    EXPECT_EQ(h.power.Calls().size(), 2u);
}

TEST_F(Form1CommandLine, AKindChosenInTheMenuReplacesAnArmedHibernation)
{
    Run({L"/hazirda", L"/sonra", L"30"});
    h.form.mPopRestore_Click();
    h.form.BilgisayariYenidenBaslat_Click();
    EXPECT_TRUE(h.view.Checked(MenuItem::BilgisayariYenidenBaslat));
    ASSERT_EQ(h.dialogs.Shown().size(), 1u);
    EXPECT_EQ(*h.form.ArmedStatus(), L"Yeniden başlatma 12:30:00 (30 dk kaldı)");
}

// A rehearsal runs the whole road, warnings marked as such, and asks Windows for nothing: it says what it
// would have done, and the program goes back to idle.
TEST_F(Form1CommandLine, RehearsalWarnsAsTheClosingWouldAndEndsInItsOwnWords)
{
    Run({L"/deneme", L"/yeniden", L"/sonra", L"1"});
    EXPECT_EQ(*h.form.ArmedStatus(), L"Deneme: Yeniden başlatma 12:01:00 (1 dk kaldı)");
    h.form.Timer1_Tick();
    EXPECT_EQ(h.countdown.Sentence(), L"Bilgisayar 60 saniye sonra yeniden başlatılacak. (deneme)");
    ASSERT_EQ(h.tray.Balloons().size(), 1u);
    EXPECT_EQ(h.tray.Balloons()[0].text,
              L"Bilgisayar bir dakika sonra yeniden başlatılacak. (deneme)\nVazgeçmek için buraya tıklayın.");

    EXPECT_FALSE(h.TickFor(1min + 1s));
    EXPECT_TRUE(h.power.Calls().empty());
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.tray.ShownIcon(), IconId::Dorvik);
    ASSERT_EQ(h.tray.Balloons().size(), 2u);
    EXPECT_EQ(h.tray.Balloons()[1].text, L"Deneme bitti: bilgisayar şimdi yeniden başlatılacaktı.");
    EXPECT_TRUE(h.view.TimerEnabled());
}

TEST_F(Form1CommandLine, HandedOnPayloadIsCheckedAsACommandLine)
{
    EXPECT_EQ(h.form.Form_CopyData(L"garbage"), ExitCode::UsageError);
    EXPECT_EQ(h.CopyData({L"/?"}), ExitCode::UsageError);
    EXPECT_EQ(h.CopyData({L"/saat", L"25:00"}), ExitCode::UsageError);
    EXPECT_FALSE(h.modulum.KapamaAktif);
    EXPECT_EQ(h.CopyData({L"/hemen"}), ExitCode::Done);
    EXPECT_TRUE(h.modulum.KapamaAktif);
}

} // namespace
} // namespace dorvik::test
