#include "platform/win32/Win32Icons.h"

#include "resources/resource.h"

namespace dorvik::win32
{

namespace
{

constexpr std::array<int, 3> kResourceIds = {IDI_DORVIK, IDI_DORVIKSET, IDI_KAPAN};

std::size_t IndexOf(platform::IconId icon) noexcept
{
    return static_cast<std::size_t>(icon);
}

UniqueHicon LoadIconOfSize(HINSTANCE instance, int resourceId, int metricX, int metricY)
{
    // Not LR_SHARED: these icons are owned and destroyed with this object.
    return UniqueHicon(
        static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                        ::GetSystemMetrics(metricX), ::GetSystemMetrics(metricY), 0)));
}

} // namespace

Win32Icons::Win32Icons(HINSTANCE instance)
{
    for (std::size_t i = 0; i < kResourceIds.size(); ++i)
    {
        large_[i] = LoadIconOfSize(instance, kResourceIds[i], SM_CXICON, SM_CYICON);
        small_[i] = LoadIconOfSize(instance, kResourceIds[i], SM_CXSMICON, SM_CYSMICON);
    }
}

HICON Win32Icons::Large(platform::IconId icon) const noexcept
{
    return large_[IndexOf(icon)].get();
}

HICON Win32Icons::Small(platform::IconId icon) const noexcept
{
    return small_[IndexOf(icon)].get();
}

} // namespace dorvik::win32
