#include "ui/win32/Win32PickerHost.h"

#include "ui/Uygulama.h"
#include "ui/win32/UygulamaWindow.h"

namespace dorvik::win32
{

bool Win32PickerHost::ShowUygulamaModal()
{
    UygulamaWindow window(instance_, loop_, owner_);
    Uygulama picker(window, modulum_, form1_);
    window.Attach(picker);
    if (!window.Create())
    {
        return false;
    }
    picker.Form_Load();
    window.ShowModal();
    return picker.Chosen();
}

} // namespace dorvik::win32
