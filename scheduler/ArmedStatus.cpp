#include "scheduler/ArmedStatus.h"

#include <string_view>

#include "resources/Fill.h"
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

std::wstring ElapsedText(milliseconds span)
{
    const long long total = floor<seconds>(std::max(span, milliseconds(0))).count();
    if (total < 60)
    {
        return Count(total, text::kUnitSecond);
    }
    const bool hours = total >= 3600;
    const long long larger = hours ? total / 3600 : total / 60;
    const long long smaller = hours ? total % 3600 / 60 : total % 60;
    std::wstring text = Count(larger, hours ? text::kUnitHour : text::kUnitMinute);
    if (smaller != 0)
    {
        text += L' ' + Count(smaller, hours ? text::kUnitMinute : text::kUnitSecond);
    }
    return text;
}

namespace
{

// The three ways of saying what the closing waits for: when it happens, some time after, at a time after.
struct AwaitingTexts
{
    std::wstring_view when;
    std::wstring_view after;
    std::wstring_view afterAt;
};

AwaitingTexts TextsFor(Awaited what)
{
    switch (what)
    {
    case Awaited::Process:
        return {text::kStatusWhenProcessEnds, text::kStatusAfterProcessBefore, text::kStatusAfterProcessAt};
    case Awaited::Quiet:
        return {text::kStatusWhenQuiet, text::kStatusAfterQuietBefore, text::kStatusAfterQuietAt};
    case Awaited::Window:
        break;
    }
    return {text::kStatusWhenWindowGoes, text::kStatusAfterWindowBefore, text::kStatusAfterWindowAt};
}

// "7z.exe" for a process; "bilgisayar 5 dk" or "7z.exe 5 dk" for the quiet.
std::wstring Subject(const Awaiting& awaiting)
{
    if (awaiting.what != Awaited::Quiet)
    {
        return awaiting.process;
    }
    std::wstring subject(awaiting.process.empty() ? text::kStatusQuietComputer : awaiting.process);
    subject += L' ';
    subject += DurationText(awaiting.quiet ? awaiting.quiet->needed : minutes(0));
    return subject;
}

// " (2 dk 10 sn oldu; işlemci %3, ağ 12 KB/sn)": why it has not closed yet.
std::wstring Progress(const Awaiting& awaiting)
{
    if (!awaiting.quiet)
    {
        return {};
    }
    const QuietProgress& quiet = *awaiting.quiet;
    std::wstring progress = L" (" + ElapsedText(quiet.quietFor) + std::wstring(text::kStatusQuietSoFar);
    if (quiet.processorPercent && quiet.kilobytesPerSecond)
    {
        progress += text::kStatusQuietProcessor;
        progress += FieldText(*quiet.processorPercent);
        progress += awaiting.process.empty() ? text::kStatusQuietNetwork : text::kStatusQuietInOut;
        progress +=
            FieldText(static_cast<int>(std::min<std::uint64_t>(*quiet.kilobytesPerSecond, 999'999'999)));
        progress += text::kStatusQuietKilobytes;
    }
    progress += L')';
    return progress;
}

} // namespace

std::wstring MomentPhrase(const StatusFacts& closing)
{
    const auto& after = closing.afterWindow;
    if (!after)
    {
        return TimeOfDayText(closing.target.time);
    }
    const AwaitingTexts texts = TextsFor(closing.awaiting.what);
    const std::wstring subject = Subject(closing.awaiting);
    if (after->at)
    {
        return text::Fill(texts.afterAt, subject) + TimeOfDayText(*after->at);
    }
    // "Hemen!" counts its three seconds from the window's end: to the user that is at once.
    if (after->delay < minutes(1))
    {
        return text::Fill(texts.when, subject);
    }
    return text::Fill(texts.after, subject) + DurationText(after->delay) +
           std::wstring(text::kStatusAfterWindowAfter);
}

std::wstring ArmedStatusLine(const StatusFacts& closing, LocalSeconds now, Elapsed elapsedNow)
{
    std::wstring line = KindWord(closing.kind, closing.rehearsal);
    if (closing.afterWindow)
    {
        return line + L": " + MomentPhrase(closing) + Progress(closing.awaiting);
    }
    line += L' ';
    line += MomentPhrase(closing);
    line += L" (";
    line += DurationText(TimeLeft(closing.target, now, elapsedNow));
    line += text::kStatusLeft;
    return line;
}

std::wstring KindWord(ClosingKind kind, bool rehearsal)
{
    std::wstring word(rehearsal ? text::kStatusRehearsal : std::wstring_view());
    return word + std::wstring(TextsFor(kind).status);
}

} // namespace dorvik::scheduler
