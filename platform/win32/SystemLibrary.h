// A DLL of Windows' own that is not among the known DLLs, loaded by its full path in the system folder: a DLL
// of the same name lying beside the program (in a Downloads folder, say) is never taken for it.
#pragma once

#include "platform/win32/Win32.h"

#include <string>

#include "platform/win32/Handles.h"

namespace dorvik::win32
{

class SystemLibrary
{
public:
    explicit SystemLibrary(const wchar_t* fileName) noexcept
    {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
        {
            return;
        }
        const std::wstring path = std::wstring(folder, length) + L"\\" + fileName;
        module_.reset(::LoadLibraryExW(path.c_str(), nullptr, 0));
    }

    // The entry point, or null when the library or the function is missing.
    template <class Function> Function Find(const char* name) const noexcept
    {
        if (!module_)
        {
            return nullptr;
        }
        const FARPROC address = ::GetProcAddress(module_.get(), name);
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
    }

private:
    UniqueHmodule module_;
};

} // namespace dorvik::win32
