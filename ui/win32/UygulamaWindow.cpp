#include "ui/win32/UygulamaWindow.h"

#include <algorithm>
#include <commctrl.h>
#include <string>

#include "resources/UiText.h"
#include "ui/win32/FrameContainer.h"

namespace dorvik::win32
{

namespace
{

constexpr wchar_t kClassName[] = L"DorvikPickerWindow";
constexpr int kTwipsPerInch = 1440;
constexpr int kClientWidthTwips = 4755;
constexpr int kClientHeightTwips = 1170;
// How many entries the dropped-down list shows before it scrolls.
constexpr int kVisibleListEntries = 12;

HMENU AsMenuId(ControlId id)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

int DpiOf(HWND window)
{
    const WindowDc dc(window);
    return dc ? ::GetDeviceCaps(dc.Get(), LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

UygulamaWindow::UygulamaWindow(HINSTANCE instance, MessageLoop& loop, HWND owner) noexcept
    : instance_(instance)
    , loop_(loop)
    , owner_(owner)
{
}

UygulamaWindow::~UygulamaWindow()
{
    if (hwnd_)
    {
        loop_.RemoveDialogWindow(hwnd_);
    }
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
    dpi_ = DpiOf(owner_ ? owner_ : hwnd_);
    if (const auto ownerFont = reinterpret_cast<HFONT>(::SendMessageW(owner_, WM_GETFONT, 0, 0)); !ownerFont)
    {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        {
            font_.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
        }
    }
    CreateControls();
    loop_.AddDialogWindow(hwnd_);
    return true;
}

int UygulamaWindow::Pixels(int twips) const noexcept
{
    return ::MulDiv(twips, dpi_, kTwipsPerInch);
}

HWND UygulamaWindow::Control(ControlId id) const noexcept
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void UygulamaWindow::CreateControls()
{
    // The owner's font keeps the two windows alike; the main window has none only when it failed to make one.
    HFONT font = font_.get();
    if (!font)
    {
        font = reinterpret_cast<HFONT>(::SendMessageW(owner_, WM_GETFONT, 0, 0));
    }
    const auto setFont = [font](HWND control) {
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    };

    const HWND frame =
        CreateFrame(hwnd_, static_cast<int>(ControlId::Uygulamalar), std::wstring(text::kUygulamalar).c_str(),
                    WS_VISIBLE, {0, 0, Pixels(4695), Pixels(1095)}, instance_);
    controls_[ControlId::Uygulamalar] = frame;

    struct ButtonSpec
    {
        ControlId id;
        std::wstring_view caption;
        int left;
        bool enabled;
    };

    const auto createButton = [&](const ButtonSpec& button) {
        const HWND created = ::CreateWindowExW(0, WC_BUTTONW, std::wstring(button.caption).c_str(),
                                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON |
                                                   (button.enabled ? 0u : DWORD{WS_DISABLED}),
                                               Pixels(button.left), Pixels(600), Pixels(1335), Pixels(375),
                                               frame, AsMenuId(button.id), instance_, nullptr);
        setFont(created);
        controls_[button.id] = created;
    };

    // Creation order is the tab order: "Y&enile", the list, "Uygulamayı &Seç", "Va&zgeç".
    createButton({ControlId::Yenile, text::kYenile, 120, true});
    const int listHeight = Pixels(315) + kVisibleListEntries * ::GetSystemMetrics(SM_CYMENUSIZE);
    const HWND list = ::CreateWindowExW(
        0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, Pixels(120),
        Pixels(240), Pixels(4455), listHeight, frame, AsMenuId(ControlId::ComboUygulama), instance_, nullptr);
    setFont(list);
    controls_[ControlId::ComboUygulama] = list;
    createButton({ControlId::BtnUygulamaSec, text::kBtnUygulamaSec, 1680, false});
    createButton({ControlId::UygulamaCommand2, text::kPickerCommand2, 3240, true});
    LayoutFrame(frame, font);
}

void UygulamaWindow::ShowModal()
{
    RECT client{0, 0, Pixels(kClientWidthTwips), Pixels(kClientHeightTwips)};
    ::AdjustWindowRectEx(&client, static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    RECT around{};
    if (!owner_ || !::IsWindowVisible(owner_) || !::GetWindowRect(owner_, &around))
    {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    }
    ::SetWindowPos(hwnd_, nullptr, around.left + (around.right - around.left - width) / 2,
                   around.top + (around.bottom - around.top - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);

    const bool ownerWasEnabled = owner_ && ::IsWindowEnabled(owner_);
    if (ownerWasEnabled)
    {
        ::EnableWindow(owner_, FALSE);
    }
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetFocus(Control(ControlId::ComboUygulama));
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
    return static_cast<int>(::SendMessageW(Control(ControlId::ComboUygulama), CB_GETCURSEL, 0, 0));
}

void UygulamaWindow::SetListIndex(int index)
{
    ::SendMessageW(Control(ControlId::ComboUygulama), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::uintptr_t UygulamaWindow::ItemData(int index) const
{
    const LRESULT data =
        ::SendMessageW(Control(ControlId::ComboUygulama), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == CB_ERR ? 0 : static_cast<std::uintptr_t>(data);
}

bool UygulamaWindow::Enabled(ControlId control) const
{
    return ::IsWindowEnabled(Control(control)) != FALSE;
}

void UygulamaWindow::SetEnabled(ControlId control, bool enabled)
{
    ::EnableWindow(Control(control), enabled);
}

void UygulamaWindow::Unload()
{
    unloaded_ = true;
}

void UygulamaWindow::Clear()
{
    ::SendMessageW(Control(ControlId::ComboUygulama), CB_RESETCONTENT, 0, 0);
    newIndex_ = -1;
}

void UygulamaWindow::AddItem(std::wstring_view text)
{
    const std::wstring entry(text);
    const LRESULT index = ::SendMessageW(Control(ControlId::ComboUygulama), CB_ADDSTRING, 0,
                                         reinterpret_cast<LPARAM>(entry.c_str()));
    newIndex_ = index < 0 ? -1 : static_cast<int>(index);
}

int UygulamaWindow::NewIndex() const
{
    return newIndex_;
}

void UygulamaWindow::SetItemData(int index, std::uintptr_t data)
{
    ::SendMessageW(Control(ControlId::ComboUygulama), CB_SETITEMDATA, static_cast<WPARAM>(index),
                   static_cast<LPARAM>(data));
}

} // namespace dorvik::win32
