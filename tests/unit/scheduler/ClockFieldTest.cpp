// The clock fields' rules: accepted keys, limits and what a text spells.
#include "scheduler/ClockField.h"

#include <gtest/gtest.h>

namespace dorvik::scheduler
{
namespace
{

TEST(IsAcceptedKey, TakesDigitsAndBackspaceOnly)
{
    for (wchar_t digit = L'0'; digit <= L'9'; ++digit)
    {
        EXPECT_TRUE(IsAcceptedKey(digit)) << static_cast<int>(digit);
    }
    EXPECT_TRUE(IsAcceptedKey(L'\b'));
    for (const wchar_t refused : {L'a', L'Z', L' ', L'\r', L'\x1b', L'\t', L'\x16', L'\x03', L'-', L'+', L'.',
                                  L'ş', L'İ', L'\u0660' /* Arabic-Indic zero */, L'\x7f'})
    {
        EXPECT_FALSE(IsAcceptedKey(refused)) << static_cast<int>(refused);
    }
}

TEST(FieldLimit, IsTwentyThreeForTheHourAndFiftyNineOtherwise)
{
    EXPECT_EQ(FieldLimit(0), 23);
    EXPECT_EQ(FieldLimit(1), 59);
    EXPECT_EQ(FieldLimit(2), 59);
}

struct NumberCase
{
    const wchar_t* text;
    std::optional<int> expected;
};

class FieldNumberOf : public testing::TestWithParam<NumberCase>
{
};

TEST_P(FieldNumberOf, ReadsOnlyTextsMadeOfDigits)
{
    EXPECT_EQ(FieldNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldNumberOf,
                         testing::Values(NumberCase{L"", std::nullopt}, NumberCase{L"0", 0},
                                         NumberCase{L"07", 7}, NumberCase{L"23", 23}, NumberCase{L"60", 60},
                                         NumberCase{L"ab", std::nullopt}, NumberCase{L"1a", std::nullopt},
                                         NumberCase{L" 5", std::nullopt}, NumberCase{L"-1", std::nullopt},
                                         NumberCase{L"4.5", std::nullopt},
                                         NumberCase{L"99999999999999999999", 1'000'000}));

TEST(PadToTwoDigits, PadsOneCharacterOnly)
{
    EXPECT_EQ(PadToTwoDigits(L"7"), L"07");
    EXPECT_EQ(PadToTwoDigits(L"14"), L"14");
    EXPECT_EQ(PadToTwoDigits(L""), L"");
}

TEST(FieldText, HasNoLeadingZero)
{
    EXPECT_EQ(FieldText(0), L"0");
    EXPECT_EQ(FieldText(7), L"7");
    EXPECT_EQ(FieldText(59), L"59");
    EXPECT_EQ(FieldText(2147483647), L"2147483647");
    EXPECT_EQ(FieldText(-12), L"-12");
}

} // namespace
} // namespace dorvik::scheduler
