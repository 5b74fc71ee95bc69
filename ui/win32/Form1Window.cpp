#include "ui/win32/Form1Window.h"

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <cstdlib>
#include <string>
#include <windowsx.h>

#include "platform/win32/HandleCasts.h"
#include "resources/UiText.h"
#include "ui/win32/FrameContainer.h"

namespace dorvik::win32
{

namespace
{

constexpr wchar_t kClassName[] = L"DorvikMainWindow";
constexpr wchar_t kTrayMenuProperty[] = L"DorvikTrayMenu";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;
constexpr int kTwipsPerInch = 1440;
constexpr int kClientWidthTwips = 2460;
constexpr int kClientHeightTwips = 2265;
constexpr UINT kTimer1Interval = 500;
constexpr UINT_PTR kTimer1Id = static_cast<UINT_PTR>(ControlId::Timer1);

// Stands for the window itself as the container of a control.
constexpr auto kForm = static_cast<ControlId>(0);

enum class Kind
{
    Frame,
    Button,
    Option,
    Edit,
    Label,
    ScrollBar,
    StatusBar,
    Image
};

struct ControlSpec
{
    ControlId id;
    ControlId container;
    Kind kind;
    std::wstring_view text;
    // Twips from the container's corner: the window's client area, or a frame's outer corner.
    int left;
    int top;
    int width;
    int height;
    bool visible = true;
};

// In creation order, which is also the z-order and the tab order within each container: "Saati Giriniz"
// comes first so that, when shown, it lies over the quick choices it covers.
constexpr std::array kControls = {
    ControlSpec{ControlId::SaatSec, kForm, Kind::Frame, text::kSaatSec, 150, 480, 2160, 1095, false},
    ControlSpec{ControlId::Command2, ControlId::SaatSec, Kind::Button, text::kCommand2, 120, 690, 1980, 300},
    ControlSpec{ControlId::VScroll1, ControlId::SaatSec, Kind::ScrollBar, {}, 1680, 240, 175, 375},
    ControlSpec{ControlId::Frame1, ControlId::SaatSec, Kind::Frame, {}, 360, 175, 1325, 450},
    ControlSpec{ControlId::Saat1, ControlId::Frame1, Kind::Edit, text::kSaatInitialMinuteSecond, 480, 120,
                325, 285},
    ControlSpec{ControlId::Saat2, ControlId::Frame1, Kind::Edit, text::kSaatInitialMinuteSecond, 960, 120,
                325, 285},
    ControlSpec{ControlId::Saat0, ControlId::Frame1, Kind::Edit, text::kSaatInitialHour, 25, 120, 325, 285},
    ControlSpec{ControlId::Label1, ControlId::Frame1, Kind::Label, text::kColon, 385, 135, 45, 195},
    ControlSpec{ControlId::Label2, ControlId::Frame1, Kind::Label, text::kColon, 855, 135, 45, 195},
    ControlSpec{ControlId::FrmKapama, kForm, Kind::Frame, text::kFrmKapama, 75, 0, 2310, 1635},
    ControlSpec{ControlId::OptHizli0, ControlId::FrmKapama, Kind::Option, text::kOptHizli[0], 120, 255, 1775,
                255},
    ControlSpec{ControlId::OptHizli1, ControlId::FrmKapama, Kind::Option, text::kOptHizli[1], 120, 525, 1775,
                255},
    ControlSpec{ControlId::OptHizli2, ControlId::FrmKapama, Kind::Option, text::kOptHizli[2], 120, 780, 1775,
                255},
    ControlSpec{ControlId::OptHizli3, ControlId::FrmKapama, Kind::Option, text::kOptHizli[3], 120, 1035, 1775,
                255},
    ControlSpec{ControlId::OptHizli4, ControlId::FrmKapama, Kind::Option, text::kOptHizli[4], 120, 1320, 1775,
                255},
    ControlSpec{ControlId::BtnDorvik, kForm, Kind::Button, text::kBtnDorvik, 75, 1680, 2295, 325},
    ControlSpec{ControlId::StatusBar1, kForm, Kind::StatusBar, {}, 0, 2010, 2460, 255},
    ControlSpec{ControlId::ImgKapan, kForm, Kind::Image, {}, 2400, 0, 480, 480, false},
    ControlSpec{ControlId::ImgDorvikSet, kForm, Kind::Image, {}, 2400, 480, 480, 480, false},
    ControlSpec{ControlId::ImgDorvik, kForm, Kind::Image, {}, 2400, 960, 480, 480, false},
};

// Gives a control the window's font, with what depends on it: an edit's margins.
void FitToFont(const ControlSpec& layout, HWND control, HFONT font)
{
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (layout.kind == Kind::Edit)
    {
        ::SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
    }
}

HMENU AsMenuId(ControlId id)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// Entry points newer than the oldest Windows the program runs on, looked up when present.
template <class Function> Function User32Function(const char* name)
{
    const FARPROC address = ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

int SystemDpi()
{
    const WindowDc screen(nullptr);
    return screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : USER_DEFAULT_SCREEN_DPI;
}

int DpiOf(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    if (const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow"))
    {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0)
        {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

RECT WindowRectForClient(int clientWidth, int clientHeight, int dpi)
{
    RECT rect{0, 0, clientWidth, clientHeight};
    using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    if (const auto adjustForDpi = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi"))
    {
        adjustForDpi(&rect, kWindowStyle, TRUE, kWindowExStyle, static_cast<UINT>(dpi));
    }
    else
    {
        ::AdjustWindowRectEx(&rect, kWindowStyle, TRUE, kWindowExStyle);
    }
    return rect;
}

LOGFONTW MessageFontFor(int dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    {
        LOGFONTW fallback{};
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
        return fallback;
    }
    // The metrics come at the system's DPI; the window may stand on a monitor with another.
    metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return metrics.lfMessageFont;
}

// The widest text the status panel will ever show: the long date of each month with a clock after it.
int WidestStatusText(HDC dc)
{
    int widest = 0;
    for (WORD month = 1; month <= 12; ++month)
    {
        SYSTEMTIME date{};
        date.wYear = 2000;
        date.wMonth = month;
        date.wDay = 28;
        std::array<wchar_t, 128> buffer{};
        if (::GetDateFormatW(LOCALE_USER_DEFAULT, 0, &date, L"dd MMMM yyyy", buffer.data(),
                             static_cast<int>(buffer.size())) <= 0)
        {
            continue;
        }
        const std::wstring text = std::wstring(buffer.data()) + L", 00 : 00";
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    return widest;
}

struct StatusLayout
{
    int panelWidth;
    UniqueHfont font;
};

// Month names differ in length from locale to locale. The panel keeps its width where the longest date fits;
// otherwise it grows up to the width of the bar, and only then does its font shrink, down to a legible floor.
StatusLayout FitStatusPanel(LOGFONTW font, int panelWidth, int barWidth, int dpi)
{
    const int padding = ::MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI);
    const int smallest = ::MulDiv(8, dpi, USER_DEFAULT_SCREEN_DPI);
    const WindowDc screen(nullptr);
    StatusLayout layout{panelWidth, UniqueHfont(::CreateFontIndirectW(&font))};
    while (screen)
    {
        const HGDIOBJ previous = ::SelectObject(screen.Get(), layout.font.get());
        const int needed = WidestStatusText(screen.Get()) + padding;
        ::SelectObject(screen.Get(), previous);
        layout.panelWidth = std::clamp(needed, panelWidth, std::max(panelWidth, barWidth));
        if (needed <= layout.panelWidth || std::abs(font.lfHeight) <= smallest)
        {
            break;
        }
        font.lfHeight += font.lfHeight < 0 ? 1 : -1;
        layout.font.reset(::CreateFontIndirectW(&font));
    }
    return layout;
}

void AppendMenuEntry(HMENU menu, MenuItem id, std::wstring_view caption, UINT state = 0,
                     HMENU submenu = nullptr)
{
    std::wstring text(caption);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | (submenu ? MIIM_SUBMENU : 0u);
    info.wID = static_cast<UINT>(id);
    info.fState = state;
    info.hSubMenu = submenu;
    info.dwTypeData = text.data();
    ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
}

void AppendSeparator(HMENU menu, MenuItem id)
{
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_FTYPE;
    info.fType = MFT_SEPARATOR;
    info.wID = static_cast<UINT>(id);
    ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
}

bool IsWithin(HWND window, HWND container)
{
    return window && (window == container || ::IsChild(container, window));
}

int MouseButtons(WPARAM keys)
{
    return ((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) | ((keys & MK_MBUTTON) ? 4 : 0);
}

int ShiftState(WPARAM keys)
{
    return ((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) | (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

} // namespace

Form1Window::Form1Window(HINSTANCE instance, const Win32Icons& icons, MessageLoop& loop) noexcept
    : instance_(instance)
    , icons_(icons)
    , loop_(loop)
    , taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated"))
{
}

Form1Window::~Form1Window()
{
    if (hwnd_)
    {
        loop_.RemoveDialogWindow(hwnd_);
    }
}

bool Form1Window::Create()
{
    RegisterClassOnce(instance_, kClassName, icons_.Large(platform::IconId::Dorvik),
                      icons_.Small(platform::IconId::Dorvik));
    RegisterFrameClass(instance_);
    if (!CreateWindowFor(kWindowExStyle, kClassName, std::wstring(text::kCaption).c_str(), kWindowStyle,
                         nullptr, instance_))
    {
        return false;
    }
    CreateMenus();
    // Controls are made at their places and in their font at once: every move afterwards would be one
    // more round trip to the window manager at start-up.
    UseDpi(DpiOf(hwnd_));
    CreateControls();
    ApplyStatusPanel();
    SizeAndCentre();
    loop_.AddDialogWindow(hwnd_);
    ::SetTimer(hwnd_, kTimer1Id, kTimer1Interval, nullptr);
    return true;
}

void Form1Window::CreateMenus()
{
    const HMENU secenekler = ::CreatePopupMenu();
    AppendMenuEntry(secenekler, MenuItem::SaateGore, text::kMenuSaateGore, MFS_CHECKED);
    AppendMenuEntry(secenekler, MenuItem::ProgramaGore, text::kMenuProgramaGore);

    const HMENU kapamaTuru = ::CreatePopupMenu();
    AppendMenuEntry(kapamaTuru, MenuItem::BilgisayariKapat, text::kMenuBilgisayariKapat, MFS_CHECKED);
    AppendMenuEntry(kapamaTuru, MenuItem::OturumuKapat, text::kMenuOturumuKapat);
    AppendMenuEntry(kapamaTuru, MenuItem::BilgisayariYenidenBaslat, text::kMenuBilgisayariYenidenBaslat);

    const HMENU secenek = ::CreatePopupMenu();
    AppendMenuEntry(secenek, MenuItem::secenekler, text::kMenuSecenekler, 0, secenekler);
    AppendMenuEntry(secenek, MenuItem::KapamaTuru, text::kMenuKapamaTuru, 0, kapamaTuru);
    AppendSeparator(secenek, MenuItem::Cizgi);
    AppendMenuEntry(secenek, MenuItem::Cikis, text::kMenuCikis);

    UniqueHmenu bar(::CreateMenu());
    AppendMenuEntry(bar.get(), MenuItem::secenek, text::kMenuSecenek, 0, secenek);
    AppendMenuEntry(bar.get(), MenuItem::ProgramHakkinda, text::kMenuProgramHakkinda);
    if (::SetMenu(hwnd_, bar.get()))
    {
        // The window destroys its menu bar with itself.
        menuBar_ = bar.release();
    }

    // The tray's menu never stands on the menu bar; it is only ever popped up. The window names it in a
    // property, so that tools working inside the process can find it as they find the menu bar.
    trayMenu_.reset(::CreatePopupMenu());
    AppendMenuEntry(trayMenu_.get(), MenuItem::mPopRestore, text::kMenuPopRestore);
    AppendSeparator(trayMenu_.get(), MenuItem::Bos);
    AppendMenuEntry(trayMenu_.get(), MenuItem::mPopExit, text::kMenuPopExit);
    ::SetPropW(hwnd_, kTrayMenuProperty, trayMenu_.get());
}

void Form1Window::CreateControls()
{
    for (const ControlSpec& layout : kControls)
    {
        const HWND parent = layout.container == kForm ? hwnd_ : Control(layout.container);
        const std::wstring caption(layout.text);
        const DWORD visible = layout.visible ? WS_VISIBLE : 0u;
        const int x = Pixels(layout.left);
        const int y = Pixels(layout.top);
        const int width = Pixels(layout.width);
        const int height = Pixels(layout.height);
        const auto make = [&](DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style) {
            return ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_CLIPSIBLINGS | visible | style,
                                     x, y, width, height, parent, AsMenuId(layout.id), instance_, nullptr);
        };
        HWND control = nullptr;
        switch (layout.kind)
        {
        case Kind::Frame:
            control = CreateFrame(parent, static_cast<int>(layout.id), caption.c_str(), visible,
                                  {x, y, x + width, y + height}, instance_);
            break;
        case Kind::Button:
            control = make(0, WC_BUTTONW, caption.c_str(), WS_TABSTOP | BS_PUSHBUTTON);
            break;
        case Kind::Option:
            control = make(0, WC_BUTTONW, caption.c_str(),
                           WS_TABSTOP | BS_AUTORADIOBUTTON |
                               (layout.id == ControlId::OptHizli0 ? DWORD{WS_GROUP} : 0u));
            ::SetWindowSubclass(control, &OptionProc, static_cast<UINT_PTR>(OptHizliIndex(layout.id)),
                                reinterpret_cast<DWORD_PTR>(this));
            break;
        case Kind::Edit:
            // ES_AUTOHSCROLL: a narrow edit without it refuses characters that do not fit its width.
            control =
                make(WS_EX_CLIENTEDGE, WC_EDITW, caption.c_str(), WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL);
            ::SendMessageW(control, EM_SETLIMITTEXT, 2, 0);
            ::SetWindowSubclass(control, &ClockFieldProc, static_cast<UINT_PTR>(SaatIndex(layout.id)),
                                reinterpret_cast<DWORD_PTR>(this));
            break;
        case Kind::Label:
            control = make(0, WC_STATICW, caption.c_str(), SS_CENTER | SS_NOPREFIX);
            break;
        case Kind::ScrollBar:
            control = make(0, WC_SCROLLBARW, L"", WS_TABSTOP | SBS_VERT);
            break;
        case Kind::StatusBar:
            // Placed by the window like any other control, not docked by itself.
            control = make(0, STATUSCLASSNAMEW, L"", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER);
            break;
        case Kind::Image: {
            // SS_REALSIZECONTROL: the holder keeps its own size instead of taking the icon's.
            control = make(0, WC_STATICW, L"", SS_ICON | SS_REALSIZECONTROL);
            const platform::IconId icon = layout.id == ControlId::ImgKapan       ? platform::IconId::Kapan
                                          : layout.id == ControlId::ImgDorvikSet ? platform::IconId::DorvikSet
                                                                                 : platform::IconId::Dorvik;
            ::SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icons_.Large(icon)), 0);
            break;
        }
        }
        controls_[layout.id] = control;
        FitToFont(layout, control, font_.get());
    }
    LayoutFrames();
    ::SendMessageW(Control(ControlId::OptHizli0), BM_SETCHECK, BST_CHECKED, 0);
    ApplyScrollBar();
}

HWND Form1Window::Control(ControlId id) const noexcept
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

int Form1Window::Pixels(int twips) const noexcept
{
    return ::MulDiv(twips, dpi_, kTwipsPerInch);
}

void Form1Window::UseDpi(int dpi)
{
    dpi_ = dpi;
    messageFont_ = MessageFontFor(dpi);
    font_.reset(::CreateFontIndirectW(&messageFont_));
}

void Form1Window::ApplyDpi(int dpi)
{
    UseDpi(dpi);
    PlaceControls();
}

void Form1Window::PlaceControls()
{
    for (const ControlSpec& layout : kControls)
    {
        const HWND control = Control(layout.id);
        ::SetWindowPos(control, nullptr, Pixels(layout.left), Pixels(layout.top), Pixels(layout.width),
                       Pixels(layout.height), SWP_NOZORDER | SWP_NOACTIVATE);
        FitToFont(layout, control, font_.get());
    }
    LayoutFrames();
    ApplyStatusPanel();
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form1Window::LayoutFrames()
{
    // Only once a frame's controls exist: its border goes beneath them, where it can hide none of them.
    for (const ControlSpec& layout : kControls)
    {
        if (layout.kind == Kind::Frame)
        {
            LayoutFrame(Control(layout.id), font_.get());
        }
    }
}

void Form1Window::SizeAndCentre()
{
    const int clientWidth = Pixels(kClientWidthTwips);
    const int clientHeight = Pixels(kClientHeightTwips);
    const RECT frame = WindowRectForClient(clientWidth, clientHeight, dpi_);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const auto place = [&] {
        ::SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
                       area.top + (area.bottom - area.top - height) / 2, width, height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place();

    // A menu bar that wraps onto a second line takes room from the client area; give it back.
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    if (client.bottom != clientHeight || client.right != clientWidth)
    {
        width += clientWidth - client.right;
        height += clientHeight - client.bottom;
        place();
    }
}

void Form1Window::ApplyScrollBar()
{
    // Windows counts a scroll bar from the top; the field's value counts from the bottom.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    info.nMin = 0;
    info.nMax = scrollMin_;
    info.nPage = 0;
    info.nPos = scrollMin_ - scrollValue_;
    ::SetScrollInfo(Control(ControlId::VScroll1), SB_CTL, &info, TRUE);
}

void Form1Window::ApplyStatusPanel()
{
    const HWND statusBar = Control(ControlId::StatusBar1);
    StatusLayout layout =
        FitStatusPanel(messageFont_, Pixels(statusPanelTwips_), Pixels(kClientWidthTwips), dpi_);
    statusFont_ = std::move(layout.font);
    ::SendMessageW(statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(statusFont_.get()), FALSE);
    ::SendMessageW(statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&layout.panelWidth));
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
    const HWND window = Control(control);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
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
    const HWND window = Control(control);
    const bool isFrame =
        control == ControlId::SaatSec || control == ControlId::Frame1 || control == ControlId::FrmKapama;
    if (isFrame)
    {
        EnableFrame(window, enabled);
    }
    else
    {
        ::EnableWindow(window, enabled);
    }
    if (!enabled)
    {
        MoveFocusOutOf(window);
    }
}

bool Form1Window::Value(ControlId option) const
{
    return ::SendMessageW(Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form1Window::SetScrollMin(int min)
{
    scrollMin_ = min < 0 ? 0 : min;
    scrollValue_ = std::min(scrollValue_, scrollMin_);
    ApplyScrollBar();
}

int Form1Window::ScrollValue() const
{
    return scrollValue_;
}

void Form1Window::SetScrollValue(int value)
{
    scrollValue_ = std::clamp(value, 0, scrollMin_);
    ApplyScrollBar();
}

void Form1Window::SetTimerEnabled(bool enabled)
{
    if (enabled)
    {
        ::SetTimer(hwnd_, kTimer1Id, kTimer1Interval, nullptr);
    }
    else
    {
        ::KillTimer(hwnd_, kTimer1Id);
    }
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

HMENU Form1Window::MenuHolding(MenuItem item) const noexcept
{
    const bool trayItem =
        item == MenuItem::mPopRestore || item == MenuItem::Bos || item == MenuItem::mPopExit;
    return trayItem ? trayMenu_.get() : menuBar_;
}

bool Form1Window::Checked(MenuItem item) const
{
    const UINT state = ::GetMenuState(MenuHolding(item), static_cast<UINT>(item), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

void Form1Window::SetChecked(MenuItem item, bool checked)
{
    ::CheckMenuItem(MenuHolding(item), static_cast<UINT>(item),
                    MF_BYCOMMAND | (checked ? UINT{MF_CHECKED} : UINT{MF_UNCHECKED}));
}

void Form1Window::PopupMenu(MenuItem menu)
{
    if (menu != MenuItem::mPopupSys)
    {
        return;
    }
    POINT at{};
    ::GetCursorPos(&at);
    // TPM_RIGHTBUTTON: the menu opens on a right click, and either button may choose from it.
    ::TrackPopupMenuEx(trayMenu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, hwnd_, nullptr);
    // Without a message after the menu, the next right click on the icon would not open it again.
    ::PostMessageW(hwnd_, WM_NULL, 0, 0);
}

std::wstring Form1Window::Caption() const
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(::GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
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
}

void Form1Window::Hide()
{
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
    return static_cast<double>(kTwipsPerInch) / dpi_;
}

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCDESTROY)
    {
        ::RemovePropW(hwnd_, kTrayMenuProperty);
    }
    if (!form_)
    {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    switch (message)
    {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_VSCROLL:
        OnScroll(wParam, lParam);
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1Id)
        {
            form_->Timer1_Tick();
            return 0;
        }
        break;
    case WM_SIZE:
        form_->Form_Resize();
        return 0;
    case WM_MOUSEMOVE:
        form_->Form_MouseMove(MouseButtons(wParam), ShiftState(wParam), GET_X_LPARAM(lParam),
                              GET_Y_LPARAM(lParam));
        return 0;
    case WM_CLOSE:
        // The close box ends the whole program; it never only hides the window.
        form_->Form_Unload();
        return 0;
    case WM_QUERYENDSESSION:
        return form_->Form_QueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
        form_->Form_EndSession(wParam != FALSE);
        return 0;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_SETFOCUS:
        if (focusBeforeDeactivation_ && ::IsWindow(focusBeforeDeactivation_))
        {
            ::SetFocus(focusBeforeDeactivation_);
        }
        return 0;
    case WM_DPICHANGED:
        return OnDpiChanged(wParam, lParam);
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        if (message == taskbarCreated_ && taskbarCreated_ != 0)
        {
            form_->Form_TaskbarCreated();
            return 0;
        }
        break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form1Window::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (lParam == 0)
    {
        if (code == 0)
        {
            OnMenuCommand(static_cast<MenuItem>(id));
        }
        return;
    }
    const auto control = static_cast<ControlId>(id);
    if (const int field = SaatIndex(control); field >= 0)
    {
        if (code == EN_CHANGE)
        {
            form_->Saat_Change(field);
        }
        else if (code == EN_SETFOCUS)
        {
            form_->Saat_GotFocus(field);
        }
        return;
    }
    if (code != BN_CLICKED)
    {
        return;
    }
    if (const int option = OptHizliIndex(control); option >= 0)
    {
        form_->OptHizli_Click(option);
    }
    else if (control == ControlId::Command2)
    {
        form_->Command2_Click();
    }
    else if (control == ControlId::BtnDorvik)
    {
        form_->BtnDorvik_Click();
    }
}

void Form1Window::OnMenuCommand(MenuItem item)
{
    switch (item)
    {
    case MenuItem::SaateGore:
        form_->SaateGore_Click();
        break;
    case MenuItem::ProgramaGore:
        form_->ProgramaGore_Click();
        break;
    case MenuItem::BilgisayariKapat:
        form_->BilgisayariKapat_Click();
        break;
    case MenuItem::OturumuKapat:
        form_->OturumuKapat_Click();
        break;
    case MenuItem::BilgisayariYenidenBaslat:
        form_->BilgisayariYenidenBaslat_Click();
        break;
    case MenuItem::Cikis:
        form_->Cikis_Click();
        break;
    case MenuItem::ProgramHakkinda:
        form_->ProgramHakkinda_Click();
        break;
    case MenuItem::mPopRestore:
        form_->mPopRestore_Click();
        break;
    case MenuItem::mPopExit:
        form_->mPopExit_Click();
        break;
    default:
        break;
    }
}

void Form1Window::OnScroll(WPARAM wParam, LPARAM lParam)
{
    const HWND scrollBar = Control(ControlId::VScroll1);
    if (reinterpret_cast<HWND>(lParam) != scrollBar)
    {
        return;
    }
    int value = scrollValue_;
    switch (LOWORD(wParam))
    {
    case SB_LINEUP:
    case SB_PAGEUP:
        ++value;
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        --value;
        break;
    case SB_TOP:
        value = scrollMin_;
        break;
    case SB_BOTTOM:
        value = 0;
        break;
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        ::GetScrollInfo(scrollBar, SB_CTL, &info);
        value = scrollMin_ - info.nTrackPos;
        break;
    }
    default:
        // The thumb follows the mouse by itself while it is dragged; the value changes when it is let go.
        return;
    }
    value = std::clamp(value, 0, scrollMin_);
    if (value == scrollValue_)
    {
        return;
    }
    scrollValue_ = value;
    ApplyScrollBar();
    form_->VScroll1_Change();
}

void Form1Window::OnActivate(WPARAM wParam)
{
    // A plain window forgets its focused control when it is deactivated; a dialog remembers it.
    if (LOWORD(wParam) == WA_INACTIVE)
    {
        const HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus))
        {
            focusBeforeDeactivation_ = focus;
        }
        return;
    }
    HWND target = focusBeforeDeactivation_;
    if (!target || !::IsWindow(target) || !::IsWindowVisible(target) || !::IsWindowEnabled(target))
    {
        target = nullptr;
        for (int i = 0; i < kOptHizliCount && !target; ++i)
        {
            if (Value(OptHizli(i)) && ::IsWindowEnabled(Control(ControlId::FrmKapama)))
            {
                target = Control(OptHizli(i));
            }
        }
    }
    if (!target)
    {
        target = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    }
    if (target)
    {
        ::SetFocus(target);
    }
}

LRESULT Form1Window::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    ApplyDpi(HIWORD(wParam));
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    const RECT frame = WindowRectForClient(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips), dpi_);
    ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, frame.right - frame.left,
                   frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CALLBACK Form1Window::ClockFieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR index, DWORD_PTR self) noexcept
{
    auto* window = reinterpret_cast<Form1Window*>(self);
    switch (message)
    {
    case WM_CHAR:
        // The handler sees the character before the edit does, so a refused key never reaches the text.
        if (window->form_)
        {
            auto key = static_cast<wchar_t>(wParam);
            window->form_->Saat_KeyPress(static_cast<int>(index), key);
            if (key == 0)
            {
                return 0;
            }
            wParam = static_cast<WPARAM>(key);
        }
        break;
    case WM_GETDLGCODE:
        // Enter and Escape belong to the field, as any other key: the dialog manager would take them.
        if (const auto* pending = reinterpret_cast<const MSG*>(lParam);
            pending && pending->message == WM_KEYDOWN &&
            (pending->wParam == VK_RETURN || pending->wParam == VK_ESCAPE))
        {
            return DLGC_WANTMESSAGE | ::DefSubclassProc(edit, message, wParam, lParam);
        }
        break;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(edit, &ClockFieldProc, index);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK Form1Window::OptionProc(HWND option, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR index, DWORD_PTR self) noexcept
{
    auto* window = reinterpret_cast<Form1Window*>(self);
    switch (message)
    {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        // The button handles its click first, as the click comes before the release handler.
        const LRESULT result = ::DefSubclassProc(option, message, wParam, lParam);
        if (window->form_)
        {
            const int button = message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
            window->form_->OptHizli_MouseUp(static_cast<int>(index), button, ShiftState(wParam),
                                            GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        }
        return result;
    }
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(option, &OptionProc, index);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(option, message, wParam, lParam);
}

} // namespace dorvik::win32
