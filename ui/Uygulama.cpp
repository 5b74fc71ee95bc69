#include "ui/Uygulama.h"

namespace dorvik
{

Uygulama::Uygulama(IUygulamaView& view, Modulum& modulum, IForm1View& form1) noexcept
    : view_(view)
    , modulum_(modulum)
    , form1_(form1)
{
}

void Uygulama::FillList()
{
    if (modulum_.Pencereler)
    {
        modulum_.Pencereler->FillWndListBox(view_.ComboUygulama(), true);
    }
    view_.SetListIndex(0);
    view_.SetEnabled(ControlId::BtnUygulamaSec, false);
}

void Uygulama::Form_Load()
{
    FillList();
}

void Uygulama::Yenile_Click()
{
    FillList();
}

void Uygulama::ComboUygulama_Click()
{
    view_.SetEnabled(ControlId::BtnUygulamaSec, view_.ListIndex() > 0);
}

void Uygulama::BtnUygulamaSec_Click()
{
    const int selected = view_.ListIndex();
    // The button is enabled only while a window entry is selected; the check keeps a stray click harmless.
    if (selected <= 0)
    {
        return;
    }
    modulum_.SecilenProgramId = static_cast<platform::WindowId>(view_.ItemData(selected));
    chosen_ = true;
    if (!form1_.Enabled(ControlId::BtnDorvik))
    {
        form1_.SetEnabled(ControlId::BtnDorvik, true);
    }
    view_.Unload();
}

void Uygulama::Command2_Click()
{
    if (platform::IsNone(modulum_.SecilenProgramId))
    {
        form1_.SetEnabled(ControlId::BtnDorvik, false);
    }
    view_.Unload();
}

} // namespace dorvik
