// The baseline of the benchmarks: a Win32 program that only opens a window, and with --timer also ticks
// every 500 ms as the main window of the program does.
#include <windows.h>

#include <cwchar>

namespace
{

constexpr wchar_t kClassName[] = L"DorvikBenchBareWindow";
constexpr UINT_PTR kTimerId = 1;

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    switch (message)
    {
    case WM_TIMER:
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &BareProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);

    const HWND window = ::CreateWindowExW(0, kClassName, L"Bare Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                          CW_USEDEFAULT, 180, 220, nullptr, nullptr, instance, nullptr);
    if (!window)
    {
        return 1;
    }
    if (commandLine && std::wcsstr(commandLine, L"--timer"))
    {
        ::SetTimer(window, kTimerId, 500, nullptr);
    }
    ::ShowWindow(window, SW_SHOW);

    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0)
    {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
