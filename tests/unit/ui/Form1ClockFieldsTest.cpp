// The clock fields: which keys pass, the limits, pastes that bypass the key filter, the scroll bar and
// "T&amam".
#include <gtest/gtest.h>

#include "support/Form1Harness.h"

namespace dorvik::test
{
namespace
{

struct Form1ClockFields : testing::Test
{
    Form1ClockFields()
    {
        h.clock.Set({2026, 12, 7, 14, 30, 45});
        h.Start();
        // The user opens the frame by choosing "Saati Belirle".
        h.view.UserSelectOption(4);
    }

    Form1Harness h;
};

struct TypingCase
{
    const char* name;
    int field;
    const wchar_t* before;
    const wchar_t* keys;
    const wchar_t* after;
};

class Typing : public Form1ClockFields, public testing::WithParamInterface<TypingCase>
{
};

TEST_P(Typing, KeepsDigitsWithinTheLimitAndEmptiesTheFieldOnAnyOtherKey)
{
    const TypingCase& c = GetParam();
    h.view.SetText(Saat(c.field), c.before);
    h.view.UserFocus(c.field);

    h.view.UserTypeText(c.field, c.keys);

    EXPECT_EQ(h.view.Text(Saat(c.field)), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Typing,
    testing::Values(TypingCase{"HourTwoThenFiveStaysTwo", 0, L"", L"25", L"2"},
                    TypingCase{"HourTwoThenThreeIsTwentyThree", 0, L"", L"23", L"23"},
                    TypingCase{"HourNeverTwentyFour", 0, L"", L"24", L"2"},
                    TypingCase{"HourZeroNine", 0, L"", L"09", L"09"},
                    TypingCase{"MinuteSixThenZeroStaysSix", 1, L"6", L"0", L"6"},
                    TypingCase{"SecondSixThenZeroStaysSix", 2, L"6", L"0", L"6"},
                    TypingCase{"MinuteFiftyNine", 1, L"", L"59", L"59"},
                    TypingCase{"SecondNeverSixty", 2, L"", L"60", L"6"},
                    TypingCase{"ThirdDigitDoesNotFit", 1, L"", L"123", L"12"},
                    TypingCase{"LetterEmpties", 0, L"12", L"a", L""},
                    TypingCase{"TurkishLetterEmpties", 1, L"45", L"ş", L""},
                    TypingCase{"BlankEmpties", 2, L"30", L" ", L""},
                    TypingCase{"EnterEmpties", 0, L"12", L"\r", L""},
                    TypingCase{"EscapeEmpties", 1, L"12", L"\x1b", L""},
                    TypingCase{"PasteKeyEmpties", 2, L"12", L"\x16", L""},
                    TypingCase{"DigitAfterRefusedKeyStartsAfresh", 0, L"12", L"x7", L"7"},
                    TypingCase{"BackspaceCanEmpty", 0, L"5", L"\b", L""},
                    TypingCase{"BackspaceOnEmptyStaysEmpty", 1, L"", L"\b\b", L""},
                    TypingCase{"BackspaceThenDigit", 1, L"45", L"\b9", L"49"}),
    [](const testing::TestParamInfo<TypingCase>& param) { return std::string(param.param.name); });

TEST_F(Form1ClockFields, RefusedKeyIsSwallowedBeforeTheFieldSeesIt)
{
    wchar_t key = L'q';
    h.form.Saat_KeyPress(0, key);
    EXPECT_EQ(key, L'\0');

    wchar_t digit = L'4';
    h.form.Saat_KeyPress(0, digit);
    EXPECT_EQ(digit, L'4');
}

TEST_F(Form1ClockFields, AcceptedKeyRemembersTheTextBeforeIt)
{
    h.view.SetText(Saat(1), L"4");
    wchar_t key = L'5';
    h.form.Saat_KeyPress(1, key);
    EXPECT_EQ(h.form.Fields().OncekiMetin, L"4");
}

struct PasteCase
{
    const char* name;
    int field;
    const wchar_t* typedBefore; // typed into the minute field first, so it leaves its text behind
    const wchar_t* pasted;
    const wchar_t* after;
};

class Pasting : public Form1ClockFields, public testing::WithParamInterface<PasteCase>
{
};

TEST_P(Pasting, LeavesTheFieldWithinItsLimitAndTheProgramRunning)
{
    const PasteCase& c = GetParam();
    h.view.SetText(Saat(1), L"");
    h.view.UserFocus(1);
    h.view.UserTypeText(1, c.typedBefore);

    h.view.UserPaste(c.field, c.pasted);

    EXPECT_EQ(h.view.Text(Saat(c.field)), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, Pasting,
    testing::Values(PasteCase{"NumberWithinLimitStays", 0, L"", L"7", L"7"},
                    PasteCase{"LettersEmpty", 0, L"", L"ab", L""},
                    PasteCase{"DigitAndLetterEmpty", 2, L"", L"4x", L""},
                    // A third digit is refused by the full field but still counts as a key: the minute's "45"
                    // becomes the text before the last key, too big for the hour.
                    PasteCase{"AboveLimitWithForeignPreviousTextEmpties", 0, L"456", L"99", L""},
                    PasteCase{"AboveLimitFallsBackToPreviousTextThatFits", 0, L"15", L"99", L"1"},
                    PasteCase{"LongTextIsCutToTwoCharacters", 1, L"", L"123456", L"12"},
                    PasteCase{"TurkishLettersEmpty", 1, L"", L"çğ", L""}),
    [](const testing::TestParamInfo<PasteCase>& param) { return std::string(param.param.name); });

TEST_F(Form1ClockFields, FocusFitsTheScrollBarToTheFieldAndItsValue)
{
    h.view.SetText(Saat(1), L"05");
    h.view.UserFocus(1);
    EXPECT_EQ(h.form.Fields().SaatKutusu, 1);
    EXPECT_EQ(h.view.ScrollMin(), 59);
    EXPECT_EQ(h.view.ScrollValue(), 5);

    h.view.SetText(Saat(0), L"14");
    h.view.UserFocus(0);
    EXPECT_EQ(h.form.Fields().SaatKutusu, 0);
    EXPECT_EQ(h.view.ScrollMin(), 23);
    EXPECT_EQ(h.view.ScrollValue(), 14);
}

TEST_F(Form1ClockFields, FocusOnAnEmptyOrUnreadableFieldPutsTheScrollBarAtZero)
{
    h.view.SetText(Saat(2), L"");
    h.view.UserFocus(2);
    EXPECT_EQ(h.view.ScrollValue(), 0);
}

TEST_F(Form1ClockFields, ScrollBarStepsTheFocusedFieldAndWritesItUnpadded)
{
    h.view.SetText(Saat(1), L"05");
    h.view.UserFocus(1);
    h.view.UserScroll(true);
    EXPECT_EQ(h.view.Text(Saat(1)), L"6");

    h.view.SetText(Saat(2), L"09");
    h.view.UserFocus(2);
    h.view.UserScroll(true);
    EXPECT_EQ(h.view.Text(Saat(2)), L"10");
    h.view.UserScroll(false);
    h.view.UserScroll(false);
    EXPECT_EQ(h.view.Text(Saat(2)), L"8");
}

TEST_F(Form1ClockFields, ScrollBarDoesNotWrapAtEitherEnd)
{
    h.view.SetText(Saat(0), L"23");
    h.view.UserFocus(0);
    h.view.UserScroll(true);
    EXPECT_EQ(h.view.Text(Saat(0)), L"23");

    h.view.SetText(Saat(1), L"0");
    h.view.UserFocus(1);
    h.view.UserScroll(false);
    EXPECT_EQ(h.view.Text(Saat(1)), L"0");
    h.view.UserScroll(true);
    EXPECT_EQ(h.view.Text(Saat(1)), L"1");
}

TEST_F(Form1ClockFields, ScrollBarBeforeAnyFocusStepsTheHourWithinItsRange)
{
    EXPECT_EQ(h.view.ScrollMin(), 23);
    h.view.UserScroll(true);
    EXPECT_EQ(h.view.Text(Saat(0)), L"1");
    EXPECT_EQ(h.view.Text(Saat(1)), L"30");
}

TEST_F(Form1ClockFields, ScrollBarKeepsSteppingTheLastFocusedField)
{
    h.view.SetText(Saat(2), L"45");
    h.view.UserFocus(2);
    h.view.UserScroll(true);
    EXPECT_EQ(h.view.Text(Saat(2)), L"46");
    EXPECT_EQ(h.view.Text(Saat(0)), L"14");
}

TEST_F(Form1ClockFields, TamamClosesTheFrameAndReenablesTheQuickChoicesWithoutTouchingTheFields)
{
    ASSERT_TRUE(h.view.Visible(ControlId::SaatSec));
    ASSERT_FALSE(h.view.Enabled(ControlId::FrmKapama));

    h.form.Command2_Click();

    EXPECT_FALSE(h.view.Visible(ControlId::SaatSec));
    EXPECT_TRUE(h.view.Enabled(ControlId::FrmKapama));
    EXPECT_EQ(h.view.Text(Saat(0)), L"14");
    EXPECT_EQ(h.view.Text(Saat(1)), L"30");
    EXPECT_EQ(h.view.Text(Saat(2)), L"45");
}

} // namespace
} // namespace dorvik::test
