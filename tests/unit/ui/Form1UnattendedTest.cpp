// An armed closing nobody watches: delays in real time and times of day on the wall clock across clock
// changes, a target missed in sleep, the warning a minute before, and the computer kept awake while armed.
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <utility>
#include <vector>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

using namespace std::chrono_literals;
using platform::ExitFlags;
using platform::LocalDateTime;
using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr int kSaatiBelirle = 4;
constexpr auto kShutdownWarning =
    L"Bilgisayar bir dakika sonra kapatılacak.\nVazgeçmek için buraya tıklayın.";

struct Unattended : testing::Test
{
    void StartAndArm(const LocalDateTime& when, int choice, scheduler::TimeOfDay typed = {})
    {
        armedAt = h.StartAndArm(when, choice, typed);
    }

    // The real time from arming to the tick that began the closing, or nothing within span.
    std::optional<milliseconds> TickUntilClosing(
        milliseconds span, std::vector<std::pair<milliseconds, std::function<void()>>> steps = {})
    {
        return h.TickUntilClosing(armedAt, span, std::move(steps));
    }

    Form1Harness h;
    milliseconds armedAt{};
};

struct ClockChangeCase
{
    const char* name;
    LocalDateTime armedAt;
    int choice;
    scheduler::TimeOfDay typed;
    seconds jumpAfter; // when the wall clock changes, counted in real time from arming
    seconds jumpBy;
    seconds firesAfter; // real time from arming to the start of the closing
};

class WallClockChange : public Unattended, public testing::WithParamInterface<ClockChangeCase>
{
};

// Delays count real time; a time of day waits for the wall clock to show it, in the repeated autumn hour the
// first of the two still ahead. A wall clock that jumps over a time of day (into a spring-forward gap, or set
// ahead) gives the full minute and the warning; a jump that stops short of it changes nothing.
TEST_P(WallClockChange, MovesATimeOfDayButNoDelay)
{
    const ClockChangeCase& c = GetParam();
    StartAndArm(c.armedAt, c.choice, c.typed);

    const auto began = TickUntilClosing(3h, {{c.jumpAfter, [&] { h.clock.JumpWallClock(c.jumpBy); }}});

    ASSERT_TRUE(began) << "no closing within three hours";
    EXPECT_GE(*began, c.firesAfter);
    EXPECT_LT(*began, c.firesAfter + 1s);
}

// 2026 in Central Europe: at 02:00 on 29 March the clock goes to 03:00; at 03:00 on 25 October back to 02:00.
constexpr LocalDateTime Spring(int hour, int minute, int second)
{
    return {2026, 3, 29, hour, minute, second};
}

constexpr LocalDateTime Autumn(int hour, int minute, int second)
{
    return {2026, 10, 25, hour, minute, second};
}

constexpr LocalDateTime Morning(int hour, int minute)
{
    return {2026, 12, 7, hour, minute, 0};
}

INSTANTIATE_TEST_SUITE_P(
    Changes, WallClockChange,
    testing::Values(
        ClockChangeCase{"SpringHemen", Spring(1, 59, 59), 0, {}, 1s, 1h, 3s},
        ClockChangeCase{"SpringYarimSaat", Spring(1, 45, 0), 1, {}, 15min, 1h, 30min},
        ClockChangeCase{"SpringBirSaat", Spring(1, 30, 0), 2, {}, 30min, 1h, 1h},
        ClockChangeCase{"SpringIkiSaat", Spring(1, 30, 0), 3, {}, 30min, 1h, 2h},
        ClockChangeCase{"SpringTypedInTheGap", Spring(1, 30, 0), kSaatiBelirle, {2, 30, 0}, 30min, 1h, 31min},
        ClockChangeCase{"SpringTypedAfterTheGap", Spring(1, 30, 0), kSaatiBelirle, {3, 30, 0}, 30min, 1h, 1h},
        ClockChangeCase{"AutumnHemen", Autumn(2, 59, 59), 0, {}, 1s, -1h, 3s},
        ClockChangeCase{"AutumnYarimSaat", Autumn(2, 45, 0), 1, {}, 15min, -1h, 30min},
        ClockChangeCase{"AutumnBirSaat", Autumn(2, 30, 0), 2, {}, 30min, -1h, 1h},
        ClockChangeCase{"AutumnIkiSaat", Autumn(2, 30, 0), 3, {}, 30min, -1h, 2h},
        ClockChangeCase{
            "AutumnTypedFirstOfTheTwo", Autumn(2, 10, 0), kSaatiBelirle, {2, 40, 0}, 50min, -1h, 30min},
        ClockChangeCase{"AutumnTypedPassedInTheFirstHour",
                        Autumn(2, 30, 0),
                        kSaatiBelirle,
                        {2, 20, 0},
                        30min,
                        -1h,
                        50min},
        ClockChangeCase{"ForwardYarimSaat", Morning(10, 0), 1, {}, 10min, 1h, 30min},
        ClockChangeCase{
            "ForwardTypedJumpedOver", Morning(10, 0), kSaatiBelirle, {10, 30, 0}, 10min, 1h, 11min},
        ClockChangeCase{"ForwardTypedShortOfTheTarget",
                        Morning(10, 0),
                        kSaatiBelirle,
                        {10, 30, 0},
                        10min,
                        19min + 30s,
                        10min + 30s},
        ClockChangeCase{"BackYarimSaat", Morning(10, 0), 1, {}, 10min, -1h, 30min},
        ClockChangeCase{"BackTyped", Morning(10, 0), kSaatiBelirle, {10, 30, 0}, 10min, -1h, 90min}),
    [](const testing::TestParamInfo<ClockChangeCase>& param) { return std::string(param.param.name); });

struct SleepCase
{
    const char* name;
    int choice;
    scheduler::TimeOfDay typed;
    seconds asleepAfter;
    seconds asleepFor;
    bool resumeMessage; // Windows announces the resume before the next tick
    seconds firesAfter; // real time from arming
    bool warnedAtResume;
};

class SleepThroughTheTarget : public Unattended, public testing::WithParamInterface<SleepCase>
{
};

TEST_P(SleepThroughTheTarget, PutsAPassedTargetAMinuteAheadWithTheWarning)
{
    const SleepCase& c = GetParam();
    StartAndArm(Morning(10, 0), c.choice, c.typed);
    std::size_t balloonsAtResume = 0;

    const auto began = TickUntilClosing(c.firesAfter + 1min, {{c.asleepAfter, [&] {
                                                                   h.clock.Sleep(c.asleepFor);
                                                                   if (c.resumeMessage)
                                                                   {
                                                                       h.form.Form_Resume();
                                                                   }
                                                                   else
                                                                   {
                                                                       h.form.Timer1_Tick();
                                                                   }
                                                                   balloonsAtResume =
                                                                       h.tray.Balloons().size();
                                                               }}});

    ASSERT_TRUE(began);
    EXPECT_GE(*began, c.firesAfter);
    EXPECT_LT(*began, c.firesAfter + 1s);
    EXPECT_EQ(balloonsAtResume, c.warnedAtResume ? 1u : 0u);
    EXPECT_EQ(h.tray.Balloons().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Sleeps, SleepThroughTheTarget,
    testing::Values(SleepCase{"DelaySeenByTheTick", 2, {}, 10min, 2h, false, 2h + 10min + 60s, true},
                    SleepCase{"DelayAnnouncedByWindows", 2, {}, 10min, 2h, true, 2h + 10min + 60s, true},
                    SleepCase{
                        "TimeOfDay", kSaatiBelirle, {11, 0, 0}, 10min, 5h, false, 5h + 10min + 60s, true},
                    SleepCase{"WakingBeforeTheTarget", 2, {}, 10min, 30min, false, 1h, false},
                    SleepCase{"WakingWithinTheLastMinute", 2, {}, 10min, 49min + 30s, false, 1h + 30s, true}),
    [](const testing::TestParamInfo<SleepCase>& param) { return std::string(param.param.name); });

struct WarningCase
{
    const char* name;
    MenuItem kind;
    int choice;
    bool windowShown;
    const wchar_t* expected; // nullptr: no balloon
    bool countdown;          // the last-minute window comes too
};

class WarningBeforeTheClosing : public Unattended, public testing::WithParamInterface<WarningCase>
{
};

TEST_P(WarningBeforeTheClosing, ComesAMinuteAheadFromTheNotificationAreaAndNamesTheKind)
{
    const WarningCase& c = GetParam();
    h.clock.Set(Morning(10, 0));
    h.Start();
    h.view.SetChecked(MenuItem::BilgisayariKapat, false);
    h.view.SetChecked(c.kind, true);
    h.view.UserSelectOption(c.choice);
    h.form.BtnDorvik_Click();
    armedAt = h.clock.Monotonic();
    if (c.windowShown)
    {
        h.form.mPopRestore_Click();
    }
    const milliseconds delay = c.choice == 0 ? 3s : 30min;

    const auto began =
        TickUntilClosing(delay + 1s, {{delay - 61s, [&] { EXPECT_TRUE(h.tray.Balloons().empty()); }}});

    ASSERT_TRUE(began) << "the balloon held the closing up";
    EXPECT_EQ(h.countdown.showings, c.countdown ? 1 : 0);
    if (!c.expected)
    {
        EXPECT_TRUE(h.tray.Balloons().empty());
        return;
    }
    ASSERT_EQ(h.tray.Balloons().size(), 1u);
    EXPECT_EQ(h.tray.Balloons()[0].title, L"Dorvik! V1.0");
    EXPECT_EQ(h.tray.Balloons()[0].text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WarningBeforeTheClosing,
    testing::Values(
        WarningCase{"Shutdown", MenuItem::BilgisayariKapat, 1, false, kShutdownWarning, true},
        WarningCase{"Restart", MenuItem::BilgisayariYenidenBaslat, 1, false,
                    L"Bilgisayar bir dakika sonra yeniden başlatılacak.\nVazgeçmek için buraya tıklayın.",
                    true},
        WarningCase{"LogOff", MenuItem::OturumuKapat, 1, false,
                    L"Oturum bir dakika sonra kapatılacak.\nVazgeçmek için buraya tıklayın.", true},
        WarningCase{"HemenHasNone", MenuItem::BilgisayariKapat, 0, false, nullptr, false},
        WarningCase{"WindowShownHasOnlyTheCountdown", MenuItem::BilgisayariKapat, 1, true, nullptr, true}),
    [](const testing::TestParamInfo<WarningCase>& param) { return std::string(param.param.name); });

TEST_F(Unattended, ClickOnTheWarningBringsTheWindowBackArmedAndAKindChangedLaterIsCarriedOut)
{
    StartAndArm(Morning(10, 0), 1);
    TickUntilClosing(30min - 59s);
    ASSERT_EQ(h.tray.Balloons().size(), 1u);

    h.form.Form_MouseMove(0, 0, 1029, 0); // NIN_BALLOONUSERCLICK
    EXPECT_TRUE(h.view.Shown());
    EXPECT_FALSE(h.tray.ShownIcon());
    EXPECT_TRUE(h.modulum.KapamaAktif);

    h.form.OturumuKapat_Click();
    EXPECT_TRUE(TickUntilClosing(30min + 1s));
    EXPECT_EQ(h.power.Calls().back().flags, ExitFlags::LogOff);
    EXPECT_EQ(h.tray.Balloons().size(), 1u);
}

TEST_F(Unattended, ComputerIsKeptAwakeExactlyWhileAClosingIsArmed)
{
    h.clock.Set(Morning(10, 0));
    h.Start();
    EXPECT_FALSE(h.power.AwakeReason());

    h.view.UserSelectOption(2);
    h.form.BtnDorvik_Click();
    EXPECT_EQ(h.power.AwakeReason(), L"Dorvik: kapama 11:00:00 için kurulu");
    h.form.mPopRestore_Click();
    EXPECT_TRUE(h.power.AwakeReason()) << "a restored window keeps the closing armed";

    const platform::WindowId watched = h.windows.Add({.title = L"Derleyici"});
    h.picker.UserChooses(watched);
    h.form.ProgramaGore_Click(); // cancels, then the picker
    EXPECT_FALSE(h.power.AwakeReason());

    h.form.BtnDorvik_Click();
    EXPECT_EQ(h.power.AwakeReason(), L"Dorvik: kapama kurulu, izlenen pencerenin kapanması bekleniyor");
    h.windows.Destroy(watched);
    h.form.Timer1_Tick();
    EXPECT_EQ(h.power.AwakeReason(), L"Dorvik: kapama 11:00:00 için kurulu");

    // Held through the closing, until the program ends.
    armedAt = h.clock.Monotonic();
    EXPECT_TRUE(TickUntilClosing(2h));
    EXPECT_TRUE(h.power.AwakeReason());
}

TEST_F(Unattended, AClosingStaysArmedWhenWindowsWillNotKeepTheComputerAwake)
{
    h.power.refuseToKeepAwake = true;
    StartAndArm(Morning(10, 0), 1);
    EXPECT_TRUE(h.modulum.KapamaAktif);
    EXPECT_TRUE(TickUntilClosing(31min));
}

} // namespace
} // namespace dorvik::test
