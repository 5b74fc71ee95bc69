// When the computer, or a process, has gone quiet: so many whole minutes in a row with the processor and the
// network (or the process's input and output) under their limits, from readings of cumulative counters taken
// as they come.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/IActivity.h"
#include "scheduler/ArmedStatus.h"
#include "scheduler/HedefZaman.h"

namespace dorvik::scheduler
{

struct QuietLimits
{
    std::chrono::minutes needed{5};
    int processorPercent = 10;
    std::uint64_t kilobytesPerSecond = 50;
};

// The bytes in and out of every network interface that is up, each counted once: not the loopback, and not
// a filter's view of an adapter whose traffic the adapter counts itself. Nothing without a list.
std::optional<std::uint64_t> NetworkBytes(std::span<const platform::NetworkInterface> interfaces);

class QuietRule
{
public:
    explicit QuietRule(QuietLimits limits, unsigned processors = 1) noexcept
        : limits_(limits)
        , processors_(processors == 0 ? 1 : processors)
    {
    }

    // A reading of the counters at this elapsed time. The interval since the last good reading is judged: a
    // busy one starts the count again; one whose counters are missing, went back or wrapped, or that lasted
    // far longer than a tick (the program stood still, the computer slept) is passed over, neither counted
    // nor held against the quiet.
    void Add(Elapsed at, const platform::LoadCounters& reading);

    bool Reached() const noexcept { return quietFor_ >= limits_.needed; }

    // How long it has been quiet in a row.
    std::chrono::milliseconds QuietFor() const noexcept { return quietFor_; }

    // How far the quiet has come, with the last interval judged: the processor's share in percent, and the
    // bytes a second in kilobytes.
    QuietProgress Progress() const noexcept
    {
        return {.needed = limits_.needed,
                .quietFor = quietFor_,
                .processorPercent = processorPercent_,
                .kilobytesPerSecond = kilobytesPerSecond_};
    }

private:
    struct Baseline
    {
        Elapsed at;
        platform::LoadCounters reading;
    };

    QuietLimits limits_;
    unsigned processors_;
    std::optional<Baseline> last_;
    std::chrono::milliseconds quietFor_{0};
    std::optional<int> processorPercent_;
    std::optional<std::uint64_t> kilobytesPerSecond_;
};

} // namespace dorvik::scheduler
