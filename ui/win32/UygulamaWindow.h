// The application picker's window: a borderless box with the list of windows and three buttons.
#pragma once

#include <optional>

#include "ui/IUygulamaView.h"
#include "ui/Uygulama.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/WindowBase.h"
#include "ui/win32/WindowLayout.h"

namespace dorvik::win32
{

class UygulamaWindow final : public WindowBase<UygulamaWindow>,
                             public IUygulamaView,
                             private winlib::IListControl
{
public:
    UygulamaWindow(HINSTANCE instance, MessageLoop& loop, HWND owner) noexcept;

    bool Create();

    void Attach(Uygulama& picker) noexcept { picker_ = &picker; }

    // Shows the window centred on its owner, disables the owner and returns once the picker has unloaded.
    void ShowModal();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    winlib::IListControl& ComboUygulama() override;
    int ListIndex() const override;
    void SetListIndex(int index) override;
    std::uintptr_t ItemData(int index) const override;
    bool Enabled(ControlId control) const override;
    void SetEnabled(ControlId control, bool enabled) override;
    void Unload() override;

private:
    void Clear() override;
    void AddItem(std::wstring_view text) override;
    int NewIndex() const override;
    void SetItemData(int index, std::uintptr_t data) override;

    HWND Control(ControlId id) const noexcept { return layout_->Control(id); }

    HWND List() const noexcept { return Control(ControlId::ComboUygulama); }

    void OnCommand(WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    MessageLoop& loop_;
    HWND owner_;
    Uygulama* picker_ = nullptr;
    std::optional<ControlLayout> layout_;
    std::optional<KeyboardNavigation> navigation_;
    int newIndex_ = -1;
    bool unloaded_ = false;
};

} // namespace dorvik::win32
