// Finding the copy that holds the program's place from what it published: a copy that runs, one that is only
// starting, and what an ended copy left behind.
#include "platform/RunningCopy.h"

#include <gtest/gtest.h>

namespace dorvik::platform
{
namespace
{

constexpr Publication kPublished{kPublicationVersion, 4242, 0x1A2B};

struct LookupCase
{
    const char* name;
    RunningCopySeen seen;
    LookupStep expected;
};

class RunningCopyLookup : public testing::TestWithParam<LookupCase>
{
};

TEST_P(RunningCopyLookup, HandsOnlyToTheWindowOfTheCopyThatPublishedIt)
{
    EXPECT_EQ(NextLookupStep(GetParam().seen), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, RunningCopyLookup,
    testing::Values(
        LookupCase{"NothingRuns", {}, LookupStep::NoCopy},
        LookupCase{"TheRunningCopy", {kPublished, 4242, true, false}, LookupStep::HandOver},
        LookupCase{"LeftByACopyThatEnded", {kPublished, std::nullopt, false, false}, LookupStep::NoCopy},
        LookupCase{"WindowHandleNowOfAnotherProcess", {kPublished, 777, false, false}, LookupStep::NoCopy},
        LookupCase{"LeftByACopyThatEndedWhileANewOneStarts",
                   {kPublished, std::nullopt, true, false},
                   LookupStep::KeepLooking},
        LookupCase{"ACopyStartingHasNotPublishedYet",
                   {std::nullopt, std::nullopt, true, false},
                   LookupStep::KeepLooking},
        LookupCase{"HalfWritten", {Publication{0, 4242, 0x1A2B}, 4242, true, false}, LookupStep::KeepLooking},
        LookupCase{"TheWaitingCopyIsStillStarting",
                   {std::nullopt, std::nullopt, false, true},
                   LookupStep::KeepLooking},
        LookupCase{"TheWaitingCopyFailedAndNoneHoldsThePlace",
                   {std::nullopt, std::nullopt, false, false},
                   LookupStep::NoCopy}),
    [](const testing::TestParamInfo<LookupCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace dorvik::platform
