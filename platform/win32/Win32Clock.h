// The local clock, a monotonic clock for waits, and dates in the user's locale.
#pragma once

#include "platform/IClock.h"

namespace dorvik::win32
{

class Win32Clock final : public platform::IClock
{
public:
    platform::LocalDateTime Now() const override;
    std::chrono::milliseconds Monotonic() const override;
    std::chrono::milliseconds Awake() const override;
    std::wstring LongDate(const platform::LocalDateTime& when) const override;
};

} // namespace dorvik::win32
