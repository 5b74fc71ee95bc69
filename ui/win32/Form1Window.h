// The main window with its controls and menus: shows what Form1 sets and turns each message into one of
// its handlers.
#pragma once

#include <memory>
#include <optional>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32Icons.h"
#include "ui/Form1.h"
#include "ui/IForm1View.h"
#include "ui/win32/Form1Menus.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/UpCountingScrollBar.h"
#include "ui/win32/WindowBase.h"
#include "ui/win32/WindowLayout.h"

namespace dorvik::win32
{

class Form1Window final : public WindowBase<Form1Window>, public IForm1View
{
public:
    Form1Window(HINSTANCE instance, const Win32Icons& icons, MessageLoop& loop) noexcept;

    // Creates the window and its controls, hidden, in their start-up state.
    bool Create();

    // From here on the window's messages reach the handlers.
    void Attach(Form1& form) noexcept { form_ = &form; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

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

private:
    static constexpr UINT_PTR kTimer1Id = static_cast<UINT_PTR>(ControlId::Timer1);

    HWND Control(ControlId id) const noexcept { return layout_->Control(id); }

    void CreateControls();
    void ApplyStatusPanel();
    void SizeAndCentre();
    void MoveFocusOutOf(HWND container);

    void OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    void SendAnswerText(HWND asker, std::wstring_view text);
    void OnMenuCommand(MenuItem item);
    void OnScroll(WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);
    void FocusAControl();
    void OnSetFocus();
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK ClockFieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR index, DWORD_PTR self) noexcept;
    static LRESULT CALLBACK OptionProc(HWND option, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR index, DWORD_PTR self) noexcept;

    HINSTANCE instance_;
    const Win32Icons& icons_;
    MessageLoop& loop_;
    Form1* form_ = nullptr;
    std::optional<ControlLayout> layout_;
    std::optional<KeyboardNavigation> navigation_;
    Form1Menus menus_;
    UpCountingScrollBar scrollBar_;
    UniqueHfont statusFont_;
    platform::IconId icon_ = platform::IconId::Dorvik;
    int statusPanelTwips_ = 1440;
    HWND focusBeforeDeactivation_ = nullptr;
    UINT taskbarCreated_ = 0;
};

} // namespace dorvik::win32
