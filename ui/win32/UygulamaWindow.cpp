#include "ui/win32/UygulamaWindow.h"

#include <array>
#include <commctrl.h>
#include <string>

#include "resources/UiText.h"
#include "ui/win32/FrameContainer.h"

namespace dorvik::win32
{

namespace
{

constexpr wchar_t kClassName[] = L"DorvikPickerWindow";
constexpr int kClientWidthTwips = 4755;
constexpr int kClientHeightTwips = 1170;

using enum ControlKind;

// Creation order is the tab order: "Y&enile", the list, "Uygulamayı &Seç", "Va&zgeç".
constexpr std::array kControls = {
    ControlSpec{ControlId::Uygulamalar, kWindowItself, Frame, text::kUygulamalar, 0, 0, 4695, 1095},
    ControlSpec{ControlId::Yenile, ControlId::Uygulamalar, Button, text::kYenile, 120, 600, 1335, 375},
    ControlSpec{ControlId::ComboUygulama, ControlId::Uygulamalar, DropDownList, {}, 120, 240, 4455, 315},
    ControlSpec{ControlId::BtnUygulamaSec, ControlId::Uygulamalar, Button, text::kBtnUygulamaSec, 1680, 600,
                1335, 375, true, false},
    ControlSpec{ControlId::UygulamaCommand2, ControlId::Uygulamalar, Button, text::kPickerCommand2, 3240, 600,
                1335, 375},
};

} // namespace

UygulamaWindow::UygulamaWindow(HINSTANCE instance, MessageLoop& loop, HWND owner) noexcept
    : instance_(instance)
    , loop_(loop)
    , owner_(owner)
{
}

bool UygulamaWindow::Create()
{
    RegisterClassOnce(instance_, kClassName, nullptr, nullptr);
    RegisterFrameClass(instance_);
    // An owned pop-up: no border, no caption, no taskbar button.
    if (!CreateWindowFor(WS_EX_CONTROLPARENT, kClassName, std::wstring(text::kPickerWindowText).c_str(),
                         WS_POPUP | WS_CLIPCHILDREN, owner_, instance_))
    {
        return false;
    }
    layout_.emplace(hwnd_, instance_);
    // Laid out for the owner's monitor, where it is about to be shown; WM_DPICHANGED follows it elsewhere.
    layout_->UseDpi(DpiOf(owner_ ? owner_ : hwnd_));
    layout_->Create(kControls);
    navigation_.emplace(loop_, hwnd_);
    return true;
}

void UygulamaWindow::ShowModal()
{
    const SIZE size = layout_->WindowSizeFor(kClientWidthTwips, kClientHeightTwips, false);
    RECT around{};
    if (!owner_ || !::IsWindowVisible(owner_) || !::GetWindowRect(owner_, &around))
    {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    }
    const POINT at = CentredIn(around, size.cx, size.cy);
    ::SetWindowPos(hwnd_, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);

    const bool ownerWasEnabled = owner_ && ::IsWindowEnabled(owner_);
    if (ownerWasEnabled)
    {
        ::EnableWindow(owner_, FALSE);
    }
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetFocus(List());
    loop_.RunUntil(unloaded_);
    // The owner is enabled before this window goes, or Windows would activate some other program's window.
    if (ownerWasEnabled)
    {
        ::EnableWindow(owner_, TRUE);
        ::SetActiveWindow(owner_);
    }
    ::ShowWindow(hwnd_, SW_HIDE);
}

LRESULT UygulamaWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (message)
    {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_CLOSE:
        // Closed by other means than its buttons: no handler runs and nothing is chosen.
        unloaded_ = true;
        return 0;
    case WM_DPICHANGED:
        layout_->FollowDpiChange(wParam, lParam, kControls, kClientWidthTwips, kClientHeightTwips, false);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void UygulamaWindow::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (!picker_ || lParam == 0)
    {
        return;
    }
    const auto control = static_cast<ControlId>(LOWORD(wParam));
    const UINT code = HIWORD(wParam);
    if (control == ControlId::ComboUygulama)
    {
        if (code == CBN_SELCHANGE)
        {
            picker_->ComboUygulama_Click();
        }
        return;
    }
    if (code != BN_CLICKED)
    {
        return;
    }
    switch (control)
    {
    case ControlId::Yenile:
        picker_->Yenile_Click();
        break;
    case ControlId::BtnUygulamaSec:
        picker_->BtnUygulamaSec_Click();
        break;
    case ControlId::UygulamaCommand2:
        picker_->Command2_Click();
        break;
    default:
        break;
    }
}

winlib::IListControl& UygulamaWindow::ComboUygulama()
{
    return *this;
}

int UygulamaWindow::ListIndex() const
{
    return static_cast<int>(::SendMessageW(List(), CB_GETCURSEL, 0, 0));
}

void UygulamaWindow::SetListIndex(int index)
{
    ::SendMessageW(List(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::uintptr_t UygulamaWindow::ItemData(int index) const
{
    const LRESULT data = ::SendMessageW(List(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == CB_ERR ? 0 : static_cast<std::uintptr_t>(data);
}

bool UygulamaWindow::Enabled(ControlId control) const
{
    return ::IsWindowEnabled(Control(control)) != FALSE;
}

void UygulamaWindow::SetEnabled(ControlId control, bool enabled)
{
    layout_->SetEnabled(control, enabled);
}

void UygulamaWindow::Unload()
{
    unloaded_ = true;
}

void UygulamaWindow::Clear()
{
    ::SendMessageW(List(), CB_RESETCONTENT, 0, 0);
    newIndex_ = -1;
}

void UygulamaWindow::AddItem(std::wstring_view text)
{
    const std::wstring entry(text);
    const LRESULT index = ::SendMessageW(List(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    newIndex_ = index < 0 ? -1 : static_cast<int>(index);
}

int UygulamaWindow::NewIndex() const
{
    return newIndex_;
}

void UygulamaWindow::SetItemData(int index, std::uintptr_t data)
{
    ::SendMessageW(List(), CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

} // namespace dorvik::win32
