// The main window's clock fields: the keys they take, their limits, the scroll bar that steps the field last
// focused, and "T&amam" that closes their frame.
#include <algorithm>
#include <cstdint>

#include "scheduler/ClockField.h"
#include "ui/Form1.h"

namespace dorvik
{

void Form1::Saat_KeyPress(int index, wchar_t& keyAscii)
{
    commandDelay_.reset();
    if (scheduler::IsAcceptedKey(keyAscii))
    {
        fields_.OncekiMetin = view_.Text(Saat(index));
        return;
    }
    view_.SetText(Saat(index), L"");
    keyAscii = 0;
}

void Form1::Saat_Change(int index)
{
    const std::wstring current = view_.Text(Saat(index));
    if (current.empty())
    {
        return;
    }
    const int limit = scheduler::FieldLimit(index);
    if (const auto value = scheduler::FieldNumber(current); value && *value <= limit)
    {
        return;
    }
    // Back to the text before the last key. That text may belong to another field, or have come from a paste,
    // so it is taken only when it fits this field; otherwise the field is emptied. Either way the assignment
    // below raises this handler once more and stops there.
    const auto previous = scheduler::FieldNumber(fields_.OncekiMetin);
    const bool previousFits = previous && *previous <= limit;
    view_.SetText(Saat(index), previousFits ? fields_.OncekiMetin : std::wstring());
}

void Form1::Saat_GotFocus(int index)
{
    fields_.SaatKutusu = static_cast<std::uint8_t>(index);
    const int limit = scheduler::FieldLimit(index);
    view_.SetScrollMin(limit);
    const int value = scheduler::FieldNumber(view_.Text(Saat(index))).value_or(0);
    view_.SetScrollValue(std::clamp(value, 0, limit));
}

void Form1::VScroll1_Change()
{
    commandDelay_.reset();
    view_.SetText(Saat(fields_.SaatKutusu), scheduler::FieldText(view_.ScrollValue()));
}

void Form1::Command2_Click()
{
    view_.SetVisible(ControlId::SaatSec, false);
    view_.SetEnabled(ControlId::FrmKapama, true);
}

} // namespace dorvik
