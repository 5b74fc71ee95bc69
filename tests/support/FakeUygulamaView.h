// The picker held in plain fields, with its list.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/IUygulamaView.h"
#include "ui/Uygulama.h"

namespace dorvik::test
{

struct ListEntry
{
    std::wstring text;
    std::uintptr_t data = 0;
};

class FakeList final : public winlib::IListControl
{
public:
    void Clear() override
    {
        entries.clear();
        newIndex_ = -1;
    }

    void AddItem(std::wstring_view text) override
    {
        entries.push_back({std::wstring(text), 0});
        newIndex_ = static_cast<int>(entries.size()) - 1;
    }

    int NewIndex() const override { return newIndex_; }

    void SetItemData(int index, std::uintptr_t data) override
    {
        entries.at(static_cast<std::size_t>(index)).data = data;
    }

    std::vector<ListEntry> entries;

private:
    int newIndex_ = -1;
};

class FakeUygulamaView final : public IUygulamaView
{
public:
    void Attach(Uygulama& picker) noexcept { picker_ = &picker; }

    winlib::IListControl& ComboUygulama() override { return list; }

    int ListIndex() const override { return listIndex_; }

    void SetListIndex(int index) override { listIndex_ = index; }

    std::uintptr_t ItemData(int index) const override
    {
        return list.entries.at(static_cast<std::size_t>(index)).data;
    }

    bool Enabled(ControlId control) const override
    {
        const auto found = enabled_.find(control);
        // "Uygulamayı Seç" starts disabled.
        return found == enabled_.end() ? control != ControlId::BtnUygulamaSec : found->second;
    }

    void SetEnabled(ControlId control, bool enabled) override { enabled_[control] = enabled; }

    void Unload() override { unloaded = true; }

    // The user picks entry `index` in the list, which raises the selection handler.
    void UserSelect(int index)
    {
        listIndex_ = index;
        picker_->ComboUygulama_Click();
    }

    FakeList list;
    bool unloaded = false;

private:
    std::map<ControlId, bool> enabled_;
    int listIndex_ = -1;
    Uygulama* picker_ = nullptr;
};

} // namespace dorvik::test
