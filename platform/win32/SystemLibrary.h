// A DLL of Windows' own that is not among the known DLLs, loaded by its full path in the system folder: a DLL
// of the same name lying beside the program (in a Downloads folder, say) is never taken for it.
#pragma once

#include "platform/win32/Win32.h"

#include <string>

#include "platform/win32/Handles.h"

namespace dorvik::win32
{

// An entry point of a loaded module, or null when the module or the function is missing: for functions
// newer than the oldest Windows the program runs on, and for libraries loaded only when needed.
template <class Function> Function ProcAddress(HMODULE module, const char* name) noexcept
{
    if (!module)
    {
        return nullptr;
    }
    const FARPROC address = ::GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

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
        return ProcAddress<Function>(module_.get(), name);
    }

private:
    UniqueHmodule module_;
};

} // namespace dorvik::win32
