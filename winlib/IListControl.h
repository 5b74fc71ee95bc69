// What the window listing needs of a list control: the picker's drop-down list in the program.
#pragma once

#include <cstdint>
#include <string_view>

namespace dorvik::winlib
{

class IListControl
{
public:
    virtual ~IListControl() = default;

    virtual void Clear() = 0;
    virtual void AddItem(std::wstring_view text) = 0;
    // The index of the entry added last; a sorting list may have placed it anywhere.
    virtual int NewIndex() const = 0;
    virtual void SetItemData(int index, std::uintptr_t data) = 0;
};

} // namespace dorvik::winlib
