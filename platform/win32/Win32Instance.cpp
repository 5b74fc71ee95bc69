#include "platform/win32/Win32Instance.h"

namespace dorvik::win32
{

Win32Instance::Win32Instance(const wchar_t* mutexName) noexcept
{
    mutex_.reset(::CreateMutexW(nullptr, FALSE, mutexName));
    const DWORD error = ::GetLastError();
    // Access is denied when a copy under another security context holds the name: that is a copy too.
    previous_ = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
}

} // namespace dorvik::win32
