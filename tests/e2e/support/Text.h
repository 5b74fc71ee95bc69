// Conversions between the UTF-16 that Windows speaks and the UTF-8 that test output is written in.
#pragma once

#include <string>
#include <string_view>

namespace dorvik::e2e
{

std::string Utf8(std::wstring_view text);

std::wstring Utf16(std::string_view text);

// The last Windows error as "<code> (<message>)", for failure messages.
std::string LastErrorText();

std::string ErrorText(unsigned long code);

} // namespace dorvik::e2e
