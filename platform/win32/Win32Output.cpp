#include "platform/win32/Win32Output.h"

#include "platform/win32/Win32.h"

#include <iterator>
#include <string>
#include <string_view>

#include "resources/UiText.h"

namespace dorvik::win32
{

namespace
{

HANDLE StandardHandle(platform::OutputStream stream)
{
    return ::GetStdHandle(stream == platform::OutputStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

// A console takes the text as it is; a pipe or a file gets it in UTF-8, so the Turkish letters survive
// whatever the console's code page.
bool WriteTo(HANDLE handle, const std::wstring& text)
{
    if (!handle || handle == INVALID_HANDLE_VALUE)
    {
        return false;
    }
    DWORD written = 0;
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode))
    {
        return ::WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) !=
               FALSE;
    }
    const DWORD type = ::GetFileType(handle);
    if (type != FILE_TYPE_PIPE && type != FILE_TYPE_DISK && type != FILE_TYPE_CHAR)
    {
        return false;
    }
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                             0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                          nullptr, nullptr);
    return ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE;
}

constexpr UINT kBoxSeconds = 30;

// Ends the message box of this thread whose time is up: a timer of the thread runs inside the box's own
// modal loop, and WM_CLOSE ends a box with an OK button as OK does.
void CALLBACK CloseDueMessageBox(HWND, UINT, UINT_PTR, DWORD) noexcept
{
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM) noexcept -> BOOL {
            wchar_t className[8] = {};
            if (::GetClassNameW(window, className, static_cast<int>(std::size(className))) &&
                std::wstring_view(className) == L"#32770")
            {
                ::PostMessageW(window, WM_CLOSE, 0, 0);
            }
            return TRUE;
        },
        0);
}

} // namespace

void Win32Output::Print(platform::OutputStream stream, std::wstring_view text)
{
    std::wstring line(text);
    if (line.empty() || line.back() != L'\n')
    {
        line += L"\r\n";
    }
    if (WriteTo(StandardHandle(stream), line))
    {
        return;
    }
    // A windowed program started from a console has no standard handles of its own; attached to the console
    // of the program that started it, it gets that console's.
    if (::AttachConsole(ATTACH_PARENT_PROCESS) && WriteTo(StandardHandle(stream), line))
    {
        return;
    }
    // A task with no console and no redirected output has only a box left, and may run where nobody sees
    // it: the box closes itself in time, and none is shown off the user's desktop, so no job waits for good.
    if (!onUsersDesktop_)
    {
        return;
    }
    const std::wstring caption(text::kCaption);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, kBoxSeconds * 1000, &CloseDueMessageBox);
    ::MessageBoxW(nullptr, std::wstring(text).c_str(), caption.c_str(),
                  MB_OK | MB_SETFOREGROUND |
                      (stream == platform::OutputStream::Output ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
    if (timer != 0)
    {
        ::KillTimer(nullptr, timer);
    }
}

} // namespace dorvik::win32
