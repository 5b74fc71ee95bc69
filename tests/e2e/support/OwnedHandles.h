// Owning wrappers for the handles only the test tools hold, on the program's own deleter.
#pragma once

#include "platform/win32/Handles.h"

namespace dorvik::e2e
{

using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, win32::HandleDeleter<HDC, &::DeleteDC>>;
using UniqueBitmap =
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, win32::HandleDeleter<HBITMAP, &::DeleteObject>>;
using UniqueModule =
    std::unique_ptr<std::remove_pointer_t<HMODULE>, win32::HandleDeleter<HMODULE, &::FreeLibrary>>;
using UniqueMappedView = std::unique_ptr<void, win32::HandleDeleter<void*, &::UnmapViewOfFile>>;

} // namespace dorvik::e2e
