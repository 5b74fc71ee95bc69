#include "platform/fake/FakeDialogs.h"

namespace dorvik::platform
{

MsgResult FakeDialogs::MsgBox(std::wstring_view text, std::wstring_view title, MsgStyle style)
{
    shown_.push_back({std::wstring(text), std::wstring(title), style});
    if (whileOpen_)
    {
        // A copy: the action may show another box, which grows the list.
        const ShownMessage current = shown_.back();
        whileOpen_(current);
    }
    return style == MsgStyle::Question ? questionAnswer_ : MsgResult::Ok;
}

} // namespace dorvik::platform
