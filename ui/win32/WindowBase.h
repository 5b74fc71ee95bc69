// Routes a window's messages to the C++ object that owns it.
#pragma once

#include "platform/win32/Win32.h"

namespace dorvik::win32
{

// T provides `LRESULT HandleMessage(UINT, WPARAM, LPARAM) noexcept`. The object owns its window and
// destroys it if it is still alive.
template <class T> class WindowBase
{
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND Hwnd() const noexcept { return hwnd_; }

protected:
    WindowBase() = default;

    ~WindowBase()
    {
        if (hwnd_)
        {
            // Stop dispatching to this object first: the derived part is already gone.
            ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            ::DestroyWindow(hwnd_);
        }
    }

    static void RegisterClassOnce(HINSTANCE instance, const wchar_t* className, HICON icon, HICON smallIcon,
                                  UINT style = 0)
    {
        WNDCLASSEXW windowClass{};
        if (::GetClassInfoExW(instance, className, &windowClass))
        {
            return;
        }
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = style;
        windowClass.lpfnWndProc = &WindowBase::WndProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = icon;
        windowClass.hIconSm = smallIcon;
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = className;
        ::RegisterClassExW(&windowClass);
    }

    HWND CreateWindowFor(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                         HWND owner, HINSTANCE instance)
    {
        return ::CreateWindowExW(exStyle, className, text, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, owner, nullptr, instance, static_cast<T*>(this));
    }

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept
    {
        auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_NCCREATE)
        {
            self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        // WM_GETMINMAXINFO arrives before WM_NCCREATE.
        if (!self)
        {
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
        }
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY)
        {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }
};

} // namespace dorvik::win32
