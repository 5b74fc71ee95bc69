#include "ui/HelpText.h"

#include "resources/UiText.h"

namespace dorvik
{

std::wstring HelpText()
{
    constexpr std::wstring_view kLineBreak = L"\r\n";
    std::wstring help(text::kHelpWhat);
    help += kLineBreak;
    help += text::kHelpIcons;
    help += kLineBreak;
    help += kLineBreak;
    help += text::kHelpDisclaimer;
    help += kLineBreak;
    help += kLineBreak;
    help += text::kHelpContact;
    help += kLineBreak;
    help += text::kHelpWebPrefix;
    help += text::kHelpWebAddress;
    return help;
}

} // namespace dorvik
