#include "scheduler/ArmedStatus.h"

#include <string_view>

#include "resources/UiText.h"
#include "scheduler/ClockField.h"
#include "scheduler/KindTexts.h"
#include "scheduler/StatusClock.h"

namespace dorvik::scheduler
{

using namespace std::chrono;

namespace
{

std::wstring Count(long long value, std::wstring_view unit)
{
    return FieldText(static_cast<int>(value)) + L' ' + std::wstring(unit);
}

} // namespace

std::wstring DurationText(milliseconds span)
{
    const long long total = ceil<seconds>(std::max(span, milliseconds(0))).count();
    if (total < 60)
    {
        return Count(total, text::kUnitSecond);
    }
    const long long hoursLeft = total / 3600;
    const long long minutesLeft = total % 3600 / 60;
    if (hoursLeft == 0)
    {
        return Count(minutesLeft, text::kUnitMinute);
    }
    std::wstring text = Count(hoursLeft, text::kUnitHour);
    if (minutesLeft != 0)
    {
        text += L' ' + Count(minutesLeft, text::kUnitMinute);
    }
    return text;
}

std::wstring ArmedStatusLine(const StatusFacts& closing, LocalSeconds now, Elapsed elapsedNow)
{
    std::wstring line(closing.rehearsal ? text::kStatusRehearsal : std::wstring_view());
    line += TextsFor(closing.kind).status;
    if (const auto& after = closing.afterWindow)
    {
        if (after->at)
        {
            line += text::kStatusAfterWindowAt;
            line += TimeOfDayText(*after->at);
        }
        // "Hemen!" counts its three seconds from the window's end: to the user that is at once.
        else if (after->delay < minutes(1))
        {
            line += text::kStatusWhenWindowGoes;
        }
        else
        {
            line += text::kStatusAfterWindowBefore;
            line += DurationText(after->delay);
            line += text::kStatusAfterWindowAfter;
        }
        return line;
    }
    line += L' ';
    line += TimeOfDayText(closing.target.time);
    line += L" (";
    line += DurationText(TimeLeft(closing.target, now, elapsedNow));
    line += text::kStatusLeft;
    return line;
}

} // namespace dorvik::scheduler
