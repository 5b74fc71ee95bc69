// The records an administrator finds afterwards in the Application log, under the source "Dorvik": what was
// armed, cancelled, put off and requested, and which command lines were refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dorvik::platform
{

// The message of each record, by its number in the program's message table (resources/messages.mc).
enum class EventId : std::uint16_t
{
    Armed = 1,         // "%1 kuruldu: %2 (%3)"
    Cancelled = 2,     // "%1 iptal edildi (%2)"
    Postponed = 3,     // "%1 ertelendi: %2 (%3)"
    Requested = 4,     // "%1 Windows'tan istendi."
    RequestFailed = 5, // "%1 Windows'tan istenemedi: %2"
    Rehearsed = 6,     // "Deneme bitti: %1 Windows'tan istenmedi."
    Refused = 7        // "Komut satırı reddedildi, çıkış kodu %1: %2 (%3)"
};

enum class EventLevel
{
    Information,
    Warning,
    Error
};

struct EventRecord
{
    EventId id = EventId::Armed;
    EventLevel level = EventLevel::Information;
    // What the message's %1, %2 and %3 stand for.
    std::vector<std::wstring> inserts;

    friend bool operator==(const EventRecord&, const EventRecord&) = default;
};

class IEventLog
{
public:
    virtual ~IEventLog() = default;

    // Writes one record; a log that cannot be written is passed over, and nothing waits for it.
    virtual void Write(const EventRecord& record) noexcept = 0;
};

} // namespace dorvik::platform
