// How a copy that only asks, cancels or arms finds the one copy that holds the program's place: by what that
// copy made known of itself once its window existed, never by walking windows, which a copy that is only
// starting or only answering has as well.
#pragma once

#include <cstdint>
#include <optional>

namespace dorvik::platform
{

// What the copy holding the place makes known: its main window and its process.
struct Publication
{
    // Written last, so that a reader never takes a half-written publication for one.
    std::uint32_t version = 0;
    std::uint32_t processId = 0;
    std::uint64_t window = 0;
};

inline constexpr std::uint32_t kPublicationVersion = 1;

struct RunningCopySeen
{
    // What was found published, if anything.
    std::optional<Publication> publication;
    // The process the published window belongs to, while that window exists. Window handles are reused, so a
    // window of another process under the same handle is no copy of this program.
    std::optional<std::uint32_t> windowOwner;
    // Some copy holds the program's place: it may be starting and not have made itself known yet.
    bool placeHeld = false;
    // The copy this one started to wait for the closing is still running (it may be slow to start).
    bool waitingCopyAlive = false;
};

enum class LookupStep
{
    HandOver,    // the published window is the running copy's: hand the request to it
    KeepLooking, // a copy is on its way: look again shortly, until the time allowed is up
    NoCopy       // no copy runs, and none is coming
};

constexpr bool NamesTheRunningCopy(const RunningCopySeen& seen) noexcept
{
    return seen.publication && seen.publication->version == kPublicationVersion &&
           seen.publication->window != 0 && seen.windowOwner == seen.publication->processId;
}

constexpr LookupStep NextLookupStep(const RunningCopySeen& seen) noexcept
{
    if (NamesTheRunningCopy(seen))
    {
        return LookupStep::HandOver;
    }
    // A publication left by a copy that has ended names nothing; a copy holding the place will publish anew.
    return seen.placeHeld || seen.waitingCopyAlive ? LookupStep::KeepLooking : LookupStep::NoCopy;
}

} // namespace dorvik::platform
