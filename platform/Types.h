// Opaque values that cross the line between the logic and the window system.
#pragma once

#include <cstdint>

namespace dorvik::platform
{

// A window handle as the logic sees it; 0 names no window.
enum class WindowId : std::uintptr_t
{
    None = 0
};

constexpr bool IsNone(WindowId id) noexcept
{
    return id == WindowId::None;
}

// A menu handle of some window; 0 names none.
enum class MenuHandle : std::uintptr_t
{
    None = 0
};

// A device context to draw on; 0 names none.
enum class DcHandle : std::uintptr_t
{
    None = 0
};

// A rectangle in pixels, right and bottom excluded: of the screen, or of a window's client area.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// The three pictures of the program: green while idle, yellow while a closing is armed, red while it runs.
enum class IconId
{
    Dorvik,
    DorvikSet,
    Kapan
};

} // namespace dorvik::platform
