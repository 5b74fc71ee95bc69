// Loads the picker window anew for each showing and runs it modally over the main window.
#pragma once

#include "platform/win32/Win32.h"

#include "ui/IForm1View.h"
#include "ui/IPickerHost.h"
#include "ui/Modulum.h"
#include "ui/win32/MessageLoop.h"

namespace dorvik::win32
{

class Win32PickerHost final : public IPickerHost
{
public:
    Win32PickerHost(HINSTANCE instance, MessageLoop& loop, Modulum& modulum, IForm1View& form1) noexcept
        : instance_(instance)
        , loop_(loop)
        , modulum_(modulum)
        , form1_(form1)
    {
    }

    void SetOwner(HWND owner) noexcept { owner_ = owner; }

    bool ShowUygulamaModal() override;

private:
    HINSTANCE instance_;
    MessageLoop& loop_;
    Modulum& modulum_;
    IForm1View& form1_;
    HWND owner_ = nullptr;
};

} // namespace dorvik::win32
