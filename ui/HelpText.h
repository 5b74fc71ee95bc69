// The text behind "Yardım".
#pragma once

#include <string>

namespace dorvik
{

std::wstring HelpText();

} // namespace dorvik
