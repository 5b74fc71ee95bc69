// The baseline of the benchmarks: a Win32 program that only opens a window, and with --timer also ticks
// every 500 ms as the main window of the program does. With --common-controls it first loads the common
// controls library, as every program with a status bar or themed controls must, so that a start-up can be
// compared with and without the price of that library.
#include <windows.h>

#include <commctrl.h>

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

void LoadCommonControls()
{
    const HMODULE library = ::LoadLibraryW(L"comctl32.dll");
    if (!library)
    {
        return;
    }
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<InitFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "InitCommonControlsEx")));
    if (init)
    {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
        init(&classes);
    }
}

bool HasOption(PCWSTR commandLine, PCWSTR option)
{
    return commandLine && std::wcsstr(commandLine, option);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    if (HasOption(commandLine, L"--common-controls"))
    {
        LoadCommonControls();
    }
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
    if (HasOption(commandLine, L"--timer"))
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
