// The status bar's clock text with and without its colon.
#include "scheduler/StatusClock.h"

#include <gtest/gtest.h>

namespace dorvik::scheduler
{
namespace
{

TEST(StatusClockText, ShowsTheColonOrThreeBlanksBetweenPaddedHourAndMinute)
{
    EXPECT_EQ(StatusClockText(L"06 December 2026", 14, 5, true), L"06 December 2026, 14 : 05");
    EXPECT_EQ(StatusClockText(L"06 December 2026", 14, 5, false), L"06 December 2026, 14   05");
    EXPECT_EQ(StatusClockText(L"01 Ocak 2027", 0, 0, true), L"01 Ocak 2027, 00 : 00");
    EXPECT_EQ(StatusClockText(L"07 Aralık 2026", 9, 59, false), L"07 Aralık 2026, 09   59");
}

} // namespace
} // namespace dorvik::scheduler
