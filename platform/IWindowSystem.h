// The desktop's windows as the window library reads and changes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace dorvik::platform
{

enum class WindowRelation
{
    Next = 2,      // GW_HWNDNEXT: the next window below in z-order
    FirstChild = 5 // GW_CHILD: the topmost child
};

// Extended window styles, by their Windows values.
inline constexpr std::int32_t kExStyleToolWindow = 0x80;   // WS_EX_TOOLWINDOW
inline constexpr std::int32_t kExStyleAppWindow = 0x40000; // WS_EX_APPWINDOW

// Show commands, by their Windows values.
inline constexpr int kShowHide = 0; // SW_HIDE
inline constexpr int kShowShow = 5; // SW_SHOW

// Every call fails quietly on a handle that names no window and returns the empty value of its kind.
class IWindowSystem
{
public:
    virtual ~IWindowSystem() = default;

    // The top-level windows in z-order, topmost first, taken at once, so a window destroyed while the
    // caller walks the list can neither cut the walk short nor loop it.
    virtual std::vector<WindowId> TopLevelWindows() const = 0;

    // Whether the handle names one of the windows that TopLevelWindows lists (a window whose parent is the
    // desktop), asked of that window alone.
    virtual bool IsTopLevel(WindowId window) const = 0;
    // Whether the window belongs to this program.
    virtual bool IsOwnWindow(WindowId window) const = 0;

    virtual WindowId DesktopWindow() const = 0;
    virtual WindowId RelatedWindow(WindowId window, WindowRelation relation) const = 0;
    virtual WindowId WindowFromPoint(int x, int y) const = 0;
    virtual WindowId ActiveWindow() const = 0;
    virtual WindowId SetActiveWindow(WindowId window) = 0;

    // The whole title, however long.
    virtual std::wstring WindowText(WindowId window) const = 0;
    virtual void SetWindowText(WindowId window, std::wstring_view text) = 0;
    virtual std::wstring ClassName(WindowId window) const = 0;
    virtual std::int32_t ExtendedStyle(WindowId window) const = 0;

    virtual bool IsVisible(WindowId window) const = 0;
    virtual bool IsIconic(WindowId window) const = 0;
    virtual bool IsZoomed(WindowId window) const = 0;
    virtual void ShowWindow(WindowId window, int command) = 0;

    // Screen coordinates of the outer rectangle; all zero when the handle names no window.
    virtual Rect WindowRect(WindowId window) const = 0;
    // Client coordinates: left and top are 0.
    virtual Rect ClientRect(WindowId window) const = 0;
    virtual void MoveWindow(WindowId window, int left, int top, int width, int height, bool repaint) = 0;

    virtual MenuHandle Menu(WindowId window) const = 0;
    // Sets the menu and redraws the menu bar.
    virtual void SetMenu(WindowId window, MenuHandle menu) = 0;

    virtual WindowId Parent(WindowId window) const = 0;
    virtual void SetParent(WindowId window, WindowId newParent) = 0;

    virtual std::int32_t Flash(WindowId window) = 0;

    // Asks the window to close and returns its answer; gives up on a window that does not answer in time.
    virtual std::intptr_t RequestClose(WindowId window) = 0;

    // Copies the window's client area, sourceWidth x sourceHeight from its corner, onto destination
    // stretched to width x height at (x, y). Returns non-zero on success.
    virtual std::int32_t CopyClientArea(WindowId window, DcHandle destination, int x, int y, int width,
                                        int height, int sourceWidth, int sourceHeight) = 0;
};

} // namespace dorvik::platform
