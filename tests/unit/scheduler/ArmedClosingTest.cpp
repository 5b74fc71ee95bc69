// The armed closing on its own: what a tick is due after the program ran, stood still, slept or saw the wall
// clock move, and the clock time a delay is named by after the wall clock moved.
#include "scheduler/ArmedClosing.h"

#include <gtest/gtest.h>
#include <vector>

namespace dorvik::scheduler
{
namespace
{

using namespace std::chrono;
using namespace std::chrono_literals;

// The three clocks of a computer, moved by the test.
struct Clocks
{
    LocalMilliseconds wall;
    Elapsed elapsed{1'000'000};
    Elapsed awake{900'000};

    ClockReadings Read() const { return {wall, elapsed, awake}; }

    void Run(milliseconds by)
    {
        wall += by;
        elapsed += by;
        awake += by;
    }
};

LocalMilliseconds At(year_month_day date, hours h, minutes m, seconds s, milliseconds ms = 0ms)
{
    return LocalMilliseconds(local_days(date)) + h + m + s + ms;
}

enum class Happens
{
    Ticking,    // the program runs: a tick every half second
    StandStill, // the clocks run, the program does not
    Sleep,      // the computer sleeps: the awake clock stands still
    Jump        // only the wall clock moves
};

struct Step
{
    Happens what;
    milliseconds span;
};

// Arms a closing at a given moment and runs the steps, each tick asking what is due; the last answer.
struct Armed
{
    explicit Armed(LocalMilliseconds start) { clocks.wall = start; }

    void Arm(const Target& target)
    {
        closing.Arm(false, std::nullopt, clocks.Read());
        closing.SetTarget(target, clocks.Read());
    }

    ClosingDue Tick()
    {
        closing.Observe(clocks.Read());
        return closing.Due(clocks.Read());
    }

    void Do(const Step& step)
    {
        switch (step.what)
        {
        case Happens::Ticking:
            for (milliseconds done = 0ms; done < step.span; done += 500ms)
            {
                clocks.Run(500ms);
                // Shown, as the program shows it while its icon is in the notification area.
                if (Tick().balloon)
                {
                    closing.BalloonShown();
                }
            }
            break;
        case Happens::StandStill:
            clocks.Run(step.span);
            break;
        case Happens::Sleep:
            clocks.wall += step.span;
            clocks.elapsed += step.span;
            break;
        case Happens::Jump:
            clocks.wall += step.span;
            break;
        }
    }

    Clocks clocks;
    ArmedClosing closing;
};

constexpr year_month_day kDay = 2026y / 12 / 7;

struct DueCase
{
    const char* name;
    std::optional<TimeOfDay> at; // a time of day; else the delay
    seconds delay;
    std::vector<Step> before; // what happens between the arming and half a second before the tick looked at
    bool close;
    bool putOff;
    bool countdown; // the last-minute window opens at that tick
    milliseconds left;
};

class DueAtTheTick : public testing::TestWithParam<DueCase>
{
};

TEST_P(DueAtTheTick, NeverClosesUnwarnedAfterTheProgramStoodStill)
{
    const DueCase& c = GetParam();
    Armed run(At(kDay, 12h, 0min, 0s));
    const ClockReadings armed = run.clocks.Read();
    run.Arm(c.at ? TargetAt(armed.WallSeconds(), *c.at)
                 : TargetAfter(armed.WallSeconds(), armed.elapsed, c.delay));
    for (const Step& step : c.before)
    {
        run.Do(step);
    }

    run.clocks.Run(500ms);
    const ClosingDue due = run.Tick();

    EXPECT_EQ(due.close, c.close);
    EXPECT_EQ(due.putOff, c.putOff);
    EXPECT_EQ(due.openCountdown, c.countdown);
    EXPECT_EQ(due.balloon, c.countdown);
    EXPECT_EQ(due.left, c.left);
}

using enum Happens;

// A closing that waits for what it follows (a window, a process) counts only once that has happened: a stall
// while it waited puts nothing off, one in the very interval in which it happened does.
TEST(ArmedClosingWaiting, OnlyTheLatestIntervalCountsBeforeTheMomentIsSet)
{
    Armed run(At(2026y / 12 / 7, 12h, 0min, 0s));
    run.closing.Arm(false, std::nullopt, run.clocks.Read());
    run.clocks.Run(10min);
    run.closing.Observe(run.clocks.Read());
    for (int tick = 0; tick < 10; ++tick)
    {
        run.clocks.Run(500ms);
        run.closing.Observe(run.clocks.Read());
    }
    const ClockReadings gone = run.clocks.Read();
    run.closing.SetTarget(TargetAfter(gone.WallSeconds(), gone.elapsed, 3s), gone);
    EXPECT_FALSE(run.closing.Due(gone).putOff) << "a stall long before still counted";

    run.closing.Arm(false, std::nullopt, run.clocks.Read());
    run.clocks.Run(10min);
    run.closing.Observe(run.clocks.Read());
    const ClockReadings goneInTheStall = run.clocks.Read();
    run.closing.SetTarget(TargetAfter(goneInTheStall.WallSeconds(), goneInTheStall.elapsed, 3s),
                          goneInTheStall);
    EXPECT_TRUE(run.closing.Due(goneInTheStall).putOff);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, DueAtTheTick,
    testing::Values(
        DueCase{"ReachedOnTime", std::nullopt, 70s, {{Ticking, 69s}}, false, false, false, 500ms},
        DueCase{"Reached", std::nullopt, 70s, {{Ticking, 69'500ms}}, true, false, false, 0ms},
        DueCase{"LastMinuteBegins", std::nullopt, 70s, {{Ticking, 9'500ms}}, false, false, true, 60s},
        DueCase{"TickLateByTwoSeconds",
                std::nullopt,
                70s,
                {{Ticking, 20s}, {StandStill, 2s}},
                false,
                false,
                false,
                47'500ms},
        DueCase{"StoodStillPastTheMoment", std::nullopt, 70s, {{StandStill, 80s}}, false, true, true, 60s},
        DueCase{"StoodStillInTheLastMinute",
                std::nullopt,
                70s,
                {{Ticking, 20s}, {StandStill, 30s}},
                false,
                true,
                true,
                60s},
        DueCase{"StoodStillWithMinutesLeft",
                std::nullopt,
                10min,
                {{StandStill, 2min}},
                false,
                false,
                false,
                479'500ms},
        DueCase{"HemenStoodStillBeforeItsFirstTick",
                std::nullopt,
                3s,
                {{StandStill, 10s}},
                false,
                true,
                true,
                60s},
        DueCase{"SleptPastTheMoment",
                std::nullopt,
                10min,
                {{Ticking, 1s}, {Sleep, 20min}},
                false,
                true,
                true,
                60s},
        DueCase{"JumpedOverTheTimeOfDay",
                TimeOfDay{12, 30, 0},
                0s,
                {{Ticking, 1s}, {Jump, 1h}},
                false,
                true,
                true,
                60s},
        DueCase{"JumpedShortOfTheTimeOfDay",
                TimeOfDay{12, 30, 0},
                0s,
                {{Ticking, 1s}, {Jump, 20min}},
                false,
                false,
                false,
                599s},
        DueCase{"DelayIgnoresAJump",
                std::nullopt,
                30min,
                {{Ticking, 1s}, {Jump, 1h}},
                false,
                false,
                false,
                29min + 58'500ms}),
    [](const testing::TestParamInfo<DueCase>& param) { return std::string(param.param.name); });

struct NamedCase
{
    const char* name;
    LocalMilliseconds armedAt;
    std::optional<TimeOfDay> at; // a time of day; else the delay
    seconds delay;
    std::vector<Step> before;
    TimeOfDay named;
    bool tickAfter; // a tick saw the change; else only a look (/durum) right after it
};

class MomentNamed : public testing::TestWithParam<NamedCase>
{
};

TEST_P(MomentNamed, IsTheMomentItComesOnTheClockInForce)
{
    const NamedCase& c = GetParam();
    Armed run(c.armedAt);
    const ClockReadings armed = run.clocks.Read();
    run.Arm(c.at ? TargetAt(armed.WallSeconds(), *c.at)
                 : TargetAfter(armed.WallSeconds(), armed.elapsed, c.delay));
    for (const Step& step : c.before)
    {
        run.Do(step);
    }
    if (c.tickAfter)
    {
        run.Do({Ticking, 1s});
    }
    else
    {
        run.closing.Observe(run.clocks.Read());
    }

    EXPECT_EQ(run.closing.HedefZaman().time, c.named);
    const ClockReadings now = run.clocks.Read();
    // The name and the time left agree: the moment named is the moment it comes.
    if (!c.at)
    {
        EXPECT_EQ(floor<seconds>(now.wall + run.closing.TimeLeft(now)),
                  LocalSeconds(run.closing.HedefZaman().day) + hours(c.named[0]) + minutes(c.named[1]) +
                      seconds(c.named[2]));
    }
}

constexpr year_month_day kAutumn = 2026y / 10 / 25;
constexpr year_month_day kSpring = 2026y / 3 / 29;

INSTANTIATE_TEST_SUITE_P(
    ClockChanges, MomentNamed,
    testing::Values(
        // The clocks go back at 03:00 summer time: "/sonra 30" at 02:59:37 comes at 02:29:37 winter time.
        NamedCase{"AutumnBack",
                  At(kAutumn, 2h, 59min, 37s, 400ms),
                  std::nullopt,
                  30min,
                  {{Ticking, 22'500ms}, {Jump, -1h}},
                  {2, 29, 37},
                  true},
        NamedCase{"AutumnBackAskedAtOnce",
                  At(kAutumn, 2h, 59min, 37s, 900ms),
                  std::nullopt,
                  30min,
                  {{Ticking, 22s}, {Jump, -1h}},
                  {2, 29, 37},
                  false},
        NamedCase{"SpringForward",
                  At(kSpring, 1h, 50min, 0s),
                  std::nullopt,
                  30min,
                  {{Ticking, 10min}, {Jump, 1h}},
                  {3, 20, 0},
                  true},
        NamedCase{"AnotherTimeZone",
                  At(kDay, 10h, 0min, 0s, 250ms),
                  std::nullopt,
                  1h,
                  {{Ticking, 1s}, {Jump, 3h}},
                  {14, 0, 0},
                  true},
        NamedCase{"SleptThroughTheChange",
                  At(kAutumn, 2h, 50min, 0s),
                  std::nullopt,
                  1h,
                  {{Ticking, 1s}, {Sleep, 20min}, {Jump, -1h}},
                  {2, 50, 0},
                  true},
        NamedCase{"TimeOfDayKeepsTheTypedTime",
                  At(kAutumn, 2h, 50min, 0s),
                  TimeOfDay{4, 15, 0},
                  0s,
                  {{Ticking, 10min}, {Jump, -1h}},
                  {4, 15, 0},
                  true}),
    [](const testing::TestParamInfo<NamedCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace dorvik::scheduler
