#include "scheduler/QuietRule.h"

namespace dorvik::scheduler
{

using namespace std::chrono;
using namespace std::chrono_literals;

namespace
{

// Far longer than the half second between ticks: the program did not run, or the computer slept, and the
// counters' average over that time says nothing of what the work does now.
constexpr milliseconds kLongestInterval = 5s;
constexpr std::uint64_t kUnitsPerMillisecond = 10'000; // of 100 ns
constexpr std::uint64_t kBytesPerKilobyte = 1024;

// The growth of a counter, or nothing when it is missing, went back or wrapped.
std::optional<std::uint64_t> Growth(const std::optional<std::uint64_t>& before,
                                    const std::optional<std::uint64_t>& now)
{
    if (!before || !now || *now < *before)
    {
        return std::nullopt;
    }
    return *now - *before;
}

} // namespace

std::optional<std::uint64_t> NetworkBytes(std::span<const platform::NetworkInterface> interfaces)
{
    if (interfaces.empty())
    {
        return std::nullopt;
    }
    std::uint64_t bytes = 0;
    for (const platform::NetworkInterface& counters : interfaces)
    {
        if (counters.up && !counters.loopback && !counters.filter)
        {
            bytes += counters.received + counters.sent;
        }
    }
    return bytes;
}

void QuietRule::Add(Elapsed at, const platform::LoadCounters& reading)
{
    if (!last_)
    {
        last_ = Baseline{at, reading};
        return;
    }
    // A reading with a counter missing is left out: the next whole one is judged over both intervals.
    if (!reading.busy || !reading.bytes || (last_->reading.total && !reading.total))
    {
        return;
    }
    const milliseconds interval = at - last_->at;
    if (interval <= 0ms)
    {
        return;
    }
    const platform::LoadCounters before = last_->reading;
    last_ = Baseline{at, reading};
    const auto ms = static_cast<std::uint64_t>(interval.count());
    const std::optional<std::uint64_t> busy = Growth(before.busy, reading.busy);
    // A process's share is of every processor for the whole interval.
    const std::optional<std::uint64_t> total =
        reading.total ? Growth(before.total, reading.total) : ms * kUnitsPerMillisecond * processors_;
    const std::optional<std::uint64_t> bytes = Growth(before.bytes, reading.bytes);
    if (interval > kLongestInterval || !busy || !total || *total == 0 || !bytes)
    {
        return;
    }
    processorPercent_ = static_cast<int>(*busy * 100 / *total);
    kilobytesPerSecond_ = *bytes * 1000 / ms / kBytesPerKilobyte;
    const bool processorQuiet = *busy * 100 < static_cast<std::uint64_t>(limits_.processorPercent) * *total;
    const bool bytesQuiet = *bytes * 1000 < limits_.kilobytesPerSecond * kBytesPerKilobyte * ms;
    quietFor_ = processorQuiet && bytesQuiet ? quietFor_ + interval : 0ms;
}

} // namespace dorvik::scheduler
