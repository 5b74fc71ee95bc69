// The last-minute window: on top of every other at the corner by the notification area, shown without
// taking the focus, with the countdown's sentence and its two buttons.
#pragma once

#include <optional>
#include <string>

#include "platform/win32/Win32Icons.h"
#include "ui/CountdownLayout.h"
#include "ui/CountdownWarning.h"
#include "ui/ICountdownWarningView.h"
#include "ui/win32/LiveRegion.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/WindowBase.h"
#include "ui/win32/WindowLayout.h"

namespace dorvik::win32
{

class CountdownWarningWindow final : public WindowBase<CountdownWarningWindow>, public ICountdownWarningView
{
public:
    CountdownWarningWindow(HINSTANCE instance, const Win32Icons& icons, MessageLoop& loop) noexcept;

    void Attach(CountdownWarning& warning) noexcept { warning_ = &warning; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    void Show(std::wstring_view sentence) override;
    void SetSentence(std::wstring_view sentence) override;
    void Activate() override;
    void Hide() override;

private:
    // Made at its first showing: most runs never need it.
    bool Create();
    // The system's message font as it is now, at the window's DPI; false when it was so already.
    bool TakeCurrentFont();
    // The sentence and the buttons at their places for the present font and sentence. While the window is
    // shown it only grows, so that a button never moves away from under the pointer as the count runs.
    // False when the places stayed as they were.
    bool Fit(bool growOnly);
    // The controls placed afresh for the window's present font and DPI.
    void Refit();
    // The window at its size for the DPI of the monitor it stands on, at that monitor's corner.
    void PlaceAtCorner();
    // The user changed the text size or another system setting.
    void FollowSettingChange();
    void FollowDpiChange(WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam);

    HINSTANCE instance_;
    const Win32Icons& icons_;
    MessageLoop& loop_;
    CountdownWarning* warning_ = nullptr;
    std::wstring sentence_;
    CountdownPlaces places_;
    std::optional<ControlLayout> layout_;
    std::optional<KeyboardNavigation> navigation_;
    std::optional<LiveRegion> liveRegion_;
};

} // namespace dorvik::win32
