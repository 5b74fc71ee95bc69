#include "support/FakeForm1View.h"

#include <algorithm>

namespace dorvik::test
{

FakeForm1View::FakeForm1View()
{
    texts_[Saat(0)] = text::kSaatInitialHour;
    texts_[Saat(1)] = text::kSaatInitialMinuteSecond;
    texts_[Saat(2)] = text::kSaatInitialMinuteSecond;
    texts_[ControlId::Command2] = text::kCommand2;
    texts_[ControlId::BtnDorvik] = text::kBtnDorvik;
    for (int i = 0; i < kOptHizliCount; ++i)
    {
        texts_[OptHizli(i)] = text::kOptHizli[i];
    }
    visible_[ControlId::SaatSec] = false;
    for (const ControlId image : {ControlId::ImgDorvik, ControlId::ImgDorvikSet, ControlId::ImgKapan})
    {
        visible_[image] = false;
    }
    checked_[MenuItem::SaateGore] = true;
    checked_[MenuItem::BilgisayariKapat] = true;
}

std::wstring FakeForm1View::Text(ControlId control) const
{
    const auto found = texts_.find(control);
    return found == texts_.end() ? std::wstring() : found->second;
}

void FakeForm1View::SetText(ControlId control, std::wstring_view text)
{
    texts_[control] = std::wstring(text);
    // A single-line edit sends EN_CHANGE for every WM_SETTEXT, before SetWindowText returns.
    if (const int index = SaatIndex(control); index >= 0)
    {
        changes_.push_back(index);
        if (form_)
        {
            form_->Saat_Change(index);
        }
    }
}

bool FakeForm1View::Visible(ControlId control) const
{
    const auto found = visible_.find(control);
    return found == visible_.end() || found->second;
}

void FakeForm1View::SetVisible(ControlId control, bool visible)
{
    visible_[control] = visible;
}

bool FakeForm1View::Enabled(ControlId control) const
{
    const auto found = enabled_.find(control);
    return found == enabled_.end() || found->second;
}

void FakeForm1View::SetEnabled(ControlId control, bool enabled)
{
    enabled_[control] = enabled;
}

void FakeForm1View::SelectOption(ControlId option)
{
    selectedOption_ = OptHizliIndex(option);
}

bool FakeForm1View::Value(ControlId option) const
{
    return OptHizliIndex(option) == selectedOption_;
}

void FakeForm1View::SetScrollMin(int min)
{
    scrollMin_ = min;
    scrollValue_ = std::clamp(scrollValue_, 0, scrollMin_);
}

int FakeForm1View::ScrollValue() const
{
    return scrollValue_;
}

void FakeForm1View::SetScrollValue(int value)
{
    scrollValue_ = std::clamp(value, 0, scrollMin_);
}

bool FakeForm1View::SetTimerEnabled(bool enabled)
{
    if (enabled && timerFails)
    {
        return false;
    }
    timerEnabled_ = enabled;
    return true;
}

void FakeForm1View::SetStatusPanelWidth(int twips)
{
    statusPanelWidth_ = twips;
}

void FakeForm1View::SetStatusText(std::wstring_view text)
{
    statusText_ = text;
    statusHistory_.push_back(statusText_);
}

bool FakeForm1View::Checked(MenuItem item) const
{
    const auto found = checked_.find(item);
    return found != checked_.end() && found->second;
}

void FakeForm1View::SetChecked(MenuItem item, bool checked)
{
    checked_[item] = checked;
}

void FakeForm1View::PopupMenu(MenuItem menu, const std::optional<platform::Rect>& beside)
{
    popups_.push_back(menu);
    anchors_.push_back(beside);
    if (onPopup)
    {
        onPopup(menu);
    }
}

std::wstring FakeForm1View::Caption() const
{
    return std::wstring(text::kCaption);
}

platform::WindowId FakeForm1View::Handle() const
{
    return handle;
}

platform::IconId FakeForm1View::Icon() const
{
    return icon_;
}

void FakeForm1View::SetIcon(platform::IconId icon)
{
    icon_ = icon;
}

WindowState FakeForm1View::State() const
{
    return state_;
}

void FakeForm1View::SetState(WindowState state)
{
    state_ = state;
}

bool FakeForm1View::Shown() const
{
    return shown_;
}

void FakeForm1View::Show()
{
    shown_ = true;
}

void FakeForm1View::Hide()
{
    shown_ = false;
}

void FakeForm1View::Refresh()
{
    ++refreshCalls_;
}

void FakeForm1View::SetForeground()
{
    ++foregroundCalls_;
}

ScaleMode FakeForm1View::CoordinateUnit() const
{
    return coordinateUnit;
}

double FakeForm1View::TwipsPerPixelX() const
{
    return twipsPerPixelX;
}

void FakeForm1View::UserType(int index, wchar_t key)
{
    form_->Saat_KeyPress(index, key);
    if (key == 0)
    {
        return;
    }
    // The edit applies the key at the end of its text and keeps at most two characters.
    std::wstring text = Text(Saat(index));
    if (key == L'\b')
    {
        if (text.empty())
        {
            return;
        }
        text.pop_back();
    }
    else
    {
        if (text.size() >= 2)
        {
            return;
        }
        text.push_back(key);
    }
    SetText(Saat(index), text);
}

void FakeForm1View::UserTypeText(int index, std::wstring_view keys)
{
    for (const wchar_t key : keys)
    {
        UserType(index, key);
    }
}

void FakeForm1View::UserPaste(int index, std::wstring_view text)
{
    // The user selects the field and pastes over it; the edit keeps what fits its two characters.
    SetText(Saat(index), text.substr(0, 2));
}

void FakeForm1View::UserFocus(int index)
{
    form_->Saat_GotFocus(index);
}

void FakeForm1View::UserScroll(bool raise)
{
    const int next = std::clamp(scrollValue_ + (raise ? 1 : -1), 0, scrollMin_);
    if (next == scrollValue_)
    {
        return;
    }
    scrollValue_ = next;
    form_->VScroll1_Change();
}

void FakeForm1View::UserSelectOption(int index)
{
    selectedOption_ = index;
    form_->OptHizli_Click(index);
    form_->OptHizli_MouseUp(index, 1, 0, 0, 0);
}

void FakeForm1View::UserMinimize()
{
    state_ = WindowState::Minimized;
    form_->Form_Resize();
}

} // namespace dorvik::test
