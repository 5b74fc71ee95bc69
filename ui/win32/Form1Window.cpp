#include "ui/win32/Form1Window.h"

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <string>

#include "platform/win32/CommandLineHandOver.h"
#include "platform/win32/HandleCasts.h"
#include "resources/UiText.h"
#include "ui/win32/FrameContainer.h"
#include "ui/win32/StatusPanel.h"

namespace dorvik::win32
{

namespace
{

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;
constexpr int kClientWidthTwips = 2460;
constexpr int kClientHeightTwips = 2265;
constexpr UINT kTimer1Interval = 500;

using enum ControlKind;

// In creation order, which is also the z-order and the tab order within each container: "Saati Giriniz"
// comes first so that, when shown, it lies over the quick choices it covers.
constexpr std::array kControls = {
    ControlSpec{ControlId::SaatSec, kWindowItself, Frame, text::kSaatSec, 150, 480, 2160, 1095, false},
    ControlSpec{ControlId::Command2, ControlId::SaatSec, Button, text::kCommand2, 120, 690, 1980, 300},
    ControlSpec{ControlId::VScroll1, ControlId::SaatSec, ScrollBar, {}, 1680, 240, 175, 375},
    ControlSpec{ControlId::Frame1, ControlId::SaatSec, Frame, {}, 360, 175, 1325, 450},
    ControlSpec{ControlId::Saat1, ControlId::Frame1, Edit, text::kSaatInitialMinuteSecond, 480, 120, 325,
                285},
    ControlSpec{ControlId::Saat2, ControlId::Frame1, Edit, text::kSaatInitialMinuteSecond, 960, 120, 325,
                285},
    ControlSpec{ControlId::Saat0, ControlId::Frame1, Edit, text::kSaatInitialHour, 25, 120, 325, 285},
    ControlSpec{ControlId::Label1, ControlId::Frame1, Label, text::kColon, 385, 135, 45, 195},
    ControlSpec{ControlId::Label2, ControlId::Frame1, Label, text::kColon, 855, 135, 45, 195},
    ControlSpec{ControlId::FrmKapama, kWindowItself, Frame, text::kFrmKapama, 75, 0, 2310, 1635},
    ControlSpec{ControlId::OptHizli0, ControlId::FrmKapama, Option, text::kOptHizli[0], 120, 255, 1775, 255},
    ControlSpec{ControlId::OptHizli1, ControlId::FrmKapama, Option, text::kOptHizli[1], 120, 525, 1775, 255},
    ControlSpec{ControlId::OptHizli2, ControlId::FrmKapama, Option, text::kOptHizli[2], 120, 780, 1775, 255},
    ControlSpec{ControlId::OptHizli3, ControlId::FrmKapama, Option, text::kOptHizli[3], 120, 1035, 1775, 255},
    ControlSpec{ControlId::OptHizli4, ControlId::FrmKapama, Option, text::kOptHizli[4], 120, 1320, 1775, 255},
    ControlSpec{ControlId::BtnDorvik, kWindowItself, Button, text::kBtnDorvik, 75, 1680, 2295, 325},
    ControlSpec{ControlId::StatusBar1, kWindowItself, StatusBar, {}, 0, 2010, 2460, 255},
    ControlSpec{ControlId::ImgKapan, kWindowItself, Image, {}, 2400, 0, 480, 480, false},
    ControlSpec{ControlId::ImgDorvikSet, kWindowItself, Image, {}, 2400, 480, 480, 480, false},
    ControlSpec{ControlId::ImgDorvik, kWindowItself, Image, {}, 2400, 960, 480, 480, false},
};

bool IsWithin(HWND window, HWND container)
{
    return window && (window == container || ::IsChild(container, window));
}

// A control that asked to hear when the mouse leaves it (a button does, to draw its hot state) keeps a timer
// polling the mouse until then. Under Wine that timer never stops for a control hidden under the mouse: a
// hundred wake-ups a second for as long as a closing waits in the notification area.
void StopMouseTrackingWithin(HWND window)
{
    TRACKMOUSEEVENT tracking{};
    tracking.cbSize = sizeof(tracking);
    tracking.dwFlags = TME_QUERY;
    if (::TrackMouseEvent(&tracking) && IsWithin(tracking.hwndTrack, window) &&
        (tracking.dwFlags & (TME_HOVER | TME_LEAVE)) != 0)
    {
        tracking.dwFlags |= TME_CANCEL;
        ::TrackMouseEvent(&tracking);
    }
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance, const Win32Icons& icons, MessageLoop& loop) noexcept
    : instance_(instance)
    , icons_(icons)
    , loop_(loop)
    , taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated"))
{
}

bool Form1Window::Create()
{
    RegisterClassOnce(instance_, kMainWindowClass, icons_.Large(platform::IconId::Dorvik),
                      icons_.Small(platform::IconId::Dorvik));
    RegisterFrameClass(instance_);
    if (!CreateWindowFor(kWindowExStyle, kMainWindowClass, std::wstring(text::kCaption).c_str(), kWindowStyle,
                         nullptr, instance_))
    {
        return false;
    }
    menus_.Create(hwnd_);
    // Controls are made at their places and in their font at once: every move afterwards would be one
    // more round trip to the window manager at start-up.
    layout_.emplace(hwnd_, instance_);
    layout_->UseDpi(DpiOf(hwnd_));
    CreateControls();
    ApplyStatusPanel();
    SizeAndCentre();
    navigation_.emplace(loop_, hwnd_);
    // Explorer announces its restart with a broadcast that Windows keeps from a program started as
    // administrator unless it asks for it; without it, the hidden window would lose its icon for good.
    ::ChangeWindowMessageFilterEx(hwnd_, taskbarCreated_, MSGFLT_ALLOW, nullptr);
    return true;
}

void Form1Window::CreateControls()
{
    layout_->Create(kControls);
    for (int i = 0; i < kSaatCount; ++i)
    {
        const HWND field = Control(Saat(i));
        ::SendMessageW(field, EM_SETLIMITTEXT, 2, 0);
        ::SetWindowSubclass(field, &ClockFieldProc, static_cast<UINT_PTR>(i),
                            reinterpret_cast<DWORD_PTR>(this));
    }
    for (int i = 0; i < kOptHizliCount; ++i)
    {
        ::SetWindowSubclass(Control(OptHizli(i)), &OptionProc, static_cast<UINT_PTR>(i),
                            reinterpret_cast<DWORD_PTR>(this));
    }
    constexpr std::array<std::pair<ControlId, platform::IconId>, 3> kImages = {{
        {ControlId::ImgDorvik, platform::IconId::Dorvik},
        {ControlId::ImgDorvikSet, platform::IconId::DorvikSet},
        {ControlId::ImgKapan, platform::IconId::Kapan},
    }};
    for (const auto& [image, icon] : kImages)
    {
        ::SendMessageW(Control(image), STM_SETICON, reinterpret_cast<WPARAM>(icons_.Large(icon)), 0);
    }
    ::SendMessageW(Control(ControlId::OptHizli0), BM_SETCHECK, BST_CHECKED, 0);
    scrollBar_.Attach(Control(ControlId::VScroll1));
}

void Form1Window::SizeAndCentre()
{
    const SIZE size = layout_->WindowSizeFor(kClientWidthTwips, kClientHeightTwips, true);
    int width = size.cx;
    int height = size.cy;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const auto place = [&] {
        const POINT at = CentredIn(monitor.rcWork, width, height);
        ::SetWindowPos(hwnd_, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place();

    // A menu bar that wraps onto a second line takes room from the client area; give it back.
    const int clientWidth = layout_->Pixels(kClientWidthTwips);
    const int clientHeight = layout_->Pixels(kClientHeightTwips);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    if (client.bottom != clientHeight || client.right != clientWidth)
    {
        width += clientWidth - client.right;
        height += clientHeight - client.bottom;
        place();
    }
}

void Form1Window::ApplyStatusPanel()
{
    const HWND statusBar = Control(ControlId::StatusBar1);
    StatusPanelFit fit = FitStatusPanel(layout_->FontSpec(), layout_->Pixels(statusPanelTwips_),
                                        layout_->Pixels(kClientWidthTwips), layout_->Dpi());
    statusFont_ = std::move(fit.font);
    ::SendMessageW(statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont_.get()), FALSE);
    ::SendMessageW(statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&fit.panelWidth));
}

void Form1Window::MoveFocusOutOf(HWND container)
{
    const HWND focus = ::GetFocus();
    if (!IsWithin(focus, container))
    {
        return;
    }
    // The dialog manager skips hidden and disabled frames, so the next tab stop lies outside this one.
    const HWND next = ::GetNextDlgTabItem(hwnd_, focus, FALSE);
    ::SetFocus(next && !IsWithin(next, container) ? next : hwnd_);
}

std::wstring Form1Window::Text(ControlId control) const
{
    return WindowText(Control(control));
}

void Form1Window::SetText(ControlId control, std::wstring_view text)
{
    ::SetWindowTextW(Control(control), std::wstring(text).c_str());
}

bool Form1Window::Visible(ControlId control) const
{
    return (::GetWindowLongPtrW(Control(control), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Form1Window::SetVisible(ControlId control, bool visible)
{
    const HWND window = Control(control);
    ::ShowWindow(window, visible ? SW_SHOW : SW_HIDE);
    if (!visible)
    {
        MoveFocusOutOf(window);
    }
}

bool Form1Window::Enabled(ControlId control) const
{
    return ::IsWindowEnabled(Control(control)) != FALSE;
}

void Form1Window::SetEnabled(ControlId control, bool enabled)
{
    layout_->SetEnabled(control, enabled);
    if (!enabled)
    {
        MoveFocusOutOf(Control(control));
    }
}

bool Form1Window::Value(ControlId option) const
{
    return ::SendMessageW(Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1Window::SelectOption(ControlId option)
{
    ::CheckRadioButton(Control(ControlId::FrmKapama), static_cast<int>(OptHizli(0)),
                       static_cast<int>(OptHizli(kOptHizliCount - 1)), static_cast<int>(option));
}

void Form1Window::SetScrollMin(int min)
{
    scrollBar_.SetMin(min);
}

int Form1Window::ScrollValue() const
{
    return scrollBar_.Value();
}

void Form1Window::SetScrollValue(int value)
{
    scrollBar_.SetValue(value);
}

bool Form1Window::SetTimerEnabled(bool enabled)
{
    if (enabled)
    {
        return ::SetTimer(hwnd_, kTimer1Id, kTimer1Interval, nullptr) != 0;
    }
    ::KillTimer(hwnd_, kTimer1Id);
    return true;
}

void Form1Window::SetStatusPanelWidth(int twips)
{
    statusPanelTwips_ = twips;
    ApplyStatusPanel();
}

void Form1Window::SetStatusText(std::wstring_view text)
{
    const std::wstring panelText(text);
    ::SendMessageW(Control(ControlId::StatusBar1), SB_SETTEXTW, 0,
                   reinterpret_cast<LPARAM>(panelText.c_str()));
}

bool Form1Window::Checked(MenuItem item) const
{
    return menus_.Checked(item);
}

void Form1Window::SetChecked(MenuItem item, bool checked)
{
    menus_.SetChecked(item, checked);
}

void Form1Window::PopupMenu(MenuItem menu, const std::optional<platform::Rect>& beside)
{
    if (menu != MenuItem::mPopupSys)
    {
        return;
    }
    std::optional<RECT> area;
    if (beside)
    {
        area = RECT{beside->left, beside->top, beside->right, beside->bottom};
    }
    if (const std::optional<MenuItem> chosen = menus_.PopupTrayMenu(hwnd_, area))
    {
        OnMenuCommand(*chosen);
    }
}

std::wstring Form1Window::Caption() const
{
    return WindowText(hwnd_);
}

platform::WindowId Form1Window::Handle() const
{
    return ToWindowId(hwnd_);
}

platform::IconId Form1Window::Icon() const
{
    return icon_;
}

void Form1Window::SetIcon(platform::IconId icon)
{
    icon_ = icon;
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons_.Large(icon)));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons_.Small(icon)));
}

WindowState Form1Window::State() const
{
    if (::IsIconic(hwnd_))
    {
        return WindowState::Minimized;
    }
    return ::IsZoomed(hwnd_) ? WindowState::Maximized : WindowState::Normal;
}

void Form1Window::SetState(WindowState state)
{
    switch (state)
    {
    case WindowState::Normal:
        if (::IsIconic(hwnd_) || ::IsZoomed(hwnd_))
        {
            ::ShowWindow(hwnd_, SW_RESTORE);
        }
        break;
    case WindowState::Minimized:
        ::ShowWindow(hwnd_, SW_MINIMIZE);
        break;
    case WindowState::Maximized:
        ::ShowWindow(hwnd_, SW_MAXIMIZE);
        break;
    }
}

bool Form1Window::Shown() const
{
    return ::IsWindowVisible(hwnd_) != FALSE;
}

void Form1Window::Show()
{
    ::ShowWindow(hwnd_, SW_SHOW);
    // Activated while hidden, the window kept the focus itself; now its controls can have it again.
    if (::GetActiveWindow() == hwnd_ && ::GetFocus() == hwnd_)
    {
        FocusAControl();
    }
}

void Form1Window::Hide()
{
    StopMouseTrackingWithin(hwnd_);
    ::ShowWindow(hwnd_, SW_HIDE);
}

void Form1Window::Refresh()
{
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form1Window::SetForeground()
{
    ::SetForegroundWindow(hwnd_);
}

ScaleMode Form1Window::CoordinateUnit() const
{
    return ScaleMode::Pixel;
}

double Form1Window::TwipsPerPixelX() const
{
    return layout_->TwipsPerPixel();
}

LRESULT Form1Window::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    layout_->FollowDpiChange(wParam, lParam, kControls, kClientWidthTwips, kClientHeightTwips, true);
    ApplyStatusPanel();
    return 0;
}

} // namespace dorvik::win32
