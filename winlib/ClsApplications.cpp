// The desktop's top-level windows: listing them for the picker and telling whether one is still there.
#include "winlib/ClsApplications.h"

#include <cstdint>
#include <string>

#include "resources/UiText.h"

namespace dorvik::winlib
{

namespace
{

constexpr std::int32_t kWsExToolWindow = platform::kExStyleToolWindow;
constexpr std::int32_t kWsExAppWindow = platform::kExStyleAppWindow;

// OR-ing in WS_EX_APPWINDOW first folds four extended styles into two values: a window whose style is
// exactly 0, WS_EX_TOOLWINDOW, WS_EX_APPWINDOW or both is left out, and any other bit lets it through.
bool PassesStyleTest(std::int32_t exStyle) noexcept
{
    const std::int32_t style = exStyle | kWsExAppWindow;
    return style != (kWsExAppWindow | kWsExToolWindow) && style != kWsExAppWindow;
}

} // namespace

ClsApplications::ClsApplications(platform::IWindowSystem& windows, ClsApplication& pencere) noexcept
    : windows_(&windows)
    , pencere_(&pencere)
{
}

void ClsApplications::FillWndListBox(IListControl& lstDst, bool bVisibleOnly)
{
    lstDst.Clear();
    lstDst.AddItem(text::kUygulamaSeciniz);

    for (const platform::WindowId h : windows_->TopLevelWindows())
    {
        pencere_->hWnd(h);
        const std::wstring title = pencere_->Text();
        // The program's own windows are never offered: the picker itself goes when it closes.
        bool listed = !title.empty() && title != text::kCaption && !windows_->IsOwnWindow(h);
        if (listed && bVisibleOnly)
        {
            listed = PassesStyleTest(windows_->ExtendedStyle(h)) && pencere_->Visible();
        }
        if (listed)
        {
            lstDst.AddItem(title);
            // A sorting list may have put the entry anywhere; its index keeps title and handle paired.
            lstDst.SetItemData(lstDst.NewIndex(), static_cast<std::uintptr_t>(h));
        }
    }
}

platform::WindowId ClsApplications::ChildWindow(platform::WindowId hwndParent) const
{
    return windows_->RelatedWindow(hwndParent, platform::WindowRelation::FirstChild);
}

platform::WindowId ClsApplications::NextWindow(platform::WindowId hWnd) const
{
    return windows_->RelatedWindow(hWnd, platform::WindowRelation::Next);
}

platform::WindowId ClsApplications::DesktopWindow() const
{
    return windows_->DesktopWindow();
}

platform::WindowId ClsApplications::WindowFromXY(int x, int y) const
{
    return windows_->WindowFromPoint(x, y);
}

platform::WindowId ClsApplications::ActiveWindow() const
{
    return windows_->ActiveWindow();
}

void ClsApplications::ActiveWindow(platform::WindowId hwndNew)
{
    windows_->SetActiveWindow(hwndNew);
}

bool ClsApplications::ReturnProcessInfo(platform::WindowId AranilanId)
{
    // The tick asks this twice a second. Only the sought window can make the answer True, and the walk
    // finds it exactly when it is a top-level window, which Windows answers of that window alone: the
    // same answer for a window that is gone, hidden, re-parented or whose handle now names another, without
    // walking the desktop.
    if (platform::IsNone(AranilanId) || !windows_->IsTopLevel(AranilanId))
    {
        return false;
    }
    pencere_->hWnd(AranilanId);
    return !pencere_->Text().empty() && pencere_->Visible();
}

} // namespace dorvik::winlib
