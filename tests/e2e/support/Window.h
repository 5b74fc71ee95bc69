// A non-owning view of a window of any process, and the searches that find the program's windows and
// controls. Every message to a foreign window is sent with a timeout, so a hung program fails the test
// instead of hanging it.
#pragma once

#include <windows.h>

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/Wait.h"

namespace dorvik::e2e
{

inline constexpr Milliseconds kSendTimeout{2000};

class Window
{
public:
    Window() noexcept = default;

    explicit Window(HWND handle) noexcept
        : handle_(handle)
    {
    }

    HWND Handle() const noexcept { return handle_; }

    explicit operator bool() const noexcept { return handle_ != nullptr; }

    friend bool operator==(const Window&, const Window&) = default;

    // Whether the handle still names a window. Handles are recycled: pair it with ProcessId() when it
    // matters.
    bool Exists() const noexcept;

    // WM_GETTEXT, which works for every process and every control (GetWindowTextW does not read another
    // process's edit fields).
    std::wstring Text() const;
    // The same, returning nothing when the window does not answer or has gone.
    std::optional<std::wstring> TryText() const;
    std::wstring ClassName() const;
    bool HasClass(std::wstring_view className) const;

    DWORD Style() const noexcept;
    DWORD ExStyle() const noexcept;
    // Whether every bit of style is set.
    bool HasStyle(DWORD style) const noexcept;
    bool HasExStyle(DWORD exStyle) const noexcept;

    // IsWindowVisible: false when the window or any of its ancestors is hidden.
    bool IsVisible() const noexcept;
    bool IsEnabled() const noexcept;
    bool IsMinimized() const noexcept;

    // The control identifier (GetDlgCtrlID).
    int Id() const noexcept;
    DWORD ProcessId() const noexcept;
    DWORD ThreadId() const noexcept;

    Window Parent() const noexcept;
    Window Owner() const noexcept;
    Window TopLevel() const noexcept;

    // Screen coordinates.
    RECT WindowRect() const noexcept;
    // Client coordinates: left and top are 0.
    RECT ClientRect() const noexcept;
    RECT ClientRectOnScreen() const noexcept;
    // The window's outer rectangle in the client coordinates of container (its parent, or a further
    // ancestor).
    RECT RectIn(const Window& container) const noexcept;

    // The DPI the window works with (GetDpiForWindow where the system has it, else the screen's).
    unsigned Dpi() const noexcept;

    std::vector<Window> Children() const;
    // Every window below this one, depth first.
    std::vector<Window> Descendants() const;
    // The first descendant with control identifier id, at any depth: the program places controls inside
    // container windows, where GetDlgItem (which looks at children only) does not find them.
    Window Descendant(int id) const;

    // SendMessageTimeoutW; throws std::runtime_error when the window does not answer within kSendTimeout.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The same, returning nothing instead of throwing.
    std::optional<LRESULT> TrySend(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept;
    // Queues the message (PostMessageW): use it for anything that may open a modal window.
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept;

private:
    HWND handle_ = nullptr;
};

// For GoogleTest's failure messages.
void PrintTo(const Window& window, std::ostream* out);

// Design sizes are given in twips, 1440 to the inch: 15 to the pixel at 96 DPI.
inline double TwipsToPixels(int twips, unsigned dpi) noexcept
{
    return twips * static_cast<double>(dpi) / 1440.0;
}

// The top-level windows, in z-order, of process pid (0: of every process), visible or not. Wine lists hidden
// helper windows too (IME, DDE, the taskbar), so filter by process and visibility.
std::vector<Window> TopLevelWindows(DWORD pid = 0);

// The top-level window of process pid whose title is exactly title.
Window FindTopLevelWindow(std::wstring_view title, DWORD pid);

// Waits until process pid has a top-level window titled title; an empty Window when none came.
Window WaitForTopLevelWindow(std::wstring_view title, DWORD pid, Milliseconds timeout = kStartTimeout);

// The visible top-level windows of process pid.
std::vector<Window> VisibleTopLevelWindows(DWORD pid);

// The top-level window under a screen point, and the deepest child under it.
Window WindowAtPoint(POINT screenPoint) noexcept;

} // namespace dorvik::e2e
