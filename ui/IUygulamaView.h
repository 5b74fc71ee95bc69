// The application picker as its handlers see it.
#pragma once

#include <cstdint>

#include "ui/ControlId.h"
#include "winlib/IListControl.h"

namespace dorvik
{

// A passive view: selecting an entry from code raises no selection handler, as CB_SETCURSEL raises no
// CBN_SELCHANGE.
class IUygulamaView
{
public:
    virtual ~IUygulamaView() = default;

    virtual winlib::IListControl& ComboUygulama() = 0;
    // The selected entry, or -1 when none is.
    virtual int ListIndex() const = 0;
    virtual void SetListIndex(int index) = 0;
    virtual std::uintptr_t ItemData(int index) const = 0;

    virtual bool Enabled(ControlId control) const = 0;
    virtual void SetEnabled(ControlId control, bool enabled) = 0;

    // Closes the picker; the modal showing returns.
    virtual void Unload() = 0;
};

} // namespace dorvik
