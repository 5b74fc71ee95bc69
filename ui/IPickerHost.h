// Showing the application picker modally over the main window.
#pragma once

namespace dorvik
{

class IPickerHost
{
public:
    virtual ~IPickerHost() = default;

    // Loads the picker anew, shows it modally and returns once it has unloaded itself: true when the user
    // chose a window.
    virtual bool ShowUygulamaModal() = 0;
};

} // namespace dorvik
