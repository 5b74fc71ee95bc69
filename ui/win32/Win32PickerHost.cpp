#include "ui/win32/Win32PickerHost.h"

#include "ui/Uygulama.h"
#include "ui/win32/UygulamaWindow.h"

namespace dorvik::win32
{

void Win32PickerHost::ShowUygulamaModal()
{
    UygulamaWindow window(instance_, loop_, owner_);
    Uygulama picker(window, modulum_, form1_);
    window.Attach(picker);
    if (!window.Create())
    {
        return;
    }
    // Filled while still hidden, so the picker never lists itself on its first showing.
    picker.Form_Load();
    window.ShowModal();
}

} // namespace dorvik::win32
