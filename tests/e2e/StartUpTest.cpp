// What start-up writes into the window: the start time in the clock fields and the date and time in the
// status bar.
#include <array>
#include <cwctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/Scheduling.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

SYSTEMTIME LocalTime()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now;
}

int SecondOfDay(const SYSTEMTIME& time)
{
    return time.wHour * 3600 + time.wMinute * 60 + time.wSecond;
}

// "dd MMMM yyyy, hh : mm" with the month named in the user's language, and the same with the colon
// blinked off ("hh   mm"), as the panel shows every other tick.
std::set<std::wstring> StatusTextsAt(const SYSTEMTIME& time)
{
    std::array<wchar_t, 128> date{};
    ::GetDateFormatW(LOCALE_USER_DEFAULT, 0, &time, L"dd MMMM yyyy", date.data(),
                     static_cast<int>(date.size()));
    const std::wstring prefix = std::wstring(date.data()) + L", " + TwoDigits(time.wHour);
    const std::wstring minute = TwoDigits(time.wMinute);
    return {prefix + L" : " + minute, prefix + L"   " + minute};
}

std::string Describe(const std::set<std::wstring>& texts)
{
    std::string result;
    for (const std::wstring& text : texts)
    {
        result += "\n  \"" + Utf8(text) + "\"";
    }
    return result;
}

TEST(StartUp, ClockFieldsShowTheStartTimeInTwoDigitsEach)
{
    const SYSTEMTIME before = LocalTime();
    DorvikApp app = DorvikApp::Start();
    const SYSTEMTIME after = LocalTime();

    std::array<int, kSaatCount> parts{};
    for (int index = 0; index < kSaatCount; ++index)
    {
        const std::wstring text = app.Control(Saat(index)).Text();
        SCOPED_TRACE("Saat(" + std::to_string(index) + ") = \"" + Utf8(text) + "\"");
        ASSERT_EQ(text.size(), 2u) << "two digits, zero-padded";
        ASSERT_TRUE(std::iswdigit(text[0]) && std::iswdigit(text[1]));
        parts[static_cast<size_t>(index)] = std::stoi(text);
    }
    EXPECT_LT(parts[0], 24);
    EXPECT_LT(parts[1], 60);
    EXPECT_LT(parts[2], 60);

    const int shown = parts[0] * 3600 + parts[1] * 60 + parts[2];
    const int first = SecondOfDay(before);
    const int last = SecondOfDay(after);
    // The program reads the clock once between our two readings; a second either way absorbs the rounding
    // of two clocks read at different moments. A start across midnight wraps the range.
    const bool inRange =
        first <= last ? shown >= first - 1 && shown <= last + 1 : shown >= first - 1 || shown <= last + 1;
    EXPECT_TRUE(inRange) << "fields show " << parts[0] << ":" << parts[1] << ":" << parts[2]
                         << ", started between " << before.wHour << ":" << before.wMinute << ":"
                         << before.wSecond << " and " << after.wHour << ":" << after.wMinute << ":"
                         << after.wSecond;
}

TEST(StartUp, StatusBarShowsTheDateAndTheTime)
{
    const SYSTEMTIME before = LocalTime();
    DorvikApp app = DorvikApp::Start();
    const Window statusBar = app.Control(ControlId::StatusBar1);

    const std::wstring panel = StatusBarText(statusBar, 0);
    const std::wstring windowText = statusBar.Text();
    const SYSTEMTIME after = LocalTime();

    // The tick rewrites the panel from the clock, so the text may stem from any moment up to the reading.
    std::set<std::wstring> expected = StatusTextsAt(before);
    expected.merge(StatusTextsAt(after));
    EXPECT_TRUE(expected.contains(panel))
        << "panel 1 shows \"" << Utf8(panel) << "\", expected one of" << Describe(expected);
    EXPECT_TRUE(expected.contains(windowText)) << "WM_GETTEXT gives \"" << Utf8(windowText) << "\"";
}

} // namespace
} // namespace dorvik::e2e
