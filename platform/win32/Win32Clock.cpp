#include "platform/win32/Win32Clock.h"

#include "platform/win32/Win32.h"

#include <array>

namespace dorvik::win32
{

platform::LocalDateTime Win32Clock::Now() const
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

std::chrono::milliseconds Win32Clock::Monotonic() const
{
    // GetTickCount would wrap after 49.7 days of uptime.
    return std::chrono::milliseconds(::GetTickCount64());
}

std::chrono::milliseconds Win32Clock::Awake() const
{
    // In 100-nanosecond units, without the time spent in sleep or hibernation.
    ULONGLONG unbiased = 0;
    ::QueryUnbiasedInterruptTime(&unbiased);
    return std::chrono::milliseconds(unbiased / 10'000);
}

std::wstring Win32Clock::LongDate(const platform::LocalDateTime& when) const
{
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(when.year);
    date.wMonth = static_cast<WORD>(when.month);
    date.wDay = static_cast<WORD>(when.day);
    std::array<wchar_t, 128> buffer{};
    const int written = ::GetDateFormatW(LOCALE_USER_DEFAULT, 0, &date, L"dd MMMM yyyy", buffer.data(),
                                         static_cast<int>(buffer.size()));
    return written > 0 ? std::wstring(buffer.data()) : std::wstring();
}

} // namespace dorvik::win32
