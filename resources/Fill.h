// A text of the program with its placeholders filled in: %1, and %2 where it has one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace dorvik::text
{

inline std::wstring Fill(std::wstring_view pattern, std::wstring_view first, std::wstring_view second = {})
{
    std::wstring filled(pattern);
    // %2 first: a value that itself holds "%2" is said as it was given.
    for (const auto& [placeholder, value] : {std::pair{L"%2", second}, std::pair{L"%1", first}})
    {
        if (const std::size_t at = filled.find(placeholder); at != std::wstring::npos)
        {
            filled.replace(at, 2, value);
        }
    }
    return filled;
}

} // namespace dorvik::text
