#include "command/Number.h"

namespace dorvik::command
{

std::optional<std::uint32_t> ParseNumber(std::wstring_view text, std::uint32_t least, std::uint32_t most)
{
    if (text.empty())
    {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const wchar_t c : text)
    {
        if (c < L'0' || c > L'9')
        {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - L'0');
        if (value > most)
        {
            return std::nullopt;
        }
    }
    if (value < least)
    {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace dorvik::command
