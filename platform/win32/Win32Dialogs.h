// Message boxes, owned by the main window while it is shown.
#pragma once

#include "platform/win32/Win32.h"

#include "platform/IDialogs.h"

namespace dorvik::win32
{

class Win32Dialogs final : public platform::IDialogs
{
public:
    void SetOwner(HWND owner) noexcept { owner_ = owner; }

    platform::MsgResult MsgBox(std::wstring_view text, std::wstring_view title,
                               platform::MsgStyle style) override;

private:
    HWND owner_ = nullptr;
};

} // namespace dorvik::win32
