// The main window as its handlers see it: controls, menus and the window itself, without Windows types.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"
#include "ui/ControlId.h"

namespace dorvik
{

enum class WindowState
{
    Normal = 0,
    Minimized = 1,
    Maximized = 2
};

// The unit in which mouse coordinates reach the window's handlers.
enum class ScaleMode
{
    Twip = 1,
    Pixel = 3
};

// A passive view. It raises exactly the notifications that Windows raises synchronously: setting a clock
// field's text raises Form1::Saat_Change; setting a check mark, an option, the scroll bar or the enabled
// and visible flags raises nothing.
class IForm1View
{
public:
    virtual ~IForm1View() = default;

    virtual std::wstring Text(ControlId control) const = 0;
    virtual void SetText(ControlId control, std::wstring_view text) = 0;
    virtual bool Visible(ControlId control) const = 0;
    virtual void SetVisible(ControlId control, bool visible) = 0;
    virtual bool Enabled(ControlId control) const = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;

    // Whether an option button is the selected one of its group.
    virtual bool Value(ControlId option) const = 0;
    // Selects an option button and clears the others of its group, raising no click.
    virtual void SelectOption(ControlId option) = 0;

    // VScroll1 counts from Max 0 at the bottom up to Min at the top, so the upper arrow raises the value.
    virtual void SetScrollMin(int min) = 0;
    virtual int ScrollValue() const = 0;
    virtual void SetScrollValue(int value) = 0;

    // False when Windows could not start the timer.
    virtual bool SetTimerEnabled(bool enabled) = 0;

    virtual void SetStatusPanelWidth(int twips) = 0;
    virtual void SetStatusText(std::wstring_view text) = 0;

    virtual bool Checked(MenuItem item) const = 0;
    virtual void SetChecked(MenuItem item, bool checked) = 0;
    // Pops the menu up and returns when it has closed; a chosen command has run. It opens at the mouse
    // position, or beside the given area of the screen, as a menu opened from the keyboard does at its icon.
    virtual void PopupMenu(MenuItem menu, const std::optional<platform::Rect>& beside) = 0;

    virtual std::wstring Caption() const = 0;
    virtual platform::WindowId Handle() const = 0;
    virtual platform::IconId Icon() const = 0;
    virtual void SetIcon(platform::IconId icon) = 0;
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0;
    virtual bool Shown() const = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Refresh() = 0;
    virtual void SetForeground() = 0;

    virtual ScaleMode CoordinateUnit() const = 0;
    virtual double TwipsPerPixelX() const = 0;
};

} // namespace dorvik
