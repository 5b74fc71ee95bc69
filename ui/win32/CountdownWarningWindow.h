// The last-minute window: on top of every other at the corner by the notification area, shown without
// taking the focus, with the countdown's sentence and its two buttons.
#pragma once

#include <optional>

#include "platform/win32/Win32Icons.h"
#include "ui/CountdownWarning.h"
#include "ui/ICountdownWarningView.h"
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
    // The window at its size for the DPI of the monitor it stands on, at that monitor's corner.
    void PlaceAtCorner();
    void OnCommand(WPARAM wParam);

    HINSTANCE instance_;
    const Win32Icons& icons_;
    MessageLoop& loop_;
    CountdownWarning* warning_ = nullptr;
    std::optional<ControlLayout> layout_;
    std::optional<KeyboardNavigation> navigation_;
};

} // namespace dorvik::win32
