// The release MSI as an administrator deploys it: msiexec installs it silently for the whole machine, with
// its shortcut, its uninstall entry and the program's event-log source, and removes every one of them again.
#include <windows.h>

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <msi.h>
#include <optional>
#include <shlobj.h>
#include <string>
#include <vector>

#include "e2e/BuildPaths.h"
#include "support/CommandLine.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/Text.h"

namespace dorvik::e2e
{
namespace
{

// The one packaging/dorvik.wxs gives every version: a newer package finds the older one to replace by it.
constexpr const wchar_t* kUpgradeCode = L"{AD44E99D-DB99-42FE-B9F2-24F10A2CB13D}";
const std::wstring kEventSourceKey = L"SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\Dorvik";
const std::wstring kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
// A cold Wine session installs it in about 4 s.
constexpr Milliseconds kMsiexecTimeout{60000};

std::optional<unsigned long> RunMsiexec(const std::wstring& arguments)
{
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    return RunProgram(std::wstring(system) + L"\\msiexec.exe", arguments, kMsiexecTimeout).exitCode;
}

// The product installed under the package's upgrade code, or "" when there is none.
std::wstring InstalledProductCode()
{
    wchar_t product[39] = {};
    return ::MsiEnumRelatedProductsW(kUpgradeCode, 0, 0, product) == ERROR_SUCCESS ? product : L"";
}

std::wstring KnownFolder(int csidl)
{
    wchar_t path[MAX_PATH] = {};
    return SUCCEEDED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : L"";
}

bool FolderExists(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Windows Installer puts a per-machine package's shortcut in the Start menu of all users. Wine's installer
// puts it in the installing user's, whatever ALLUSERS says, so either place is taken.
std::optional<std::wstring> FindShortcut()
{
    for (const int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS})
    {
        const std::wstring path = KnownFolder(csidl) + L"\\Dorvik!.lnk";
        if (FileExists(path))
        {
            return path;
        }
    }
    return std::nullopt;
}

struct ComRelease
{
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};

std::wstring ShortcutTarget(const std::wstring& shortcut)
{
    IShellLinkW* rawLink = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&rawLink))))
    {
        return L"(no shell link object)";
    }
    const std::unique_ptr<IShellLinkW, ComRelease> link(rawLink);
    IPersistFile* rawFile = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))))
    {
        return L"(no IPersistFile)";
    }
    const std::unique_ptr<IPersistFile, ComRelease> file(rawFile);
    wchar_t target[MAX_PATH] = {};
    if (FAILED(file->Load(shortcut.c_str(), STGM_READ)) ||
        FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)))
    {
        return L"(unreadable shortcut)";
    }
    return target;
}

struct RegistryValue
{
    DWORD type = REG_NONE;
    std::wstring text;
    DWORD number = 0;
};

// A value under HKEY_LOCAL_MACHINE as stored, REG_EXPAND_SZ unexpanded.
std::optional<RegistryValue> ReadRegistryValue(const std::wstring& key, const wchar_t* name)
{
    constexpr DWORD kFlags = RRF_RT_ANY | RRF_NOEXPAND;
    RegistryValue value;
    DWORD size = 0;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, kFlags, &value.type, nullptr, &size) !=
        ERROR_SUCCESS)
    {
        return std::nullopt;
    }
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1);
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, kFlags, &value.type, data.data(), &size) !=
        ERROR_SUCCESS)
    {
        return std::nullopt;
    }
    if (value.type == REG_DWORD)
    {
        std::memcpy(&value.number, data.data(), sizeof value.number);
    }
    else
    {
        value.text = data.data();
    }
    return value;
}

std::wstring RegistryText(const std::wstring& key, const wchar_t* name)
{
    const auto value = ReadRegistryValue(key, name);
    return value ? value->text : L"(missing)";
}

bool RegistryKeyExists(const std::wstring& key)
{
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
    {
        return false;
    }
    ::RegCloseKey(opened);
    return true;
}

class MsiInstall : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }

    void TearDown() override { ::CoUninitialize(); }
};

TEST_F(MsiInstall, InstallsSilentlyAndRemovesEverything)
{
    const std::wstring package = WindowsPathFromUnix(Utf16(build::kMsiPackagePath));
    ASSERT_TRUE(FileExists(package)) << Utf8(package) << " is missing: the dorvik.package test packs it";
    ASSERT_EQ(InstalledProductCode(), L"");

    ASSERT_EQ(RunMsiexec(L"/i \"" + package + L"\" /qn"), 0u);

    EXPECT_TRUE(ProcessIdsByName(L"dorvik.exe").empty()) << "the installation started the program";
    const std::wstring folder = KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Dorvik";
    const std::wstring program = folder + L"\\dorvik.exe";
    for (const wchar_t* file : {L"dorvik.exe", L"BENIOKU.txt", L"LICENSE.txt"})
    {
        EXPECT_TRUE(FileExists(folder + L"\\" + file)) << Utf8(file);
    }
    const CommandRun help = RunProgram(program, L"/?");
    EXPECT_EQ(help.exitCode, 0u) << Utf8(help.printed);

    const auto shortcut = FindShortcut();
    ASSERT_TRUE(shortcut) << "no Dorvik!.lnk in the Start menu";
    EXPECT_EQ(ShortcutTarget(*shortcut), program);

    const auto messageFile = ReadRegistryValue(kEventSourceKey, L"EventMessageFile");
    ASSERT_TRUE(messageFile) << "no event-log source";
    EXPECT_EQ(messageFile->type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(messageFile->text, program);
    const auto types = ReadRegistryValue(kEventSourceKey, L"TypesSupported");
    ASSERT_TRUE(types);
    EXPECT_EQ(types->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(types->number, 7u);

    const std::wstring product = InstalledProductCode();
    ASSERT_NE(product, L"") << "nothing installed under the upgrade code";
    const std::wstring entry = kUninstallKey + product;
    EXPECT_EQ(RegistryText(entry, L"DisplayName"), L"Dorvik!");
    EXPECT_EQ(RegistryText(entry, L"DisplayVersion"), Utf16(build::kVersion));
    EXPECT_EQ(RegistryText(entry, L"Publisher"), L"Dorvik geliştiricileri");

    ASSERT_EQ(RunMsiexec(L"/x " + product + L" /qn"), 0u);

    EXPECT_FALSE(FolderExists(folder)) << "Program Files\\Dorvik is left behind";
    EXPECT_FALSE(FindShortcut()) << "the shortcut is left behind";
    EXPECT_FALSE(RegistryKeyExists(kEventSourceKey)) << "the event-log source is left behind";
    EXPECT_FALSE(RegistryKeyExists(entry)) << "the uninstall entry is left behind";
    EXPECT_EQ(InstalledProductCode(), L"");
}

} // namespace
} // namespace dorvik::e2e
