#include "scheduler/ClockField.h"

namespace dorvik::scheduler
{

std::optional<int> FieldNumber(std::wstring_view text)
{
    if (text.empty())
    {
        return std::nullopt;
    }
    // Anything longer than the fields can hold is far above every limit; capping keeps the sum from
    // overflowing on a long pasted number.
    constexpr int kCap = 1'000'000;
    int value = 0;
    for (const wchar_t c : text)
    {
        if (c < L'0' || c > L'9')
        {
            return std::nullopt;
        }
        value = value >= kCap ? kCap : value * 10 + (c - L'0');
    }
    return value;
}

std::wstring PadToTwoDigits(std::wstring_view text)
{
    if (text.size() == 1)
    {
        return L"0" + std::wstring(text);
    }
    return std::wstring(text);
}

std::wstring FieldText(int value)
{
    // Written out by hand: std::to_wstring would pull the whole printf machinery into the program.
    std::wstring digits;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do
    {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
    {
        digits.insert(digits.begin(), L'-');
    }
    return digits;
}

} // namespace dorvik::scheduler
