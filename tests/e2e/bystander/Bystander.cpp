// A stand-in for other applications on the desktop during end-to-end tests: it opens the top-level windows
// its command line asks for, and can record the end-of-session messages it receives, to observe a real
// log-off. Each window closes on WM_CLOSE; the program ends when its last window is gone.
//
//   --window=TITLE      a visible window with that title
//   --untitled          a visible window without a title
//   --hidden=TITLE      a window that is never shown
//   --tool=TITLE        a visible tool window (WS_EX_TOOLWINDOW)
//   --styled=EX:TITLE   a visible pop-up window without a frame whose extended style is exactly EX (such as
//                       0x80): a framed window always gets WS_EX_WINDOWEDGE added by the system
//   --windows=N:PREFIX  N visible windows titled "PREFIX 1" to "PREFIX N"
//   --log=PATH          append one line per WM_QUERYENDSESSION / WM_ENDSESSION to PATH (UTF-8)
//   --refuse-end        answer WM_QUERYENDSESSION with FALSE
//   --menu-property=NAME  give each window a pop-up menu, kept under the window property NAME (as a
//                       program keeps a menu that is not on its menu bar), to prove the menu probe
//   --exit-windows=N    call ExitWindowsEx(N, 0) once the windows are open, and log its result
//   --churn=N           besides the other windows, open and destroy N windows a second ("Geçici"), keeping
//                       a few of them open at any moment, for as long as the program runs
//   --busy              keep every processor busy for as long as the program runs, as a render or a build
//                       does
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <shellapi.h>
#include <string>
#include <string_view>
#include <vector>

namespace
{

constexpr wchar_t kClassName[] = L"DorvikBystander";

// Owned by wWinMain; every window points to it through GWLP_USERDATA.
struct State
{
    std::wstring logPath;
    bool refuseEnd = false;
    std::wstring menuProperty;
    bool exitWindows = false;
    UINT exitWindowsFlags = 0;
    int openWindows = 0;
    int churnPerSecond = 0;
};

void AppendLog(const State& state, const std::wstring& line) noexcept
{
    if (state.logPath.empty())
    {
        return;
    }
    // Opened per line, so every line is on disk before the session can end the process.
    const HANDLE file =
        ::CreateFileW(state.logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        return;
    }
    const std::wstring text = line + L"\r\n";
    char buffer[1024];
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), buffer,
                                            sizeof buffer, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(file, buffer, static_cast<DWORD>(bytes > 0 ? bytes : 0), &written, nullptr);
    ::CloseHandle(file);
}

std::wstring TitleOf(HWND window)
{
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 256);
    return title;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    if (message == WM_NCCREATE)
    {
        ::SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* state = reinterpret_cast<State*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!state)
    {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message)
    {
    case WM_QUERYENDSESSION: {
        wchar_t line[400];
        std::swprintf(line, 400, L"WM_QUERYENDSESSION wParam=%llu lParam=0x%llx title=%ls",
                      static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam),
                      TitleOf(window).c_str());
        AppendLog(*state, line);
        return state->refuseEnd ? FALSE : TRUE;
    }
    case WM_ENDSESSION: {
        wchar_t line[400];
        std::swprintf(line, 400, L"WM_ENDSESSION wParam=%llu lParam=0x%llx title=%ls",
                      static_cast<unsigned long long>(wParam), static_cast<unsigned long long>(lParam),
                      TitleOf(window).c_str());
        AppendLog(*state, line);
        return 0;
    }
    case WM_DESTROY:
        if (!state->menuProperty.empty())
        {
            if (const auto menu = static_cast<HMENU>(::RemovePropW(window, state->menuProperty.c_str())))
            {
                ::DestroyMenu(menu);
            }
        }
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (--state->openWindows == 0)
        {
            ::PostQuitMessage(0);
        }
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND CreateOne(State& state, HINSTANCE instance, const std::wstring& title, bool visible, DWORD style,
               DWORD exStyle) noexcept
{
    // Cascaded, so that a screenshot shows every window.
    const int offset = 40 + 24 * (state.openWindows % 16);
    const HWND window = ::CreateWindowExW(exStyle, kClassName, title.c_str(), style, offset, offset, 320, 160,
                                          nullptr, nullptr, instance, &state);
    if (!window)
    {
        return nullptr;
    }
    ++state.openWindows;
    if (!state.menuProperty.empty())
    {
        const HMENU menu = ::CreatePopupMenu();
        ::AppendMenuW(menu, MF_STRING | MF_CHECKED, 1, L"&Birinci");
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING | MF_GRAYED, 2, L"İ&kinci");
        ::SetPropW(window, state.menuProperty.c_str(), menu);
    }
    if (visible)
    {
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    return window;
}

bool StartsWith(std::wstring_view text, std::wstring_view prefix) noexcept
{
    return text.substr(0, prefix.size()) == prefix;
}

DWORD WINAPI Spin(void*) noexcept
{
    volatile unsigned long long turns = 0;
    for (;;)
    {
        turns = turns + 1;
    }
}

void KeepEveryProcessorBusy()
{
    SYSTEM_INFO system{};
    ::GetSystemInfo(&system);
    for (DWORD i = 0; i < system.dwNumberOfProcessors; ++i)
    {
        if (const HANDLE thread = ::CreateThread(nullptr, 0, &Spin, nullptr, 0, nullptr))
        {
            ::CloseHandle(thread);
        }
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = kClassName;
    if (!::RegisterClassW(&windowClass))
    {
        return 3;
    }

    State state;
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);

    struct Planned
    {
        std::wstring title;
        bool visible;
        DWORD style;
        DWORD exStyle;
    };

    std::vector<Planned> planned;
    for (int i = 1; argv && i < argc; ++i)
    {
        const std::wstring_view argument(argv[i]);
        if (StartsWith(argument, L"--window="))
        {
            planned.push_back({std::wstring(argument.substr(9)), true, WS_OVERLAPPEDWINDOW, 0});
        }
        else if (argument == L"--untitled")
        {
            planned.push_back({L"", true, WS_OVERLAPPEDWINDOW, 0});
        }
        else if (StartsWith(argument, L"--hidden="))
        {
            planned.push_back({std::wstring(argument.substr(9)), false, WS_OVERLAPPEDWINDOW, 0});
        }
        else if (StartsWith(argument, L"--tool="))
        {
            planned.push_back(
                {std::wstring(argument.substr(7)), true, WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW});
        }
        else if (StartsWith(argument, L"--styled="))
        {
            // Without WS_CAPTION, WS_THICKFRAME and WS_DLGFRAME the system adds no WS_EX_WINDOWEDGE.
            const std::wstring styleAndTitle(argument.substr(9));
            const size_t colon = styleAndTitle.find(L':');
            if (colon == std::wstring::npos)
            {
                ::LocalFree(argv);
                return 2;
            }
            const auto exStyle = static_cast<DWORD>(std::wcstoul(styleAndTitle.c_str(), nullptr, 0));
            planned.push_back({styleAndTitle.substr(colon + 1), true, WS_POPUP, exStyle});
        }
        else if (StartsWith(argument, L"--windows="))
        {
            const std::wstring countAndPrefix(argument.substr(10));
            const size_t colon = countAndPrefix.find(L':');
            const int count = std::wcstol(countAndPrefix.c_str(), nullptr, 10);
            const std::wstring prefix =
                colon == std::wstring::npos ? L"Bystander" : countAndPrefix.substr(colon + 1);
            for (int n = 1; n <= count; ++n)
            {
                planned.push_back({prefix + L" " + std::to_wstring(n), true, WS_OVERLAPPEDWINDOW, 0});
            }
        }
        else if (StartsWith(argument, L"--log="))
        {
            state.logPath = argument.substr(6);
        }
        else if (argument == L"--refuse-end")
        {
            state.refuseEnd = true;
        }
        else if (StartsWith(argument, L"--menu-property="))
        {
            state.menuProperty = argument.substr(16);
        }
        else if (StartsWith(argument, L"--churn="))
        {
            state.churnPerSecond = std::wcstol(argv[i] + 8, nullptr, 10);
        }
        else if (argument == L"--busy")
        {
            KeepEveryProcessorBusy();
        }
        else if (StartsWith(argument, L"--exit-windows="))
        {
            state.exitWindows = true;
            state.exitWindowsFlags = static_cast<UINT>(std::wcstoul(argv[i] + 15, nullptr, 0));
        }
        else
        {
            ::LocalFree(argv);
            return 2;
        }
    }
    ::LocalFree(argv);

    for (const Planned& window : planned)
    {
        if (!CreateOne(state, instance, window.title, window.visible, window.style, window.exStyle))
        {
            return 4;
        }
    }
    if (state.openWindows == 0)
    {
        return 0;
    }
    if (state.exitWindows)
    {
        const BOOL result = ::ExitWindowsEx(state.exitWindowsFlags, 0);
        AppendLog(state, std::wstring(L"ExitWindowsEx ") + (result ? L"TRUE" : L"FALSE"));
    }

    // The churn runs on a thread timer: every tick opens a share of the windows for the second and destroys
    // as many of the oldest, so windows come and go all the time while a few always stand.
    constexpr UINT kChurnTick = 10;
    constexpr size_t kChurnStanding = 8;
    std::vector<HWND> churned;
    int churnDebt = 0;
    if (state.churnPerSecond > 0)
    {
        ::SetTimer(nullptr, 0, kChurnTick, nullptr);
    }

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0)
    {
        if (message.message == WM_TIMER && message.hwnd == nullptr)
        {
            churnDebt += state.churnPerSecond * static_cast<int>(kChurnTick);
            for (; churnDebt >= 1000; churnDebt -= 1000)
            {
                if (const HWND window = CreateOne(state, instance, L"Geçici", true, WS_OVERLAPPEDWINDOW, 0))
                {
                    churned.push_back(window);
                }
                if (churned.size() > kChurnStanding)
                {
                    ::DestroyWindow(churned.front());
                    churned.erase(churned.begin());
                }
            }
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
