// The quiet rule: minutes in a row under both limits, a busy interval that starts the count again, readings
// that are missing, go back or come after a stall, and a process's share of every processor.
#include "scheduler/QuietRule.h"

#include <gtest/gtest.h>
#include <vector>

namespace dorvik::scheduler
{
namespace
{

using namespace std::chrono;
using namespace std::chrono_literals;

enum class Odd
{
    None,
    Missing,  // a counter could not be read
    GoesBack, // an interface went away, or a counter wrapped
};

// So many intervals of one length, each with the processor share and the network rate given.
struct Stretch
{
    int count;
    milliseconds interval;
    int processorPercent;
    std::uint64_t kilobytesPerSecond;
    Odd odd = Odd::None;
};

constexpr Stretch Quiet(int count)
{
    return {count, 500ms, 3, 12};
}

struct QuietCase
{
    const char* name;
    std::vector<Stretch> stretches;
    bool process; // the share is of every processor over the elapsed time
    milliseconds quietFor;
    bool reached;
};

class QuietRuleOf : public testing::TestWithParam<QuietCase>
{
};

TEST_P(QuietRuleOf, CountsTheQuietMinutesInARow)
{
    const QuietCase& c = GetParam();
    constexpr unsigned kProcessors = 4;
    QuietRule rule({.needed = 5min, .processorPercent = 10, .kilobytesPerSecond = 50}, kProcessors);
    Elapsed at{1'000'000};
    platform::LoadCounters counters{.busy = 7'000'000,
                                    .total =
                                        c.process ? std::nullopt : std::optional<std::uint64_t>(9'000'000),
                                    .bytes = 123'456};
    rule.Add(at, counters);
    for (const Stretch& stretch : c.stretches)
    {
        for (int i = 0; i < stretch.count; ++i)
        {
            at += stretch.interval;
            const auto units = static_cast<std::uint64_t>(stretch.interval.count()) * 10'000 * kProcessors;
            *counters.busy += units * static_cast<std::uint64_t>(stretch.processorPercent) / 100;
            if (counters.total)
            {
                *counters.total += units;
            }
            *counters.bytes += stretch.kilobytesPerSecond * 1024 *
                               static_cast<std::uint64_t>(stretch.interval.count()) / 1000;
            platform::LoadCounters reading = counters;
            if (stretch.odd == Odd::Missing)
            {
                reading.bytes.reset();
            }
            if (stretch.odd == Odd::GoesBack)
            {
                *counters.bytes /= 2;
                reading = counters;
            }
            rule.Add(at, reading);
        }
    }

    EXPECT_EQ(rule.QuietFor(), c.quietFor);
    EXPECT_EQ(rule.Reached(), c.reached);
}

INSTANTIATE_TEST_SUITE_P(
    Intervals, QuietRuleOf,
    testing::Values(
        QuietCase{"FiveQuietMinutes", {Quiet(600)}, false, 5min, true},
        QuietCase{"HalfASecondShort", {Quiet(599)}, false, 4min + 59'500ms, false},
        QuietCase{
            "ProcessorBusyStartsAgain", {Quiet(500), {1, 500ms, 40, 12}, Quiet(100)}, false, 50s, false},
        QuietCase{"JustUnderTheLimitIsQuiet", {{600, 500ms, 9, 49}}, false, 5min, true},
        QuietCase{"NetworkAtTheLimitIsBusy", {Quiet(500), {1, 500ms, 3, 50}, Quiet(100)}, false, 50s, false},
        // A reading left out is judged with the next: the count neither grows for it alone nor starts again.
        QuietCase{"MissingReading",
                  {Quiet(100), {1, 500ms, 3, 12, Odd::Missing}, Quiet(100)},
                  false,
                  100s + 500ms,
                  false},
        QuietCase{
            "CountersGoBack", {Quiet(100), {1, 500ms, 3, 12, Odd::GoesBack}, Quiet(100)}, false, 100s, false},
        QuietCase{"StoodStillBetweenReadings", {Quiet(100), {1, 40s, 0, 0}, Quiet(100)}, false, 100s, false},
        // A process that keeps one of four processors busy uses a quarter of them.
        QuietCase{"ProcessUsingAWholeProcessor", {Quiet(100), {1, 500ms, 25, 0}}, true, 0ms, false},
        QuietCase{"QuietProcess", {Quiet(600)}, true, 5min, true}),
    [](const testing::TestParamInfo<QuietCase>& param) { return std::string(param.param.name); });

TEST(NetworkBytes, CountsEveryInterfaceThatIsUpOnce)
{
    const std::vector<platform::NetworkInterface> interfaces{
        {.up = true, .received = 1000, .sent = 200},
        {.up = true, .received = 50, .sent = 5},
        {.up = false, .received = 7777, .sent = 7777},
        {.up = true, .loopback = true, .received = 9999, .sent = 9999},
        {.up = true, .filter = true, .received = 1000, .sent = 200},
    };
    EXPECT_EQ(NetworkBytes(interfaces), 1255u);
    EXPECT_EQ(NetworkBytes({}), std::nullopt);
}

} // namespace
} // namespace dorvik::scheduler
