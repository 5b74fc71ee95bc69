// The rules of the three clock fields: which keys they take and the largest value each may hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dorvik::scheduler
{

inline constexpr int kHourField = 0;
inline constexpr int kMaxFieldLength = 2;

// 23 for the hour field, 59 for the minute and second fields.
constexpr int FieldLimit(int fieldIndex) noexcept
{
    return fieldIndex == kHourField ? 23 : 59;
}

// Backspace and the digits pass; every other character empties the field.
constexpr bool IsAcceptedKey(wchar_t key) noexcept
{
    return key == L'\b' || (key >= L'0' && key <= L'9');
}

// The number a field's text spells, or nothing when the text is empty or holds anything but digits
// (text pasted through the edit's context menu never passes the key filter).
std::optional<int> FieldNumber(std::wstring_view text);

// "7" becomes "07"; any other length stays as it is.
std::wstring PadToTwoDigits(std::wstring_view text);

// A number as the fields show it after the scroll bar or the start-up wrote it: no leading zero.
std::wstring FieldText(int value);

} // namespace dorvik::scheduler
