#include "platform/win32/Win32Runtime.h"

#include "platform/win32/Win32.h"

namespace dorvik::win32
{

void Win32Runtime::EndNow()
{
    ::ExitProcess(0);
}

} // namespace dorvik::win32
