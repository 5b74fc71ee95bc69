// The desktop's windows through user32 and gdi32, with the wide-character entry points.
#pragma once

#include "platform/win32/Win32.h"

#include <cstddef>
#include <cstdint>

#include "platform/IWindowSystem.h"
#include "platform/win32/HandleCasts.h"

namespace dorvik::win32
{

using platform::DcHandle;
using platform::MenuHandle;
using platform::Rect;
using platform::WindowId;
using platform::WindowRelation;

class Win32WindowSystem final : public platform::IWindowSystem
{
public:
    std::vector<WindowId> TopLevelWindows() const override;
    bool IsTopLevel(WindowId window) const override;
    bool IsOwnWindow(WindowId window) const override;
    WindowId DesktopWindow() const override;
    WindowId RelatedWindow(WindowId window, WindowRelation relation) const override;
    WindowId WindowFromPoint(int x, int y) const override;
    WindowId ActiveWindow() const override;
    WindowId SetActiveWindow(WindowId window) override;

    std::wstring WindowText(WindowId window) const override;
    void SetWindowText(WindowId window, std::wstring_view text) override;
    std::wstring ClassName(WindowId window) const override;
    std::int32_t ExtendedStyle(WindowId window) const override;

    bool IsVisible(WindowId window) const override;
    bool IsIconic(WindowId window) const override;
    bool IsZoomed(WindowId window) const override;
    void ShowWindow(WindowId window, int command) override;

    Rect WindowRect(WindowId window) const override;
    Rect ClientRect(WindowId window) const override;
    void MoveWindow(WindowId window, int left, int top, int width, int height, bool repaint) override;

    MenuHandle Menu(WindowId window) const override;
    void SetMenu(WindowId window, MenuHandle menu) override;

    WindowId Parent(WindowId window) const override;
    void SetParent(WindowId window, WindowId newParent) override;

    std::int32_t Flash(WindowId window) override;
    std::intptr_t RequestClose(WindowId window) override;
    std::int32_t CopyClientArea(WindowId window, DcHandle destination, int x, int y, int width, int height,
                                int sourceWidth, int sourceHeight) override;

private:
    // The size of the last snapshot, so the next one is collected without growing its vector.
    mutable std::size_t lastCount_ = 0;
};

} // namespace dorvik::win32
