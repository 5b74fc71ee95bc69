// The clock fields of "Saati Giriniz": which keys they take, how a value above the field's limit is undone,
// what a paste does, how the scroll bar follows and steps the focused field, and "T&amam".
#include <windows.h>

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/Input.h"
#include "support/Scheduling.h"
#include "support/Screen.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

constexpr int kHour = 0;
constexpr int kMinute = 1;
constexpr int kSecond = 2;

int Limit(int field)
{
    return field == kHour ? 23 : 59;
}

std::string FieldName(int field)
{
    return field == kHour ? "hour" : field == kMinute ? "minute" : "second";
}

// Puts text on the clipboard, as copying it in another program does.
void CopyToClipboard(std::wstring_view text)
{
    ASSERT_TRUE(::OpenClipboard(nullptr)) << LastErrorText();
    ::EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    ASSERT_TRUE(memory);
    auto* copy = static_cast<wchar_t*>(::GlobalLock(memory));
    text.copy(copy, text.size());
    copy[text.size()] = L'\0';
    ::GlobalUnlock(memory);
    // The clipboard owns the memory from here on.
    EXPECT_TRUE(::SetClipboardData(CF_UNICODETEXT, memory)) << LastErrorText();
    ::CloseClipboard();
}

class ClockEntry : public testing::Test
{
protected:
    void SetUp() override
    {
        Click(app_.Control(OptHizli(4)));
        ASSERT_TRUE(WaitUntil([&] { return app_.Control(ControlId::SaatSec).IsVisible(); }))
            << "\"Saati Belirle\" did not open the clock fields";
    }

    Window Field(int index) const { return app_.Control(Saat(index)); }

    // Empties the field the way a user does: select its text, press Backspace (a key the filter lets
    // through).
    void Empty(int index)
    {
        const Window field = Field(index);
        ASSERT_TRUE(FocusControl(field));
        field.Send(EM_SETSEL, 0, -1);
        PressKey(field, VK_BACK);
        ASSERT_TRUE(WaitUntil([&] { return field.Text().empty(); })) << "the field kept its text";
    }

    // Waits until the keys typed into field so far have been handled, which a refused key does not show by
    // itself. A posted key becomes a character only when the program handles the key, and that character
    // is queued behind everything posted before; so a key typed afterwards into another field is handled
    // after it, and its visible effect marks the point.
    void SettleKeys(int field)
    {
        const Window marker = Field(field == kSecond ? kHour : kSecond);
        if (marker.Text().empty())
        {
            TypeKeys(marker, L"1");
            ASSERT_TRUE(WaitUntil([&] { return marker.Text() == L"1"; })) << "the marker key was not handled";
        }
        else
        {
            marker.Send(EM_SETSEL, 0, -1);
            PressKey(marker, VK_BACK);
            ASSERT_TRUE(WaitUntil([&] { return marker.Text().empty(); })) << "the marker key was not handled";
        }
    }

    // A real click on one of the scroll bar's arrows.
    void ClickArrow(bool up) const
    {
        const RECT bar = app_.Control(ControlId::VScroll1).WindowRect();
        // The bar is shorter than two standard arrows, so each arrow takes half of it.
        ClickAt({(bar.left + bar.right) / 2, up ? bar.top + 3 : bar.bottom - 4});
    }

    // The value the scroll bar holds for the field it steps: its top is the field's limit.
    int ScrollValue() const
    {
        const ScrollState state = ScrollBarState(app_.Control(ControlId::VScroll1));
        return state.max - state.position;
    }

    DorvikApp app_ = DorvikApp::Start();
};

struct Keystroke
{
    wchar_t key;
    std::wstring shows;
};

struct TypingCase
{
    int field;
    std::vector<Keystroke> keys;
};

TEST_F(ClockEntry, DigitsStayWithinEachFieldsLimit)
{
    const std::vector<TypingCase> cases = {
        {kHour, {{L'2', L"2"}, {L'3', L"23"}}},   {kHour, {{L'2', L"2"}, {L'5', L"2"}}},
        {kHour, {{L'2', L"2"}, {L'4', L"2"}}},    {kHour, {{L'0', L"0"}, {L'9', L"09"}}},
        {kHour, {{L'9', L"9"}, {L'9', L"9"}}},    {kMinute, {{L'6', L"6"}, {L'0', L"6"}}},
        {kMinute, {{L'5', L"5"}, {L'9', L"59"}}}, {kMinute, {{L'0', L"0"}, {L'0', L"00"}}},
        {kSecond, {{L'6', L"6"}, {L'0', L"6"}}},  {kSecond, {{L'5', L"5"}, {L'9', L"59"}}},
        {kSecond, {{L'7', L"7"}, {L'5', L"7"}}},
    };
    for (const TypingCase& typing : cases)
    {
        const Window field = Field(typing.field);
        std::string typed;
        Empty(typing.field);
        for (const Keystroke& keystroke : typing.keys)
        {
            typed += static_cast<char>(keystroke.key);
            SCOPED_TRACE(FieldName(typing.field) + " field, typed " + typed);
            TypeKeys(field, std::wstring(1, keystroke.key));
            SettleKeys(typing.field);
            EXPECT_EQ(field.Text(), keystroke.shows);
        }
    }
}

struct OtherCharacter
{
    const char* name;
    // Types the character into the focused field.
    void (*type)(const Window& field);
};

TEST_F(ClockEntry, EveryOtherCharacterEmptiesTheField)
{
    CopyToClipboard(L"12");
    const std::vector<OtherCharacter> characters = {
        {"a letter", [](const Window& field) { TypeText(field, L"a"); }},
        {"a capital", [](const Window& field) { TypeText(field, L"K"); }},
        {"a Turkish letter", [](const Window& field) { TypeText(field, L"ş"); }},
        {"a dotted capital I", [](const Window& field) { TypeText(field, L"İ"); }},
        {"a blank", [](const Window& field) { TypeText(field, L" "); }},
        {"a minus sign", [](const Window& field) { TypeText(field, L"-"); }},
        {"Enter", [](const Window& field) { PressKey(field, VK_RETURN); }},
        {"Escape", [](const Window& field) { PressKey(field, VK_ESCAPE); }},
        // The character Ctrl+V types; it must not paste either.
        {"Ctrl+V", [](const Window& field) { PostChars(field, L"\x16"); }},
    };
    int index = 0;
    for (const OtherCharacter& character : characters)
    {
        const int fieldIndex = index++ % kSaatCount;
        const Window field = Field(fieldIndex);
        SCOPED_TRACE(std::string(character.name) + " in the " + FieldName(fieldIndex) + " field");
        ASSERT_TRUE(TypeClockField(field, L"13"));
        character.type(field);
        EXPECT_TRUE(WaitUntil([&] { return field.Text().empty(); }))
            << "shows \"" << Utf8(field.Text()) << "\"";
        SettleKeys(fieldIndex);
        EXPECT_EQ(field.Text(), L"") << "the emptied field was filled again";
    }
}

TEST_F(ClockEntry, BackspaceDeletesAndLeavesAnEmptyFieldEmpty)
{
    const Window field = Field(kMinute);
    ASSERT_TRUE(TypeClockField(field, L"47"));
    for (const std::wstring_view shows : {L"4", L"", L""})
    {
        PressKey(field, VK_BACK);
        SettleKeys(kMinute);
        EXPECT_EQ(field.Text(), shows);
    }
    // Digits are still taken after that.
    TypeKeys(field, L"3");
    EXPECT_TRUE(WaitUntil([&] { return field.Text() == L"3"; }));
}

struct PasteCase
{
    int field;
    std::wstring pasted;
    std::wstring shows;
};

// Pasting through the field's context menu sends it WM_PASTE, which no key filter sees.
std::wstring PasteInto(const Window& field, std::wstring_view text)
{
    CopyToClipboard(text);
    // The user selects the field's text first; the field holds at most two characters.
    field.Send(EM_SETSEL, 0, -1);
    field.Send(WM_PASTE);
    return field.Text();
}

TEST_F(ClockEntry, PasteOfANonNumberOrOfAValueAboveTheLimitIsNotKept)
{
    // Nothing has been typed yet, so there is no earlier text to go back to.
    const std::vector<PasteCase> beforeTyping = {
        {kHour, L"x", L""},
        {kHour, L"24", L""},
        {kMinute, L"ab", L""},
        {kMinute, L"60", L""},
        {kSecond, L"ı", L""},
        {kSecond, L"99", L""},
        // A value within the limit is a fine paste.
        {kSecond, L"42", L"42"},
    };
    for (const PasteCase& paste : beforeTyping)
    {
        SCOPED_TRACE("pasted \"" + Utf8(paste.pasted) + "\" into the " + FieldName(paste.field) + " field");
        EXPECT_EQ(PasteInto(Field(paste.field), paste.pasted), paste.shows);
        EXPECT_TRUE(app_.Process().IsRunning());
    }

    // After typing 4 and 2, the text from before the last key is 4, and a value above the limit goes back
    // to it, as a typed one does.
    const Window minute = Field(kMinute);
    ASSERT_TRUE(TypeClockField(minute, L"42"));
    EXPECT_EQ(PasteInto(minute, L"75"), L"4");

    // What a pasted non-number leaves is the program's choice, within the field's rules: no letter, and
    // nothing above the limit.
    ASSERT_TRUE(TypeClockField(minute, L"42"));
    const std::wstring afterLetter = PasteInto(minute, L"k");
    const bool withinRules =
        afterLetter.empty() || (afterLetter.find_first_not_of(L"0123456789") == std::wstring::npos &&
                                std::stoi(afterLetter) <= Limit(kMinute));
    EXPECT_TRUE(withinRules) << "shows \"" << Utf8(afterLetter) << "\"";

    EXPECT_TRUE(app_.Process().IsRunning());
    EXPECT_TRUE(app_.Main().TrySend(WM_NULL).has_value()) << "the program stopped answering";
    // The fields still take typed digits after the pastes.
    EXPECT_TRUE(TypeClockField(Field(kHour), L"21"));
}

TEST_F(ClockEntry, ScrollBarTakesTheRangeAndValueOfTheFocusedField)
{
    for (const int index : {kMinute, kSecond, kHour, kMinute})
    {
        SCOPED_TRACE(FieldName(index) + " field");
        const Window field = Field(index);
        const int value = std::stoi(field.Text());
        ASSERT_TRUE(FocusControl(field));
        const ScrollState expected{0, Limit(index), Limit(index) - value, 0};
        EXPECT_TRUE(WaitUntil([&] { return ScrollBarState(app_.Control(ControlId::VScroll1)) == expected; }))
            << "range 0.." << ScrollBarState(app_.Control(ControlId::VScroll1)).max << ", position "
            << ScrollBarState(app_.Control(ControlId::VScroll1)).position << "; expected range 0.."
            << expected.max << ", position " << expected.position;
    }
}

struct ArrowClick
{
    bool up;
    std::wstring shows;
};

struct SteppingCase
{
    int field;
    std::wstring typed;
    std::vector<ArrowClick> clicks;
};

TEST_F(ClockEntry, ScrollBarArrowsStepTheFocusedFieldWithinItsRangeWithoutLeadingZero)
{
    const Window command2 = app_.Control(ControlId::Command2);
    const std::vector<SteppingCase> cases = {
        {kMinute, L"05", {{true, L"6"}, {true, L"7"}}},
        {kMinute, L"09", {{true, L"10"}, {false, L"9"}}},
        // At the top the up arrow does nothing: the next click, down, shows that it did not wrap.
        {kMinute, L"58", {{true, L"59"}, {true, L"59"}, {false, L"58"}}},
        {kSecond, L"01", {{false, L"0"}, {false, L"0"}, {true, L"1"}}},
        {kSecond, L"59", {{true, L"59"}, {false, L"58"}}},
        {kHour, L"22", {{true, L"23"}, {true, L"23"}, {false, L"22"}}},
        {kHour, L"10", {{false, L"9"}}},
        {kHour, L"00", {{false, L"00"}, {true, L"1"}}},
    };
    for (const SteppingCase& stepping : cases)
    {
        const Window field = Field(stepping.field);
        ASSERT_TRUE(TypeClockField(field, stepping.typed));
        // The scroll bar takes the field's value when the field receives the focus, not while typing.
        ASSERT_TRUE(FocusControl(command2));
        ASSERT_TRUE(FocusControl(field));
        const int typed = std::stoi(stepping.typed);
        ASSERT_TRUE(WaitUntil([&] { return ScrollValue() == typed; }))
            << FieldName(stepping.field) << " field " << Utf8(stepping.typed) << ", scroll bar at "
            << ScrollValue();
        std::string clicked;
        for (const ArrowClick& click : stepping.clicks)
        {
            clicked += click.up ? " up" : " down";
            SCOPED_TRACE(FieldName(stepping.field) + " field " + Utf8(stepping.typed) + "," + clicked);
            ClickArrow(click.up);
            // A click that changes nothing shows no change to wait for; the next click is handled after it.
            EXPECT_TRUE(WaitUntil([&] { return field.Text() == click.shows; }))
                << "shows \"" << Utf8(field.Text()) << "\"";
            EXPECT_EQ(ScrollValue(), std::stoi(click.shows));
        }
    }
    SaveScreenshot(app_.Main(), L"after-stepping");
}

TEST_F(ClockEntry, ScrollBarStepsTheHourFieldBeforeAnyFieldHadTheFocus)
{
    // The window must be active for a real click to reach the bar; the focus goes to a button, not a field.
    ASSERT_TRUE(FocusControl(app_.Control(ControlId::Command2)));
    const ScrollState state = ScrollBarState(app_.Control(ControlId::VScroll1));
    ASSERT_EQ(state.min, 0);
    ASSERT_EQ(state.max, 23) << "the scroll bar does not hold the hour's range";
    const int value = ScrollValue();
    const std::wstring minute = Field(kMinute).Text();
    const std::wstring second = Field(kSecond).Text();

    const bool up = value < 23;
    ClickArrow(up);
    const std::wstring expected = std::to_wstring(up ? value + 1 : value - 1);
    EXPECT_TRUE(WaitUntil([&] { return Field(kHour).Text() == expected; }))
        << "the hour field shows \"" << Utf8(Field(kHour).Text()) << "\", expected \"" << Utf8(expected)
        << "\"";
    EXPECT_EQ(Field(kMinute).Text(), minute);
    EXPECT_EQ(Field(kSecond).Text(), second);
}

TEST_F(ClockEntry, TamamClosesTheFrameAndGivesBackTheQuickChoices)
{
    const Window frame = app_.Control(ControlId::SaatSec);
    const Window quickChoices = app_.Control(ControlId::FrmKapama);
    EXPECT_FALSE(quickChoices.IsEnabled())
        << "the quick choices can be changed while the clock fields are open";
    for (int index = 0; index < kSaatCount; ++index)
    {
        EXPECT_TRUE(Field(index).IsVisible());
    }
    ASSERT_TRUE(TypeClockField(Field(kMinute), L"7"));
    std::vector<std::wstring> texts;
    for (int index = 0; index < kSaatCount; ++index)
    {
        texts.push_back(Field(index).Text());
    }

    Click(app_.Control(ControlId::Command2));
    ASSERT_TRUE(WaitUntil([&] { return !frame.IsVisible(); })) << "\"T&amam\" left the clock fields open";
    EXPECT_TRUE(WaitUntil([&] { return quickChoices.IsEnabled(); }));
    for (int index = 0; index < kOptHizliCount; ++index)
    {
        SCOPED_TRACE("OptHizli(" + std::to_string(index) + ")");
        EXPECT_TRUE(app_.Control(OptHizli(index)).IsVisible());
        EXPECT_TRUE(app_.Control(OptHizli(index)).IsEnabled());
    }
    EXPECT_TRUE(IsChecked(app_.Control(OptHizli(4)))) << "the moment changed";
    for (int index = 0; index < kSaatCount; ++index)
    {
        EXPECT_EQ(Field(index).Text(), texts[static_cast<size_t>(index)]) << FieldName(index) << " field";
    }

    // "Saati Belirle" is still the selected choice; clicking it again opens the fields again.
    Click(app_.Control(OptHizli(4)));
    EXPECT_TRUE(WaitUntil([&] { return frame.IsVisible(); }));
    EXPECT_TRUE(WaitUntil([&] { return !quickChoices.IsEnabled(); }));
    EXPECT_EQ(Field(kMinute).Text(), L"7");
}

} // namespace
} // namespace dorvik::e2e
