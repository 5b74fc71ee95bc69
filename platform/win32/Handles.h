// Owning wrappers for Windows handles: movable, not copyable, released exactly once.
#pragma once

#include "platform/win32/Win32.h"

#include <memory>
#include <type_traits>
#include <utility>

namespace dorvik::win32
{

template <class T, auto Close> struct HandleDeleter
{
    void operator()(T handle) const noexcept { Close(handle); }
};

using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleDeleter<HANDLE, &::CloseHandle>>;
using UniqueHicon = std::unique_ptr<std::remove_pointer_t<HICON>, HandleDeleter<HICON, &::DestroyIcon>>;
using UniqueHmenu = std::unique_ptr<std::remove_pointer_t<HMENU>, HandleDeleter<HMENU, &::DestroyMenu>>;
using UniqueHfont = std::unique_ptr<std::remove_pointer_t<HFONT>, HandleDeleter<HFONT, &::DeleteObject>>;
using UniqueHwnd = std::unique_ptr<std::remove_pointer_t<HWND>, HandleDeleter<HWND, &::DestroyWindow>>;
using UniqueHmodule = std::unique_ptr<std::remove_pointer_t<HMODULE>, HandleDeleter<HMODULE, &::FreeLibrary>>;
using UniqueHhook =
    std::unique_ptr<std::remove_pointer_t<HHOOK>, HandleDeleter<HHOOK, &::UnhookWindowsHookEx>>;
using UniqueEventSource =
    std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleDeleter<HANDLE, &::DeregisterEventSource>>;

// Some calls report failure with INVALID_HANDLE_VALUE and others with null; the wrapper holds only null.
inline UniqueHandle AdoptHandle(HANDLE handle) noexcept
{
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// A window's device context from GetDC, given back with ReleaseDC to the same window.
class WindowDc
{
public:
    explicit WindowDc(HWND window) noexcept
        : window_(window)
        , dc_(::GetDC(window))
    {
    }

    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr))
        , dc_(std::exchange(other.dc_, nullptr))
    {
    }

    WindowDc& operator=(WindowDc&& other) noexcept
    {
        if (this != &other)
        {
            Release();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }

    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    ~WindowDc() { Release(); }

    HDC Get() const noexcept { return dc_; }

    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    void Release() noexcept
    {
        if (dc_)
        {
            ::ReleaseDC(window_, dc_);
        }
        dc_ = nullptr;
    }

    HWND window_;
    HDC dc_;
};

// An object selected into a device context for as long as this lives; the previous one is selected back.
class SelectedObject
{
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc)
        , previous_(::SelectObject(dc, object))
    {
    }

    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

    ~SelectedObject() { ::SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace dorvik::win32
