// The one way into the Windows headers; only platform/win32, ui/win32 and app include it.
#pragma once

#include <windows.h>
