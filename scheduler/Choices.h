// The user's three choices for a closing: its kind, its mode and its moment.
#pragma once

namespace dorvik::scheduler
{

enum class ClosingKind
{
    Shutdown,
    Restart,
    LogOff
};

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
