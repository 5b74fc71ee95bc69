// What both windows share about their layout: controls made from a table in twips, placed at the window's
// own DPI and found again by their identifier, and the window's size and centring.
#pragma once

#include "platform/win32/Win32.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win32/Handles.h"
#include "ui/ControlId.h"

namespace dorvik::win32
{

enum class ControlKind
{
    Frame,
    Button,
    Option,
    Edit,
    Label,
    ScrollBar,
    StatusBar,
    Image,
    DropDownList
};

// Stands for the window itself as the container of a control.
inline constexpr auto kWindowItself = static_cast<ControlId>(0);

struct ControlSpec
{
    ControlId id;
    ControlId container;
    ControlKind kind;
    std::wstring_view text;
    // Twips from the container's corner: the window's client area, or a frame's outer corner.
    int left;
    int top;
    int width;
    int height;
    bool visible = true;
    bool enabled = true;
};

// The DPI a window is drawn at: its monitor's where Windows tells it, else the system's.
int DpiOf(HWND window);

// The window's title or a control's text.
std::wstring WindowText(HWND window);

// Where a window of this size stands centred on `around`.
POINT CentredIn(const RECT& around, int width, int height) noexcept;

// The controls of one window, made from its table and kept by identifier, with the window's DPI and font.
class ControlLayout
{
public:
    ControlLayout(HWND window, HINSTANCE instance) noexcept
        : window_(window)
        , instance_(instance)
    {
    }

    // Takes a DPI and the system's message font scaled to it; call Place afterwards for controls that exist.
    void UseDpi(int dpi);

    int Dpi() const noexcept { return dpi_; }

    int Pixels(int twips) const noexcept;

    double TwipsPerPixel() const noexcept;

    HFONT Font() const noexcept { return font_.get(); }

    const LOGFONTW& FontSpec() const noexcept { return fontSpec_; }

    // False once the user has changed the system's message font, its size included, since UseDpi took it.
    bool FontIsCurrent() const;

    // The pixels text takes in the window's font: wrapped at a width as a centred label draws it, or on one
    // line as a button's caption, whose & marks the access key.
    SIZE TextSize(std::wstring_view text, std::optional<int> wrapWidth) const;

    // Makes every control of the table in order (the z-order and the tab order), at its place, in the
    // window's font, with its frames laid out. A container must come before what it holds.
    void Create(std::span<const ControlSpec> table);

    // Puts every control of the table at its place and font for the present DPI.
    void Place(std::span<const ControlSpec> table);

    // The control, or null for an identifier of no control of this window.
    HWND Control(ControlId id) const noexcept;

    // A frame is enabled or disabled together with its border.
    void SetEnabled(ControlId id, bool enabled) const;

    // The outer size of a window of this style whose client area is the given size in twips.
    SIZE WindowSizeFor(int clientWidthTwips, int clientHeightTwips, bool hasMenu) const;
    SIZE WindowSizeForClient(SIZE client, bool hasMenu) const;
    // Moves the window to the rectangle WM_DPICHANGED suggests (lParam), at the size that gives it this
    // client area.
    void MoveToSuggested(LPARAM lParam, SIZE client, bool hasMenu) const;

    // WM_DPICHANGED: the controls at the new DPI, and the window at the place Windows suggests, in the size
    // that keeps its client area.
    void FollowDpiChange(WPARAM wParam, LPARAM lParam, std::span<const ControlSpec> table,
                         int clientWidthTwips, int clientHeightTwips, bool hasMenu);

private:
    HWND ContainerOf(const ControlSpec& row) const noexcept;
    RECT PlaceOf(const ControlSpec& row) const;
    void LayoutFrames(std::span<const ControlSpec> table) const;

    HWND window_;
    HINSTANCE instance_;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    LOGFONTW fontSpec_{};
    UniqueHfont font_;

    struct Made
    {
        ControlId id;
        ControlKind kind;
        HWND window;
    };

    const Made* Find(ControlId id) const noexcept;

    std::vector<Made> controls_;
};

} // namespace dorvik::win32
