// The main window held in plain fields. Like a real window it raises the notifications that Windows sends
// synchronously (setting a clock field's text raises its change handler) and no others; the User* calls
// act as the user would, through the same handlers Windows would call.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "resources/UiText.h"
#include "ui/Form1.h"
#include "ui/IForm1View.h"

namespace dorvik::test
{

class FakeForm1View final : public IForm1View
{
public:
    FakeForm1View();

    // The handlers that the view's notifications reach.
    void Attach(Form1& form) noexcept { form_ = &form; }

    std::wstring Text(ControlId control) const override;
    void SetText(ControlId control, std::wstring_view text) override;
    bool Visible(ControlId control) const override;
    void SetVisible(ControlId control, bool visible) override;
    bool Enabled(ControlId control) const override;
    void SetEnabled(ControlId control, bool enabled) override;
    bool Value(ControlId option) const override;
    void SelectOption(ControlId option) override;
    void SetScrollMin(int min) override;
    int ScrollValue() const override;
    void SetScrollValue(int value) override;
    bool SetTimerEnabled(bool enabled) override;
    void SetStatusPanelWidth(int twips) override;
    void SetStatusText(std::wstring_view text) override;
    bool Checked(MenuItem item) const override;
    void SetChecked(MenuItem item, bool checked) override;
    void PopupMenu(MenuItem menu, const std::optional<platform::Rect>& beside) override;
    std::wstring Caption() const override;
    platform::WindowId Handle() const override;
    platform::IconId Icon() const override;
    void SetIcon(platform::IconId icon) override;
    WindowState State() const override;
    void SetState(WindowState state) override;
    bool Shown() const override;
    void Show() override;
    void Hide() override;
    void Refresh() override;
    void SetForeground() override;
    ScaleMode CoordinateUnit() const override;
    double TwipsPerPixelX() const override;

    // What the user does.
    void UserType(int index, wchar_t key);
    void UserTypeText(int index, std::wstring_view keys);
    // Paste over the whole field through the edit's context menu: no key press, at most two characters kept.
    void UserPaste(int index, std::wstring_view text);
    void UserFocus(int index);
    // One click on the scroll bar's upper (raise) or lower (lower) arrow.
    void UserScroll(bool raise);
    void UserSelectOption(int index);
    void UserMinimize();

    // What a test reads.
    int SelectedOption() const noexcept { return selectedOption_; }

    int ScrollMin() const noexcept { return scrollMin_; }

    bool TimerEnabled() const noexcept { return timerEnabled_; }

    int StatusPanelWidth() const noexcept { return statusPanelWidth_; }

    const std::wstring& StatusText() const noexcept { return statusText_; }

    const std::vector<std::wstring>& StatusHistory() const noexcept { return statusHistory_; }

    // Every clock-field change notification raised, by field index.
    const std::vector<int>& ChangeNotifications() const noexcept { return changes_; }

    int ForegroundCalls() const noexcept { return foregroundCalls_; }

    int RefreshCalls() const noexcept { return refreshCalls_; }

    const std::vector<MenuItem>& Popups() const noexcept { return popups_; }

    // Where each menu opened: beside this area, or at the mouse (nothing).
    const std::vector<std::optional<platform::Rect>>& PopupAnchors() const noexcept { return anchors_; }

    // What the user picks when a menu pops up; runs while it is open.
    std::function<void(MenuItem)> onPopup;
    // Windows refuses to start the timer.
    bool timerFails = false;
    ScaleMode coordinateUnit = ScaleMode::Pixel;
    double twipsPerPixelX = 15.0;
    platform::WindowId handle = static_cast<platform::WindowId>(0x1234);

private:
    std::map<ControlId, std::wstring> texts_;
    std::map<ControlId, bool> visible_;
    std::map<ControlId, bool> enabled_;
    std::map<MenuItem, bool> checked_;
    int selectedOption_ = 0;
    int scrollMin_ = 59;
    int scrollValue_ = 0;
    bool timerEnabled_ = true;
    int statusPanelWidth_ = 1440;
    std::wstring statusText_;
    std::vector<std::wstring> statusHistory_;
    platform::IconId icon_ = platform::IconId::Dorvik;
    WindowState state_ = WindowState::Normal;
    bool shown_ = false;
    int foregroundCalls_ = 0;
    int refreshCalls_ = 0;
    std::vector<int> changes_;
    std::vector<MenuItem> popups_;
    std::vector<std::optional<platform::Rect>> anchors_;
    Form1* form_ = nullptr;
};

} // namespace dorvik::test
