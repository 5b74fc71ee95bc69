// The notification-area icon through Shell_NotifyIconW.
#pragma once

#include "platform/ITray.h"
#include "platform/win32/Win32Icons.h"

namespace dorvik::win32
{

class Win32Tray final : public platform::ITray
{
public:
    explicit Win32Tray(const Win32Icons& icons) noexcept
        : icons_(icons)
    {
    }

    bool Notify(platform::TrayMessage message, const platform::NotifyIconData& data) override;
    bool ShowBalloon(const platform::NotifyIconData& data, std::wstring_view title,
                     std::wstring_view text) override;
    std::optional<platform::Rect> IconArea(const platform::NotifyIconData& data) override;
    bool ReturnFocus(const platform::NotifyIconData& data) override;

private:
    const Win32Icons& icons_;
};

} // namespace dorvik::win32
