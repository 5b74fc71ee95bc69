#include "ui/win32/WindowLayout.h"

#include <commctrl.h>
#include <cwchar>

#include "platform/win32/SystemLibrary.h"
#include "ui/win32/FrameContainer.h"

namespace dorvik::win32
{

namespace
{

constexpr int kTwipsPerInch = 1440;
// How many entries a dropped-down list shows before it scrolls.
constexpr int kVisibleListEntries = 12;

// Entry points newer than the oldest Windows the program runs on, looked up when present.
template <class Function> Function User32Function(const char* name)
{
    return ProcAddress<Function>(::GetModuleHandleW(L"user32.dll"), name);
}

int SystemDpi()
{
    const WindowDc screen(nullptr);
    return screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : USER_DEFAULT_SCREEN_DPI;
}

LOGFONTW MessageFontFor(int dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    // Windows 10 gives the metrics for the DPI asked, the user's text size included.
    using ForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    if (const auto forDpi = User32Function<ForDpiFunction>("SystemParametersInfoForDpi");
        forDpi && forDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, static_cast<UINT>(dpi)))
    {
        return metrics.lfMessageFont;
    }
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

bool SameFont(const LOGFONTW& one, const LOGFONTW& other) noexcept
{
    return one.lfHeight == other.lfHeight && one.lfWeight == other.lfWeight &&
           one.lfItalic == other.lfItalic && one.lfCharSet == other.lfCharSet &&
           std::wcsncmp(one.lfFaceName, other.lfFaceName, LF_FACESIZE) == 0;
}

HMENU AsMenuId(ControlId id)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

DWORD StyleOf(const ControlSpec& row, bool startsGroup)
{
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (row.visible ? DWORD{WS_VISIBLE} : 0u);
    if (!row.enabled && row.kind != ControlKind::Frame)
    {
        style |= WS_DISABLED;
    }
    switch (row.kind)
    {
    case ControlKind::Button:
        return style | WS_TABSTOP | BS_PUSHBUTTON;
    case ControlKind::Option:
        return style | WS_TABSTOP | BS_AUTORADIOBUTTON | (startsGroup ? DWORD{WS_GROUP} : 0u);
    case ControlKind::Edit:
        // ES_AUTOHSCROLL: a narrow edit without it refuses characters that do not fit its width.
        return style | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
    case ControlKind::Label:
        return style | SS_CENTER | SS_NOPREFIX;
    case ControlKind::ScrollBar:
        return style | WS_TABSTOP | SBS_VERT;
    case ControlKind::StatusBar:
        // Placed by the window like any other control, not docked by itself.
        return style | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    case ControlKind::Image:
        // SS_REALSIZECONTROL: the holder keeps its own size instead of taking the icon's.
        return style | SS_ICON | SS_REALSIZECONTROL;
    case ControlKind::DropDownList:
        return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case ControlKind::Frame:
        break;
    }
    return style;
}

const wchar_t* ClassOf(ControlKind kind)
{
    switch (kind)
    {
    case ControlKind::Button:
    case ControlKind::Option:
        return WC_BUTTONW;
    case ControlKind::Edit:
        return WC_EDITW;
    case ControlKind::ScrollBar:
        return WC_SCROLLBARW;
    case ControlKind::StatusBar:
        return STATUSCLASSNAMEW;
    case ControlKind::DropDownList:
        return WC_COMBOBOXW;
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::Frame:
        break;
    }
    return WC_STATICW;
}

// Gives a control the window's font, with what depends on it: an edit's margins.
void FitToFont(ControlKind kind, HWND control, HFONT font)
{
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (kind == ControlKind::Edit)
    {
        ::SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
    }
}

} // namespace

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

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

POINT CentredIn(const RECT& around, int width, int height) noexcept
{
    return {around.left + (around.right - around.left - width) / 2,
            around.top + (around.bottom - around.top - height) / 2};
}

void ControlLayout::UseDpi(int dpi)
{
    dpi_ = dpi;
    fontSpec_ = MessageFontFor(dpi);
    font_.reset(::CreateFontIndirectW(&fontSpec_));
}

bool ControlLayout::FontIsCurrent() const
{
    return SameFont(MessageFontFor(dpi_), fontSpec_);
}

SIZE ControlLayout::TextSize(std::wstring_view text, std::optional<int> wrapWidth) const
{
    const WindowDc screen(nullptr);
    if (!screen)
    {
        return {};
    }
    const SelectedObject font(screen.Get(), font_.get());
    RECT rect{0, 0, wrapWidth.value_or(0), 0};
    // As a centred label and a push button draw them: a label's & is a character, a caption's marks the
    // access key.
    const UINT format = wrapWidth ? DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER | DT_NOPREFIX
                                  : DT_CALCRECT | DT_SINGLELINE;
    ::DrawTextW(screen.Get(), text.data(), static_cast<int>(text.size()), &rect, format);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int ControlLayout::Pixels(int twips) const noexcept
{
    return ::MulDiv(twips, dpi_, kTwipsPerInch);
}

double ControlLayout::TwipsPerPixel() const noexcept
{
    return static_cast<double>(kTwipsPerInch) / dpi_;
}

const ControlLayout::Made* ControlLayout::Find(ControlId id) const noexcept
{
    for (const Made& made : controls_)
    {
        if (made.id == id)
        {
            return &made;
        }
    }
    return nullptr;
}

HWND ControlLayout::Control(ControlId id) const noexcept
{
    const Made* made = Find(id);
    return made ? made->window : nullptr;
}

void ControlLayout::SetEnabled(ControlId id, bool enabled) const
{
    const Made* made = Find(id);
    if (!made)
    {
        return;
    }
    if (made->kind == ControlKind::Frame)
    {
        EnableFrame(made->window, enabled);
    }
    else
    {
        ::EnableWindow(made->window, enabled);
    }
}

HWND ControlLayout::ContainerOf(const ControlSpec& row) const noexcept
{
    return row.container == kWindowItself ? window_ : Control(row.container);
}

RECT ControlLayout::PlaceOf(const ControlSpec& row) const
{
    const int left = Pixels(row.left);
    const int top = Pixels(row.top);
    int height = Pixels(row.height);
    if (row.kind == ControlKind::DropDownList)
    {
        // A combo box's height includes its dropped-down list.
        height += kVisibleListEntries * ::MulDiv(::GetSystemMetrics(SM_CYMENUSIZE), dpi_, SystemDpi());
    }
    return {left, top, left + Pixels(row.width), top + height};
}

void ControlLayout::Create(std::span<const ControlSpec> table)
{
    ControlKind previous = ControlKind::Frame;
    for (const ControlSpec& row : table)
    {
        const HWND parent = ContainerOf(row);
        const RECT place = PlaceOf(row);
        const std::wstring text(row.text);
        HWND control = nullptr;
        if (row.kind == ControlKind::Frame)
        {
            control = CreateFrame(parent, static_cast<int>(row.id), text.c_str(),
                                  row.visible ? WS_VISIBLE : 0u, place, instance_);
            if (!row.enabled)
            {
                EnableFrame(control, false);
            }
        }
        else
        {
            const DWORD exStyle = row.kind == ControlKind::Edit ? WS_EX_CLIENTEDGE : 0u;
            control = ::CreateWindowExW(
                exStyle, ClassOf(row.kind), text.c_str(),
                StyleOf(row, row.kind == ControlKind::Option && previous != ControlKind::Option), place.left,
                place.top, place.right - place.left, place.bottom - place.top, parent, AsMenuId(row.id),
                instance_, nullptr);
        }
        controls_.push_back(Made{row.id, row.kind, control});
        FitToFont(row.kind, control, font_.get());
        previous = row.kind;
    }
    LayoutFrames(table);
}

void ControlLayout::Place(std::span<const ControlSpec> table)
{
    for (const ControlSpec& row : table)
    {
        const HWND control = Control(row.id);
        const RECT place = PlaceOf(row);
        ::SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
                       place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        FitToFont(row.kind, control, font_.get());
    }
    LayoutFrames(table);
    ::InvalidateRect(window_, nullptr, TRUE);
}

void ControlLayout::LayoutFrames(std::span<const ControlSpec> table) const
{
    // Only once a frame's controls exist: its border goes beneath them, where it can hide none of them.
    for (const ControlSpec& row : table)
    {
        if (row.kind == ControlKind::Frame)
        {
            LayoutFrame(Control(row.id), font_.get());
        }
    }
}

SIZE ControlLayout::WindowSizeFor(int clientWidthTwips, int clientHeightTwips, bool hasMenu) const
{
    return WindowSizeForClient({Pixels(clientWidthTwips), Pixels(clientHeightTwips)}, hasMenu);
}

SIZE ControlLayout::WindowSizeForClient(SIZE client, bool hasMenu) const
{
    RECT rect{0, 0, client.cx, client.cy};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_EXSTYLE));
    using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    if (const auto adjustForDpi = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi"))
    {
        adjustForDpi(&rect, style, hasMenu, exStyle, static_cast<UINT>(dpi_));
    }
    else
    {
        ::AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void ControlLayout::FollowDpiChange(WPARAM wParam, LPARAM lParam, std::span<const ControlSpec> table,
                                    int clientWidthTwips, int clientHeightTwips, bool hasMenu)
{
    UseDpi(HIWORD(wParam));
    Place(table);
    MoveToSuggested(lParam, {Pixels(clientWidthTwips), Pixels(clientHeightTwips)}, hasMenu);
}

void ControlLayout::MoveToSuggested(LPARAM lParam, SIZE client, bool hasMenu) const
{
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    const SIZE size = WindowSizeForClient(client, hasMenu);
    ::SetWindowPos(window_, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace dorvik::win32
