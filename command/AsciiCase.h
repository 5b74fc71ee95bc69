// Comparing names as Windows compares switches and programs' image names: only ASCII letters fold. A locale's
// rules would make "/İPTAL" or "/ıptal" mean /iptal on one machine and not on another.
#pragma once

#include <algorithm>
#include <string_view>

namespace dorvik::command
{

constexpr wchar_t AsciiLower(wchar_t c) noexcept
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

constexpr bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) noexcept
{
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}

} // namespace dorvik::command
