// Target times: offsets past midnight and across months and years, typed times of day, and when a target is
// due.
#include "scheduler/HedefZaman.h"

#include <gtest/gtest.h>

namespace dorvik::scheduler
{
namespace
{

using namespace std::chrono;

LocalDays Day(int y, int m, int d)
{
    return LocalDays{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}};
}

TimeOfDay At(int h, int m, int s)
{
    return {static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(s)};
}

struct OffsetCase
{
    LocalSeconds now;
    QuickChoice choice;
    LocalDays expectedDay;
    TimeOfDay expectedTime;
};

class TargetAfterQuickChoice : public testing::TestWithParam<OffsetCase>
{
};

TEST_P(TargetAfterQuickChoice, AddsTheChoicesOffsetAndCarriesIntoTheNextDay)
{
    const Elapsed elapsedNow{5'000'000};
    const Target target = TargetAfter(GetParam().now, elapsedNow, QuickOffset(GetParam().choice));
    EXPECT_EQ(target.day, GetParam().expectedDay);
    EXPECT_EQ(target.time, GetParam().expectedTime);
    // Real time: due when the elapsed clock has run the delay, whatever the wall clock does.
    EXPECT_EQ(target.elapsedDue, elapsedNow + QuickOffset(GetParam().choice));
}

INSTANTIATE_TEST_SUITE_P(
    Offsets, TargetAfterQuickChoice,
    testing::Values(OffsetCase{MakeLocalSeconds(2026, 12, 7, 12, 0, 0), QuickChoice::Hemen, Day(2026, 12, 7),
                               At(12, 0, 3)},
                    OffsetCase{MakeLocalSeconds(2026, 12, 7, 10, 15, 58), QuickChoice::Hemen,
                               Day(2026, 12, 7), At(10, 16, 1)},
                    OffsetCase{MakeLocalSeconds(2026, 12, 7, 23, 30, 10), QuickChoice::BirSaatSonra,
                               Day(2026, 12, 8), At(0, 30, 10)},
                    OffsetCase{MakeLocalSeconds(2026, 12, 7, 23, 0, 0), QuickChoice::IkiSaatSonra,
                               Day(2026, 12, 8), At(1, 0, 0)},
                    OffsetCase{MakeLocalSeconds(2026, 12, 7, 9, 45, 0), QuickChoice::YarimSaatSonra,
                               Day(2026, 12, 7), At(10, 15, 0)},
                    OffsetCase{MakeLocalSeconds(2026, 12, 7, 23, 59, 58), QuickChoice::Hemen,
                               Day(2026, 12, 8), At(0, 0, 1)},
                    OffsetCase{MakeLocalSeconds(2026, 12, 31, 23, 45, 0), QuickChoice::YarimSaatSonra,
                               Day(2027, 1, 1), At(0, 15, 0)},
                    OffsetCase{MakeLocalSeconds(2028, 2, 28, 23, 0, 0), QuickChoice::IkiSaatSonra,
                               Day(2028, 2, 29), At(1, 0, 0)},
                    OffsetCase{MakeLocalSeconds(2027, 2, 28, 23, 0, 0), QuickChoice::IkiSaatSonra,
                               Day(2027, 3, 1), At(1, 0, 0)}));

TEST(QuickOffset, IsWholeSecondsForEachChoice)
{
    EXPECT_EQ(QuickOffset(QuickChoice::Hemen), 3s);
    EXPECT_EQ(QuickOffset(QuickChoice::YarimSaatSonra), 1800s);
    EXPECT_EQ(QuickOffset(QuickChoice::BirSaatSonra), 3600s);
    EXPECT_EQ(QuickOffset(QuickChoice::IkiSaatSonra), 7200s);
    EXPECT_EQ(QuickOffset(QuickChoice::SaatiBelirle), 0s);
}

TEST(TargetAt, TypedTimeStillAheadFallsToday)
{
    EXPECT_EQ(TargetAt(MakeLocalSeconds(2026, 12, 7, 6, 0, 0), At(7, 5, 9)),
              (Target{Day(2026, 12, 7), At(7, 5, 9), std::nullopt}));
}

TEST(TargetAt, TypedTimeAlreadyPastFallsTomorrow)
{
    EXPECT_EQ(TargetAt(MakeLocalSeconds(2026, 12, 7, 8, 0, 0), At(7, 5, 9)),
              (Target{Day(2026, 12, 8), At(7, 5, 9), std::nullopt}));
    EXPECT_EQ(TargetAt(MakeLocalSeconds(2026, 12, 31, 23, 0, 0), At(0, 0, 0)),
              (Target{Day(2027, 1, 1), At(0, 0, 0), std::nullopt}));
}

TEST(TargetAt, TypedTimeEqualToNowIsDueNow)
{
    const LocalSeconds now = MakeLocalSeconds(2026, 12, 7, 7, 5, 9);
    const Target target = TargetAt(now, At(7, 5, 9));
    EXPECT_EQ(target, (Target{Day(2026, 12, 7), At(7, 5, 9), std::nullopt}));
    EXPECT_TRUE(TargetReached(target, now, Elapsed{0}));
}

TEST(TargetReached, OnlyAtOrAfterTheMomentOnItsDay)
{
    const Target target{Day(2026, 12, 8), At(0, 30, 10), std::nullopt};
    EXPECT_FALSE(TargetReached(target, MakeLocalSeconds(2026, 12, 7, 23, 59, 59), Elapsed{0}));
    // The same time of day on the day before is not the target.
    EXPECT_FALSE(TargetReached(target, MakeLocalSeconds(2026, 12, 7, 0, 30, 10), Elapsed{0}));
    EXPECT_FALSE(TargetReached(target, MakeLocalSeconds(2026, 12, 8, 0, 30, 9), Elapsed{0}));
    EXPECT_TRUE(TargetReached(target, MakeLocalSeconds(2026, 12, 8, 0, 30, 10), Elapsed{0}));
}

TEST(TargetReached, ASecondNoTickSawIsStillDueAfterwards)
{
    const Target target{Day(2026, 12, 7), At(12, 0, 3), std::nullopt};
    EXPECT_TRUE(TargetReached(target, MakeLocalSeconds(2026, 12, 7, 12, 0, 5), Elapsed{0}));
    EXPECT_TRUE(TargetReached(target, MakeLocalSeconds(2026, 12, 9, 3, 0, 0), Elapsed{0}));
}

TEST(TargetReached, ADelayIsDueOnTheElapsedClockWhateverTheWallClockShows)
{
    const LocalSeconds armed = MakeLocalSeconds(2026, 12, 7, 10, 0, 0);
    const Target target = TargetAfter(armed, Elapsed{1'000'000}, 1h);
    EXPECT_FALSE(TargetReached(target, armed + 5h, Elapsed{1'000'000} + 59min));
    EXPECT_TRUE(TargetReached(target, armed - 5h, Elapsed{1'000'000} + 1h));
    EXPECT_EQ(TimeLeft(target, armed, Elapsed{1'000'000} + 59min), 1min);
}

TEST(AfterWallClockWentBack, ATimeOfDayIsDueTheNextTimeTheWallClockShowsIt)
{
    // Armed at 10:20 for 10:15: tomorrow. The clock is put back to 10:00, and shows 10:15 again today.
    const Target tomorrow = TargetAt(MakeLocalSeconds(2026, 12, 7, 10, 20, 0), At(10, 15, 0));
    const Target moved = AfterWallClockWentBack(tomorrow, MakeLocalSeconds(2026, 12, 7, 10, 20, 0),
                                                MakeLocalSeconds(2026, 12, 7, 10, 0, 0));
    EXPECT_EQ(moved, (Target{Day(2026, 12, 7), At(10, 15, 0), std::nullopt}));

    // A delay and a clock that went forward stay as they are.
    const Target delay = TargetAfter(MakeLocalSeconds(2026, 12, 7, 10, 20, 0), Elapsed{0}, 30min);
    EXPECT_EQ(AfterWallClockWentBack(delay, MakeLocalSeconds(2026, 12, 7, 10, 20, 0),
                                     MakeLocalSeconds(2026, 12, 7, 9, 0, 0)),
              delay);
    EXPECT_EQ(AfterWallClockWentBack(tomorrow, MakeLocalSeconds(2026, 12, 7, 10, 20, 0),
                                     MakeLocalSeconds(2026, 12, 7, 11, 0, 0)),
              tomorrow);
}

} // namespace
} // namespace dorvik::scheduler
