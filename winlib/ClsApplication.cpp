// One window of any application, named by its handle; every operation asks the window system afresh.
#include "winlib/ClsApplication.h"

#include <algorithm>
#include <limits>

namespace dorvik::winlib
{

namespace
{

// Windows keeps positions and sizes in 32 bits, while these properties are 16-bit. Saturating keeps a
// value that does not fit on its own side of the range: a window parked far off-screen still reads as
// off-screen, where a wrapped value could place it in plain view or give it a negative size.
std::int16_t Saturate16(long long value) noexcept
{
    constexpr long long low = std::numeric_limits<std::int16_t>::min();
    constexpr long long high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(value, low, high));
}

} // namespace

ClsApplication::ClsApplication(platform::IWindowSystem& windows) noexcept
    : windows_(&windows)
{
}

platform::WindowId ClsApplication::hWnd() const noexcept
{
    return hWnd_;
}

void ClsApplication::hWnd(platform::WindowId handle) noexcept
{
    hWnd_ = handle;
}

platform::MenuHandle ClsApplication::Menu() const
{
    return windows_->Menu(hWnd_);
}

void ClsApplication::Menu(platform::MenuHandle hMenu)
{
    windows_->SetMenu(hWnd_, hMenu);
}

std::wstring ClsApplication::ClassName() const
{
    return windows_->ClassName(hWnd_);
}

void ClsApplication::Parent(platform::WindowId hwndNewParent)
{
    windows_->SetParent(hWnd_, hwndNewParent);
}

platform::WindowId ClsApplication::Parent() const
{
    return windows_->Parent(hWnd_);
}

bool ClsApplication::Visible() const
{
    return windows_->IsVisible(hWnd_);
}

void ClsApplication::Visible(bool bVis)
{
    windows_->ShowWindow(hWnd_, bVis ? platform::kShowShow : platform::kShowHide);
}

std::int16_t ClsApplication::Left() const
{
    return Saturate16(windows_->WindowRect(hWnd_).left);
}

void ClsApplication::Left(std::int16_t vNewValue)
{
    const std::int16_t top = Top();
    const std::int16_t width = Width();
    const std::int16_t height = Height();
    windows_->MoveWindow(hWnd_, vNewValue, top, width, height, true);
}

std::int16_t ClsApplication::Top() const
{
    return Saturate16(windows_->WindowRect(hWnd_).top);
}

void ClsApplication::Top(std::int16_t vNewValue)
{
    const std::int16_t left = Left();
    const std::int16_t width = Width();
    const std::int16_t height = Height();
    windows_->MoveWindow(hWnd_, left, vNewValue, width, height, true);
}

std::int16_t ClsApplication::Width() const
{
    const platform::Rect rect = windows_->WindowRect(hWnd_);
    return Saturate16(static_cast<long long>(rect.right) - rect.left);
}

void ClsApplication::Width(std::int16_t vNewValue)
{
    const std::int16_t left = Left();
    const std::int16_t top = Top();
    const std::int16_t height = Height();
    windows_->MoveWindow(hWnd_, left, top, vNewValue, height, true);
}

std::int16_t ClsApplication::Height() const
{
    const platform::Rect rect = windows_->WindowRect(hWnd_);
    return Saturate16(static_cast<long long>(rect.bottom) - rect.top);
}

void ClsApplication::Height(std::int16_t vNewValue)
{
    const std::int16_t left = Left();
    const std::int16_t top = Top();
    const std::int16_t width = Width();
    windows_->MoveWindow(hWnd_, left, top, width, vNewValue, true);
}

std::wstring ClsApplication::Text() const
{
    // As a buffer of 255 characters holds it: the window library, and the picker's list, show no more.
    constexpr std::size_t kMaxTextLength = 254;
    std::wstring text = windows_->WindowText(hWnd_);
    if (text.size() > kMaxTextLength)
    {
        text.resize(kMaxTextLength);
    }
    return text;
}

void ClsApplication::Text(std::wstring_view vNewValue)
{
    windows_->SetWindowText(hWnd_, vNewValue);
}

std::int32_t ClsApplication::State() const
{
    if (windows_->IsIconic(hWnd_))
    {
        return 1;
    }
    return windows_->IsZoomed(hWnd_) ? 2 : 0;
}

void ClsApplication::State(std::int32_t vNewState)
{
    // The show command is the state plus one; for the largest state that sum does not exist, and any
    // wrapped value would be a command nobody asked for.
    if (vNewState == std::numeric_limits<std::int32_t>::max())
    {
        return;
    }
    windows_->ShowWindow(hWnd_, vNewState + 1);
}

std::int32_t ClsApplication::Project(IDrawingSurface& vDst, std::int16_t nX, std::int16_t nY,
                                     std::int16_t nWidth, std::int16_t nHeight, bool Stretch)
{
    const platform::Rect client = windows_->ClientRect(hWnd_);
    vDst.Cls();
    const platform::DcHandle destination = vDst.Hdc();
    const int sourceWidth = client.right - client.left;
    const int sourceHeight = client.bottom - client.top;
    if (Stretch)
    {
        return windows_->CopyClientArea(hWnd_, destination, nX, nY, nWidth, nHeight, sourceWidth,
                                        sourceHeight);
    }
    return windows_->CopyClientArea(hWnd_, destination, nX, nY, client.right, client.bottom, client.right,
                                    client.bottom);
}

std::int32_t ClsApplication::Activate()
{
    // SetActiveWindow with no window does not fail: it deactivates this program's own active window.
    if (!platform::IsNone(hWnd_))
    {
        windows_->SetActiveWindow(hWnd_);
    }
    return 0;
}

std::int32_t ClsApplication::Flash()
{
    return windows_->Flash(hWnd_);
}

void ClsApplication::Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                          bool bRepaint)
{
    windows_->MoveWindow(hWnd_, left, top, width, height, bRepaint);
}

std::intptr_t ClsApplication::Terminate()
{
    return windows_->RequestClose(hWnd_);
}

} // namespace dorvik::winlib
