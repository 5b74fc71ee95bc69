// What the computer and its processes are doing: which processes run, the end of one of them, and how busy
// the processor, the network and a process's input and output are.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace dorvik::platform
{

// Cumulative counters as Windows keeps them; any may be missing.
struct LoadCounters
{
    // Processor time spent working, in 100-nanosecond units, all processors together.
    std::optional<std::uint64_t> busy;
    // Processor time there was, working or idle, in the same units; missing for a process, whose share is
    // measured against the elapsed time on every processor.
    std::optional<std::uint64_t> total;
    // Bytes of the network (the computer's), or of all input and output (a process's).
    std::optional<std::uint64_t> bytes;
};

enum class ProcessHold
{
    Held,       // a handle waits for its end: a reused id can neither keep it nor end it early
    NotRunning, // no process has that id
    NoAccess    // one has, but Windows will not let this program wait for it
};

// Which processes are meant: those whose image name matches, or the one held by its id; with the processes
// they started, and those these started.
struct ProcessChoice
{
    std::function<bool(std::wstring_view imageName)> named;
    bool held = false;
};

// One network interface's counters, as Windows lists them.
struct NetworkInterface
{
    bool up = false;
    bool loopback = false;
    // A filter driver's view of an adapter, whose traffic the adapter itself counts too.
    bool filter = false;
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};

class IActivity
{
public:
    virtual ~IActivity() = default;

    // How many running processes, of every user, have an image name that matches; nothing when the
    // processes cannot be listed.
    virtual std::optional<std::size_t> CountProcesses(
        const std::function<bool(std::wstring_view)>& named) = 0;

    // Holds the process with this id until ReleaseProcess, replacing one held before.
    virtual ProcessHold HoldProcess(std::uint32_t id) = 0;
    // Whether the held process has ended (true when none is held).
    virtual bool HeldProcessEnded() = 0;
    virtual void ReleaseProcess() = 0;

    // The whole computer's processor counters so far (busy and total).
    virtual LoadCounters ComputerLoad() = 0;
    // Every network interface with its counters so far; nothing when they cannot be listed.
    virtual std::optional<std::vector<NetworkInterface>> NetworkInterfaces() = 0;
    // The processor time and the bytes of input and output so far of the chosen processes.
    virtual LoadCounters ProcessLoad(const ProcessChoice& choice) = 0;
    // How many logical processors the computer has, for a process's share of them.
    virtual unsigned Processors() = 0;
};

} // namespace dorvik::platform
