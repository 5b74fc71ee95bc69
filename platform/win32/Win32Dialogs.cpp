#include "platform/win32/Win32Dialogs.h"

#include <string>

namespace dorvik::win32
{

namespace
{

UINT StyleFlags(platform::MsgStyle style)
{
    switch (style)
    {
    case platform::MsgStyle::Exclamation:
        return MB_OK | MB_ICONEXCLAMATION;
    case platform::MsgStyle::Information:
        return MB_OK | MB_ICONINFORMATION;
    case platform::MsgStyle::Question:
        return MB_YESNO | MB_ICONQUESTION;
    }
    return MB_OK;
}

} // namespace

platform::MsgResult Win32Dialogs::MsgBox(std::wstring_view text, std::wstring_view title,
                                         platform::MsgStyle style)
{
    // A hidden owner would hide the box with it; while the window waits in the notification area the box
    // stands on its own and comes to the front.
    const HWND owner = owner_ && ::IsWindowVisible(owner_) ? owner_ : nullptr;
    const std::wstring body(text);
    const std::wstring caption(title);
    switch (::MessageBoxW(owner, body.c_str(), caption.c_str(), StyleFlags(style) | MB_SETFOREGROUND))
    {
    case IDYES:
        return platform::MsgResult::Yes;
    case IDNO:
        return platform::MsgResult::No;
    default:
        return platform::MsgResult::Ok;
    }
}

} // namespace dorvik::win32
