// How the recording stubs write down what they were asked: one UTF-8 line appended to the file a variable of
// the session names, which the driver reads back.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace dorvik::e2e::stub
{

inline bool AppendLine(const wchar_t* logVariable, const wchar_t* fallbackPath, std::wstring_view text)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(logVariable, path, MAX_PATH);
    const std::wstring file = length > 0 && length < MAX_PATH ? std::wstring(path, length) : fallbackPath;
    const HANDLE handle = ::CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
    {
        return false;
    }
    std::wstring line(text);
    line += L"\r\n";
    std::string utf8(line.size() * 4, '\0');
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                            utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(handle, utf8.data(), static_cast<DWORD>(bytes > 0 ? bytes : 0), &written, nullptr);
    ::CloseHandle(handle);
    return ok != FALSE;
}

} // namespace dorvik::e2e::stub
