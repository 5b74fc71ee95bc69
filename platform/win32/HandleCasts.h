// The logic's opaque handles carry Windows handles bit for bit; these are the only casts between them.
#pragma once

#include "platform/win32/Win32.h"

#include <cstdint>

#include "platform/Types.h"

namespace dorvik::win32
{

inline HWND ToHwnd(platform::WindowId window) noexcept
{
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

inline platform::WindowId ToWindowId(HWND window) noexcept
{
    return static_cast<platform::WindowId>(reinterpret_cast<std::uintptr_t>(window));
}

inline HMENU ToHmenu(platform::MenuHandle menu) noexcept
{
    return reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(menu));
}

inline platform::MenuHandle ToMenuHandle(HMENU menu) noexcept
{
    return static_cast<platform::MenuHandle>(reinterpret_cast<std::uintptr_t>(menu));
}

inline HDC ToHdc(platform::DcHandle dc) noexcept
{
    return reinterpret_cast<HDC>(static_cast<std::uintptr_t>(dc));
}

inline platform::DcHandle ToDcHandle(HDC dc) noexcept
{
    return static_cast<platform::DcHandle>(reinterpret_cast<std::uintptr_t>(dc));
}

} // namespace dorvik::win32
