// What a tick does in each state, and that it walks the desktop or reads the processes only when the answer
// matters.
#include "scheduler/TickDecision.h"

#include <gtest/gtest.h>

namespace dorvik::scheduler
{
namespace
{

struct TickCase
{
    const char* name;
    TickFacts facts;
    bool windowPresent;
    TickDecision expected;
    bool asksForWindow;
};

class DecideTickIn : public testing::TestWithParam<TickCase>
{
};

TEST_P(DecideTickIn, DecidesAndAsksForTheWindowOnlyWhenNeeded)
{
    int asked = 0;
    const TickDecision decision = DecideTick(GetParam().facts, [&] {
        ++asked;
        return GetParam().windowPresent;
    });
    EXPECT_EQ(decision, GetParam().expected);
    EXPECT_EQ(asked, GetParam().asksForWindow ? 1 : 0);
}

constexpr TickDecision kNothing{false, false};
constexpr TickDecision kCompare{false, true};
constexpr TickDecision kComputeAndCompare{true, true};

INSTANTIATE_TEST_SUITE_P(
    States, DecideTickIn,
    testing::Values(
        TickCase{"Idle", {false, false, false, true}, false, kNothing, false},
        TickCase{"IdleApplicationMode", {false, true, true, true}, false, kNothing, false},
        TickCase{"ArmedClockMode", {true, false, false, false}, false, kCompare, false},
        TickCase{"ArmedClockModeWithWindowChosen", {true, false, true, false}, false, kCompare, false},
        TickCase{"ArmedClockModeWithoutTarget", {true, false, true, true}, false, kNothing, false},
        TickCase{"ApplicationModeNothingChosen", {true, true, false, true}, false, kNothing, false},
        TickCase{"ApplicationModeWindowPresent", {true, true, true, true}, true, kNothing, true},
        TickCase{"ApplicationModeWindowGone", {true, true, true, true}, false, kComputeAndCompare, true},
        TickCase{
            "ApplicationModeGoneAgainAfterTargetComputed", {true, true, true, false}, false, kCompare, true},
        TickCase{"ApplicationModeBackAfterTargetComputed", {true, true, true, false}, true, kNothing, true},
        TickCase{"EventAwaited", {true, false, false, true, true}, true, kNothing, true},
        TickCase{"EventHappened", {true, true, false, true, true}, false, kComputeAndCompare, true},
        TickCase{"EventHappenedBefore", {true, false, false, false, true}, true, kCompare, false}),
    [](const testing::TestParamInfo<TickCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace dorvik::scheduler
