// Showing the application picker modally over the main window.
#pragma once

namespace dorvik
{

class IPickerHost
{
public:
    virtual ~IPickerHost() = default;

    // Loads the picker anew, shows it modally and returns once it has unloaded itself.
    virtual void ShowUygulamaModal() = 0;
};

} // namespace dorvik
