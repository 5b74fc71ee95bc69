// The application picker's handlers: list the desktop's application windows and let the user choose one.
#pragma once

#include "ui/IForm1View.h"
#include "ui/IUygulamaView.h"
#include "ui/Modulum.h"

namespace dorvik
{

class Uygulama
{
public:
    Uygulama(IUygulamaView& view, Modulum& modulum, IForm1View& form1) noexcept;

    Uygulama(const Uygulama&) = delete;
    Uygulama& operator=(const Uygulama&) = delete;

    void Form_Load();
    void Yenile_Click();
    void ComboUygulama_Click();
    void BtnUygulamaSec_Click();
    void Command2_Click();

    // Whether the user chose a window with "Uygulamayı &Seç".
    bool Chosen() const noexcept { return chosen_; }

private:
    void FillList();

    IUygulamaView& view_;
    Modulum& modulum_;
    IForm1View& form1_;
    bool chosen_ = false;
};

} // namespace dorvik
