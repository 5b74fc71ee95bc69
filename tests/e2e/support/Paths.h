// Where the driver finds the program under test, its helper programs and the folder for screenshots.
#pragma once

#include <string>
#include <string_view>

namespace dorvik::e2e
{

// Under Wine, drive Z: is the Unix root, so "/work/x" is "Z:\work\x"; a Windows path is returned unchanged.
std::wstring WindowsPathFromUnix(std::wstring_view path);

// The value of an environment variable, or an empty string when it is not set.
std::wstring EnvironmentVariable(const wchar_t* name);

// The folder that holds the driver, and with it the helpers built next to it.
std::wstring DriverFolder();

// dorvik.exe: DORVIK_E2E_PROGRAM when set, otherwise the one this driver was built with.
std::wstring ProgramPath();

// A helper program or DLL built next to the driver, such as L"dorvik_bystander.exe".
std::wstring HelperPath(std::wstring_view fileName);

// Screenshots and other files for people to look at: DORVIK_E2E_ARTIFACTS, else DriverFolder()\artifacts.
// Created on first use.
std::wstring ArtifactsFolder();

// "Suite.Name" of the running GoogleTest case, or "e2e" outside a test; safe to use in a file name.
std::wstring CurrentTestName();

bool FileExists(const std::wstring& path);

} // namespace dorvik::e2e
