// The numbers the command line takes, and process ids.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dorvik::command
{

// A whole number from least to most in ASCII digits only, or nothing: "-5", "1.5", "+5" and twenty nines all
// fail without overflowing.
std::optional<std::uint32_t> ParseNumber(std::wstring_view text, std::uint32_t least, std::uint32_t most);

} // namespace dorvik::command
