#include "ui/win32/CountdownWarningWindow.h"

#include <algorithm>
#include <array>
#include <shellapi.h>
#include <string>

#include "resources/UiText.h"

namespace dorvik::win32
{

namespace
{

constexpr wchar_t kClassName[] = L"DorvikCountdownWindow";
// A caption with a close box, no taskbar owner: the window stands in the taskbar and in Alt+Tab by itself,
// even while the main window is hidden in the notification area.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
constexpr int kClientWidthTwips = 4800;
constexpr int kClientHeightTwips = 1170;
// Between the window and the edges of the work area.
constexpr int kMarginTwips = 150;
// What a push button needs around its caption: its edges and the focus rectangle.
constexpr int kButtonPaddingWidthTwips = 240;
constexpr int kButtonPaddingHeightTwips = 120;
// The taskbar button flashes this often, then stays lit until the user comes to the window.
constexpr UINT kFlashes = 3;

using enum ControlKind;

constexpr ControlSpec kSentence{ControlId::LblGeriSayim, kWindowItself, Label, {}, 120, 180, 4560, 330};
constexpr ControlSpec kErtele{
    ControlId::BtnErtele, kWindowItself, Button, text::kBtnErtele, 1560, 660, 1800, 375};
constexpr ControlSpec kVazgec{
    ControlId::BtnVazgec, kWindowItself, Button, text::kBtnVazgec, 3480, 660, 1200, 375};
// Creation order is the tab order, left to right.
constexpr std::array kControls = {kSentence, kErtele, kVazgec};

struct Corner
{
    // The part of the monitor's work area that the taskbar leaves free.
    RECT area;
    bool right;
    bool bottom;
};

RECT WorkAreaOf(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(monitor, &info);
    return info.rcWork;
}

// The notification area lies at the far end of the taskbar: the right end of a horizontal one, the bottom
// of a vertical one. Without a taskbar, the primary monitor's lower right corner.
Corner CornerByTheNotificationArea()
{
    APPBARDATA bar{};
    bar.cbSize = sizeof(bar);
    if (!::SHAppBarMessage(ABM_GETTASKBARPOS, &bar))
    {
        return {WorkAreaOf(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)), true, true};
    }
    // Wine reserves no work area for its taskbar and gives it as one pixel: its window says where it is.
    RECT taskbar = bar.rc;
    if (const HWND window = ::FindWindowW(L"Shell_TrayWnd", nullptr); window && ::IsWindowVisible(window))
    {
        ::GetWindowRect(window, &taskbar);
    }
    Corner corner{WorkAreaOf(::MonitorFromRect(&taskbar, MONITOR_DEFAULTTOPRIMARY)), true, true};
    RECT& area = corner.area;
    switch (bar.uEdge)
    {
    case ABE_TOP:
        corner.bottom = false;
        area.top = std::max(area.top, taskbar.bottom);
        break;
    case ABE_LEFT:
        corner.right = false;
        area.left = std::max(area.left, taskbar.right);
        break;
    case ABE_RIGHT:
        area.right = std::min(area.right, taskbar.left);
        break;
    default:
        area.bottom = std::min(area.bottom, taskbar.top);
        break;
    }
    return corner;
}

} // namespace

CountdownWarningWindow::CountdownWarningWindow(HINSTANCE instance, const Win32Icons& icons,
                                               MessageLoop& loop) noexcept
    : instance_(instance)
    , icons_(icons)
    , loop_(loop)
{
}

bool CountdownWarningWindow::Create()
{
    RegisterClassOnce(instance_, kClassName, icons_.Large(platform::IconId::DorvikSet),
                      icons_.Small(platform::IconId::DorvikSet));
    if (!CreateWindowFor(kExStyle, kClassName, std::wstring(text::kCaption).c_str(), kStyle, nullptr,
                         instance_))
    {
        return false;
    }
    // On the monitor it will be shown on before anything is measured, so that it takes that monitor's DPI.
    const RECT area = CornerByTheNotificationArea().area;
    ::SetWindowPos(hwnd_, nullptr, area.left, area.top, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
    layout_.emplace(hwnd_, instance_);
    layout_->UseDpi(DpiOf(hwnd_));
    layout_->Create(kControls);
    navigation_.emplace(loop_, hwnd_);
    liveRegion_.emplace(layout_->Control(ControlId::LblGeriSayim));
    return true;
}

bool CountdownWarningWindow::TakeCurrentFont()
{
    if (layout_->FontIsCurrent())
    {
        return false;
    }
    layout_->UseDpi(layout_->Dpi());
    Refit();
    return true;
}

void CountdownWarningWindow::Refit()
{
    layout_->Place(kControls);
    places_ = {};
    Fit(false);
}

bool CountdownWarningWindow::Fit(bool growOnly)
{
    const ControlLayout& layout = *layout_;
    const auto designed = [&](const ControlSpec& row) {
        const int left = layout.Pixels(row.left);
        const int top = layout.Pixels(row.top);
        return platform::Rect{left, top, left + layout.Pixels(row.width), top + layout.Pixels(row.height)};
    };
    const auto caption = [&](std::wstring_view text) {
        const SIZE size = layout.TextSize(text, std::nullopt);
        return TextExtent{size.cx, size.cy};
    };
    const CountdownPlaces design{designed(kSentence), designed(kErtele), designed(kVazgec),
                                 layout.Pixels(kClientWidthTwips), layout.Pixels(kClientHeightTwips)};
    const CountdownTexts texts{
        .sentenceHeight = [&](int width) { return static_cast<int>(layout.TextSize(sentence_, width).cy); },
        .ertele = caption(kErtele.text),
        .vazgec = caption(kVazgec.text),
        .buttonPadding = {layout.Pixels(kButtonPaddingWidthTwips), layout.Pixels(kButtonPaddingHeightTwips)}};
    const CountdownPlaces fitted = FitCountdownPlaces(design, texts);
    if (fitted == places_ || (growOnly && fitted.width <= places_.width && fitted.height <= places_.height))
    {
        return false;
    }
    places_ = fitted;
    const auto move = [&](ControlId id, const platform::Rect& place) {
        ::SetWindowPos(layout.Control(id), nullptr, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    move(ControlId::LblGeriSayim, places_.sentence);
    move(ControlId::BtnErtele, places_.ertele);
    move(ControlId::BtnVazgec, places_.vazgec);
    return true;
}

void CountdownWarningWindow::PlaceAtCorner()
{
    const Corner corner = CornerByTheNotificationArea();
    // Moved to another monitor, the window first takes that monitor's DPI, then its size there.
    for (int pass = 0; pass < 2; ++pass)
    {
        const int dpiUsed = layout_->Dpi();
        const SIZE size = layout_->WindowSizeForClient({places_.width, places_.height}, false);
        const int margin = layout_->Pixels(kMarginTwips);
        const RECT& work = corner.area;
        const int x = corner.right ? work.right - size.cx - margin : work.left + margin;
        const int y = corner.bottom ? work.bottom - size.cy - margin : work.top + margin;
        ::SetWindowPos(hwnd_, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_NOACTIVATE);
        const int dpi = DpiOf(hwnd_);
        if (dpi == dpiUsed)
        {
            break;
        }
        // WM_DPICHANGED, sent during the move, may have taken the new DPI already; the corner is ours to
        // keep.
        if (dpi != layout_->Dpi())
        {
            layout_->UseDpi(dpi);
            Refit();
        }
    }
}

void CountdownWarningWindow::Show(std::wstring_view sentence)
{
    if (!hwnd_ && !Create())
    {
        return;
    }
    TakeCurrentFont();
    SetSentence(sentence);
    Fit(false);
    PlaceAtCorner();
    // SW_SHOWNOACTIVATE: keys meant for the program the user is working in must never press these buttons.
    ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    // Asks for the user's attention without taking the focus: the taskbar button flashes, and screen readers
    // speak the sentence.
    FLASHWINFO flash{sizeof(flash), hwnd_, FLASHW_TRAY | FLASHW_TIMERNOFG, kFlashes, 0};
    ::FlashWindowEx(&flash);
    liveRegion_->Announce();
}

void CountdownWarningWindow::SetSentence(std::wstring_view sentence)
{
    if (!layout_)
    {
        return;
    }
    sentence_ = sentence;
    ::SetWindowTextW(layout_->Control(ControlId::LblGeriSayim), sentence_.c_str());
    // A sentence that needs another line while the window is shown makes it grow upwards from its corner.
    if (::IsWindowVisible(hwnd_) && Fit(true))
    {
        PlaceAtCorner();
    }
}

void CountdownWarningWindow::Activate()
{
    if (hwnd_ && ::IsWindowVisible(hwnd_))
    {
        ::SetForegroundWindow(hwnd_);
    }
}

void CountdownWarningWindow::Hide()
{
    if (hwnd_)
    {
        FLASHWINFO flash{sizeof(flash), hwnd_, FLASHW_STOP, 0, 0};
        ::FlashWindowEx(&flash);
        ::ShowWindow(hwnd_, SW_HIDE);
    }
}

void CountdownWarningWindow::FollowSettingChange()
{
    if (TakeCurrentFont() && ::IsWindowVisible(hwnd_))
    {
        PlaceAtCorner();
    }
}

void CountdownWarningWindow::FollowDpiChange(WPARAM wParam, LPARAM lParam)
{
    layout_->UseDpi(HIWORD(wParam));
    Refit();
    layout_->MoveToSuggested(lParam, {places_.width, places_.height}, false);
}

LRESULT CountdownWarningWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (message)
    {
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_CLOSE:
        // The close box and Alt+F4 close only this window; the closing comes on time.
        if (warning_)
        {
            warning_->Form_Close();
        }
        return 0;
    case WM_ACTIVATE:
        // Shown without the focus, the window gives it to "Vazgeç" once the user comes to it.
        if (LOWORD(wParam) != WA_INACTIVE && layout_)
        {
            ::SetFocus(layout_->Control(ControlId::BtnVazgec));
            return 0;
        }
        break;
    case WM_SETTINGCHANGE:
        // The text size comes with the system's fonts; the window grows or shrinks with them.
        if (layout_)
        {
            FollowSettingChange();
        }
        break;
    case WM_DPICHANGED:
        if (layout_)
        {
            FollowDpiChange(wParam, lParam);
            return 0;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void CountdownWarningWindow::OnCommand(WPARAM wParam)
{
    if (!warning_)
    {
        return;
    }
    const int id = LOWORD(wParam);
    // Esc reaches the window as IDCANCEL from the dialog manager.
    if (id == IDCANCEL)
    {
        warning_->Form_Close();
    }
    else if (HIWORD(wParam) == BN_CLICKED && id == static_cast<int>(ControlId::BtnVazgec))
    {
        warning_->BtnVazgec_Click();
    }
    else if (HIWORD(wParam) == BN_CLICKED && id == static_cast<int>(ControlId::BtnErtele))
    {
        warning_->BtnErtele_Click();
    }
}

} // namespace dorvik::win32
