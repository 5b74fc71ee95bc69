// The user's three choices for a closing: its kind, its mode and its moment.
#pragma once

namespace dorvik::scheduler
{

// The first three are the kind menu's; sleep and hibernation come only from the command line, and the program
// goes on after them.
enum class ClosingKind
{
    Shutdown,
    Restart,
    LogOff,
    Sleep,
    Hibernate
};

// The computer is put to sleep or into hibernation: it comes back, and the program with it.
constexpr bool Suspends(ClosingKind kind) noexcept
{
    return kind == ClosingKind::Sleep || kind == ClosingKind::Hibernate;
}

enum class ScheduleMode
{
    Clock,      // at a time of day
    Application // when the watched window has gone, after the chosen delay
};

// The quick choices, by their index in the option group.
enum class QuickChoice
{
    Hemen = 0,
    YarimSaatSonra = 1,
    BirSaatSonra = 2,
    IkiSaatSonra = 3,
    SaatiBelirle = 4
};

} // namespace dorvik::scheduler
