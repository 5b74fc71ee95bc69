// Figures for the application lookup against a bare window walk, on a desktop crowded by a second process.
#include "platform/win32/Win32.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "platform/win32/Win32WindowSystem.h"
#include "winlib/ClsApplication.h"
#include "winlib/ClsApplications.h"

namespace
{

constexpr int kBystanderWindows = 1000;
constexpr int kRepetitions = 301;
constexpr int kWarmUps = 10;
constexpr DWORD kBystanderStartMs = 180'000;
constexpr DWORD kBystanderEndMs = 30'000;
constexpr wchar_t kBystanderSwitch[] = L"--bystander";
constexpr wchar_t kWindowClass[] = L"DorvikLookupBenchWindow";

using Clock = std::chrono::steady_clock;

std::wstring EventName(DWORD benchPid, const wchar_t* what)
{
    return L"Local\\DorvikLookupBench." + std::to_wstring(benchPid) + L"." + what;
}

bool RegisterWindowClass()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    return ::RegisterClassExW(&windowClass) != 0;
}

HWND CreateTitledWindow(const std::wstring& title, DWORD style, int index)
{
    const int offset = (index % 40) * 12;
    return ::CreateWindowExW(0, kWindowClass, title.c_str(), style, offset, offset, 240, 120, nullptr,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

// The bystander owns the crowd, so the lookup reads windows of another process, as the tick does.
int RunBystander(DWORD benchPid)
{
    const dorvik::win32::UniqueHandle bench(::OpenProcess(SYNCHRONIZE, FALSE, benchPid));
    const dorvik::win32::UniqueHandle ready(
        ::OpenEventW(EVENT_MODIFY_STATE, FALSE, EventName(benchPid, L"Ready").c_str()));
    const dorvik::win32::UniqueHandle quit(
        ::OpenEventW(SYNCHRONIZE, FALSE, EventName(benchPid, L"Quit").c_str()));
    if (!bench || !ready || !quit || !RegisterWindowClass())
    {
        return 2;
    }
    for (int i = 0; i < kBystanderWindows; ++i)
    {
        wchar_t title[32];
        std::swprintf(title, std::size(title), L"Bystander %04d", i + 1);
        if (!CreateTitledWindow(title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, i))
        {
            return 3;
        }
    }
    ::SetEvent(ready.get());

    // Pump until the bench says so, or is gone, so the crowd never outlives it.
    const HANDLE waits[] = {quit.get(), bench.get()};
    for (;;)
    {
        const DWORD woke = ::MsgWaitForMultipleObjects(2, waits, FALSE, INFINITE, QS_ALLINPUT);
        if (woke != WAIT_OBJECT_0 + 2)
        {
            break;
        }
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    // Destroying a thousand windows one by one costs seconds each on an X server without a window
    // manager; ending at once takes them all down with the process.
    ::TerminateProcess(::GetCurrentProcess(), 0);
    return 0;
}

BOOL CALLBACK IgnoreWindow(HWND, LPARAM) noexcept
{
    return TRUE;
}

struct Figures
{
    const char* name;
    std::function<void()> run;
    std::vector<double> micros;
};

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

std::wstring ModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
        {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

dorvik::win32::UniqueHandle StartBystander(DWORD benchPid)
{
    std::wstring commandLine =
        L"\"" + ModulePath() + L"\" " + kBystanderSwitch + L" " + std::to_wstring(benchPid);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
    {
        return nullptr;
    }
    ::CloseHandle(process.hThread);
    return dorvik::win32::UniqueHandle(process.hProcess);
}

int RunBench()
{
    const DWORD pid = ::GetCurrentProcessId();
    const dorvik::win32::UniqueHandle ready(
        ::CreateEventW(nullptr, FALSE, FALSE, EventName(pid, L"Ready").c_str()));
    const dorvik::win32::UniqueHandle quit(
        ::CreateEventW(nullptr, TRUE, FALSE, EventName(pid, L"Quit").c_str()));
    if (!ready || !quit || !RegisterWindowClass())
    {
        std::fprintf(stderr, "cannot create the events or the window class (error %lu)\n", ::GetLastError());
        return 1;
    }

    const Clock::time_point startAt = Clock::now();
    const dorvik::win32::UniqueHandle bystander = StartBystander(pid);
    if (!bystander)
    {
        std::fprintf(stderr, "cannot start the bystander (error %lu)\n", ::GetLastError());
        return 1;
    }
    const HANDLE waits[] = {ready.get(), bystander.get()};
    if (::WaitForMultipleObjects(2, waits, FALSE, kBystanderStartMs) != WAIT_OBJECT_0)
    {
        std::fprintf(stderr, "the bystander did not open its windows\n");
        ::TerminateProcess(bystander.get(), 1);
        return 1;
    }
    const double setupSeconds = std::chrono::duration<double>(Clock::now() - startAt).count();

    // A window that existed and is gone, as the tick sees the watched application once it has ended.
    const HWND goneHwnd = CreateTitledWindow(L"Gone", WS_OVERLAPPEDWINDOW, 0);
    ::DestroyWindow(goneHwnd);
    const dorvik::platform::WindowId gone = dorvik::win32::ToWindowId(goneHwnd);
    const dorvik::platform::WindowId first =
        dorvik::win32::ToWindowId(::FindWindowW(kWindowClass, L"Bystander 0001"));

    dorvik::win32::Win32WindowSystem windows;
    dorvik::winlib::ClsApplication pencere(windows);
    dorvik::winlib::ClsApplications pencereler(windows, pencere);

    const std::vector<dorvik::platform::WindowId> snapshot = windows.TopLevelWindows();
    const auto firstAt = std::find(snapshot.begin(), snapshot.end(), first) - snapshot.begin();
    bool goneFound = false;
    bool firstFound = false;
    std::size_t snapshotSize = 0;

    std::vector<Figures> figures;
    figures.push_back({"bare EnumWindows walk", [] { ::EnumWindows(&IgnoreWindow, 0); }, {}});
    figures.push_back(
        {"snapshot (TopLevelWindows)", [&] { snapshotSize = windows.TopLevelWindows().size(); }, {}});
    figures.push_back({"lookup, window gone", [&] { goneFound = pencereler.ReturnProcessInfo(gone); }, {}});
    figures.push_back(
        {"lookup, window present", [&] { firstFound = pencereler.ReturnProcessInfo(first); }, {}});
    // For scale: the lookup as a step-by-step walk that reads title and visibility of every window.
    figures.push_back({"walk reading every window",
                       [&] {
                           using dorvik::platform::WindowId;
                           for (WindowId h = pencereler.ChildWindow(pencereler.DesktopWindow());
                                h != WindowId::None; h = pencereler.NextWindow(h))
                           {
                               pencere.hWnd(h);
                               if (!pencere.Text().empty() && pencere.Visible() && h == gone)
                               {
                                   break;
                               }
                           }
                       },
                       {}});

    // Interleaved, so a slow phase of the machine weighs on every row alike.
    for (int rep = -kWarmUps; rep < kRepetitions; ++rep)
    {
        for (Figures& row : figures)
        {
            const Clock::time_point begin = Clock::now();
            row.run();
            const Clock::time_point end = Clock::now();
            if (rep >= 0)
            {
                row.micros.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
            }
        }
    }

    ::SetEvent(quit.get());
    ::WaitForSingleObject(bystander.get(), kBystanderEndMs);

    std::printf("top-level windows: %zu (%d from the bystander, started in %.1f s); %d repetitions each\n",
                snapshotSize, kBystanderWindows, setupSeconds, kRepetitions);
    std::printf(
        "present window sought: \"Bystander 0001\", z-order position %lld; found %s; gone window found %s\n",
        static_cast<long long>(firstAt) + 1, firstFound ? "yes" : "no", goneFound ? "yes" : "no");
    std::printf("\n%-30s %12s %12s %12s\n", "operation", "median us", "min us", "p90 us");
    for (const Figures& row : figures)
    {
        std::printf("%-30s %12.1f %12.1f %12.1f\n", row.name, Percentile(row.micros, 0.5),
                    Percentile(row.micros, 0.0), Percentile(row.micros, 0.9));
    }
    const double bare = Percentile(figures[0].micros, 0.5);
    std::printf("\nlookup of a gone window / bare walk (medians): %.2f (goal: at most 3)\n",
                Percentile(figures[2].micros, 0.5) / bare);
    return 0;
}

} // namespace

// The headers declare no wmain, and the missing-declarations warning exempts only main.
int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv)
{
    if (argc == 3 && std::wcscmp(argv[1], kBystanderSwitch) == 0)
    {
        return RunBystander(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    }
    return RunBench();
}
