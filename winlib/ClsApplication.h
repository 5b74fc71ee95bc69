// One window of any application, named by its handle; every operation asks the window system afresh.
#pragma once

#include "platform/IWindowSystem.h"
#include "winlib/IDrawingSurface.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dorvik::winlib
{

// Properties come in pairs: the overload without an argument reads, the one with an argument writes.
class ClsApplication
{
public:
    explicit ClsApplication(platform::IWindowSystem& windows) noexcept;

    platform::WindowId hWnd() const noexcept;
    void hWnd(platform::WindowId handle) noexcept;

    platform::MenuHandle Menu() const;
    void Menu(platform::MenuHandle hMenu);
    std::wstring ClassName() const;
    void Parent(platform::WindowId hwndNewParent);
    platform::WindowId Parent() const;
    bool Visible() const;
    void Visible(bool bVis);
    std::int16_t Left() const;
    void Left(std::int16_t vNewValue);
    std::int16_t Top() const;
    void Top(std::int16_t vNewValue);
    std::int16_t Width() const;
    void Width(std::int16_t vNewValue);
    std::int16_t Height() const;
    void Height(std::int16_t vNewValue);
    std::wstring Text() const;
    void Text(std::wstring_view vNewValue);
    std::int32_t State() const;
    void State(std::int32_t vNewState);
    std::int32_t Project(IDrawingSurface& vDst, std::int16_t nX, std::int16_t nY, std::int16_t nWidth,
                         std::int16_t nHeight, bool Stretch);
    std::int32_t Activate();
    std::int32_t Flash();
    void Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height, bool bRepaint);
    std::intptr_t Terminate();

private:
    platform::IWindowSystem* windows_;
    platform::WindowId hWnd_ = platform::WindowId::None;
};

} // namespace dorvik::winlib
