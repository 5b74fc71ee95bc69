// Paths of the build, translated for Wine where needed.
#include "support/Paths.h"

#include <windows.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "e2e/BuildPaths.h"
#include "support/Text.h"

namespace dorvik::e2e
{

std::wstring WindowsPathFromUnix(std::wstring_view path)
{
    if (path.empty() || path.front() != L'/')
    {
        return std::wstring(path);
    }
    std::wstring result = L"Z:";
    result += path;
    std::replace(result.begin(), result.end(), L'/', L'\\');
    return result;
}

std::wstring EnvironmentVariable(const wchar_t* name)
{
    const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
    {
        return {};
    }
    std::wstring value(size, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(name, value.data(), size);
    value.resize(length);
    return value;
}

std::wstring DriverFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
        {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::wstring ProgramPath()
{
    const std::wstring overridden = EnvironmentVariable(L"DORVIK_E2E_PROGRAM");
    return WindowsPathFromUnix(overridden.empty() ? Utf16(build::kProgramPath) : overridden);
}

std::wstring HelperPath(std::wstring_view fileName)
{
    return DriverFolder() + L"\\" + std::wstring(fileName);
}

std::wstring ArtifactsFolder()
{
    std::wstring folder = WindowsPathFromUnix(EnvironmentVariable(L"DORVIK_E2E_ARTIFACTS"));
    if (folder.empty())
    {
        folder = DriverFolder() + L"\\artifacts";
    }
    // Creates the missing parents too; "already exists" is the usual answer and is fine.
    for (size_t slash = folder.find(L'\\', 3); slash != std::wstring::npos;
         slash = folder.find(L'\\', slash + 1))
    {
        ::CreateDirectoryW(folder.substr(0, slash).c_str(), nullptr);
    }
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::wstring CurrentTestName()
{
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    if (!info)
    {
        return L"e2e";
    }
    std::wstring name = Utf16(std::string(info->test_suite_name()) + "." + info->name());
    for (wchar_t& c : name)
    {
        if (c == L'/' || c == L'\\' || c == L':' || c == L'*' || c == L'?' || c == L'"' || c == L'<' ||
            c == L'>' || c == L'|')
        {
            c = L'_';
        }
    }
    return name;
}

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace dorvik::e2e
