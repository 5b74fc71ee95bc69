#include "scheduler/StatusClock.h"

#include "scheduler/ClockField.h"

namespace dorvik::scheduler
{

std::wstring TimeOfDayText(const TimeOfDay& time)
{
    std::wstring text;
    for (const std::uint8_t part : time)
    {
        if (!text.empty())
        {
            text += L':';
        }
        text += PadToTwoDigits(FieldText(part));
    }
    return text;
}

std::wstring StatusClockText(std::wstring_view longDate, int hour, int minute, bool colonShown)
{
    std::wstring text(longDate);
    text += L", ";
    text += PadToTwoDigits(FieldText(hour));
    text += colonShown ? L" : " : L"   ";
    text += PadToTwoDigits(FieldText(minute));
    return text;
}

} // namespace dorvik::scheduler
