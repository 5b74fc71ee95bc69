// Figures for the benchmark table: start-up time, memory and processor time of dorvik.exe under Wine, each
// beside a bare Win32 program measured in the same run. It prints a Markdown table and asserts nothing.
//
//   dorvik_bench.exe [--seconds=N] [--only=GROUP]
//     N: how long each processor-time state is measured (default 60)
//     GROUP: start, memory, processor or closing, to measure one group alone
#include "platform/win32/Win32.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/MessageBoxes.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/Window.h"

namespace dorvik::e2e
{
namespace
{

using SteadyClock = std::chrono::steady_clock;
using std::chrono::duration;
using std::chrono::seconds;

constexpr int kStarts = 15;
constexpr int kPickerOpenings = 100;
constexpr int kBystanderWindows = 500;
constexpr wchar_t kBareTitle[] = L"Bare Window";

struct Row
{
    std::string measure;
    std::string dorvik;
    std::string baseline;
    std::string ratio;
};

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof(text), "%.*f", decimals, value);
    return text;
}

std::string Ratio(double value, double baseline)
{
    return baseline > 0 ? Fixed(value / baseline, 2) + " x" : "-";
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Spread(const std::vector<double>& values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return Fixed(*low, 0) + "-" + Fixed(*high, 0);
}

std::wstring BarePath()
{
    return HelperPath(L"dorvik_bare_window.exe");
}

// From CreateProcess to a visible top-level window of the new process, polled every millisecond.
double MillisecondsToWindow(const std::wstring& path, const std::wstring& arguments, std::wstring_view title)
{
    const auto start = SteadyClock::now();
    ChildProcess process = ChildProcess::Start(path, {arguments, {}, {}});
    for (;;)
    {
        const Window window = FindTopLevelWindow(title, process.Pid());
        if (window && window.IsVisible())
        {
            break;
        }
        if (SteadyClock::now() - start > kStartTimeout)
        {
            throw std::runtime_error("no window within the start timeout");
        }
        ::Sleep(1);
    }
    const double elapsed = duration<double, std::milli>(SteadyClock::now() - start).count();
    process.Kill();
    return elapsed;
}

struct Memory
{
    double privateKiB = 0;
    double workingSetKiB = 0;
};

std::string ReadWholeFile(const std::wstring& path)
{
    const win32::UniqueHandle file(win32::AdoptHandle(
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)));
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (file && ::ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0)
    {
        content.append(buffer, read);
    }
    return content;
}

double KiBField(const std::string& status, const std::string& name)
{
    const std::size_t at = status.find(name + ":");
    return at == std::string::npos ? 0 : std::strtod(status.c_str() + at + name.size() + 1, nullptr);
}

// The folder under Z:\\proc of the Linux process of this Wine session whose command line names program.
// Wine answers some questions about another process only for the process that asks, and does much of a
// program's work in wineserver; Linux keeps the figures for both.
std::wstring LinuxProcessFolder(std::wstring_view program)
{
    const std::string prefix = "WINEPREFIX=" + Utf8(EnvironmentVariable(L"WINEPREFIX")) + '\0';
    const std::string wanted = Utf8(std::wstring(program));
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
    {
        return {};
    }
    std::wstring found;
    do
    {
        const std::wstring name = entry.cFileName;
        if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos)
        {
            continue;
        }
        const std::wstring folder = L"Z:\\proc\\" + name + L"\\";
        if (ReadWholeFile(folder + L"cmdline").find(wanted) != std::string::npos &&
            ReadWholeFile(folder + L"environ").find(prefix) != std::string::npos)
        {
            found = folder;
            break;
        }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return found;
}

// The resident anonymous pages (what no other process shares) and the whole resident set.
Memory MemoryOf(std::wstring_view program)
{
    const std::wstring folder = LinuxProcessFolder(program);
    if (folder.empty())
    {
        return {};
    }
    const std::string status = ReadWholeFile(folder + L"status");
    return {KiBField(status, "RssAnon"), KiBField(status, "VmRSS")};
}

// User and system time of a Linux process, in milliseconds; Linux counts it in hundredths of a second.
double LinuxProcessorMilliseconds(const std::wstring& folder)
{
    const std::string stat = ReadWholeFile(folder + L"stat");
    // The second field, the command in parentheses, may hold blanks: count from the last parenthesis.
    const std::size_t end = stat.rfind(')');
    if (folder.empty() || end == std::string::npos)
    {
        return 0;
    }
    // After the command come the state (a letter), then numbers; user and system time are the 12th and
    // 13th fields from the state on.
    std::vector<std::string> fields;
    std::size_t at = end + 1;
    while (at < stat.size())
    {
        const std::size_t start = stat.find_first_not_of(' ', at);
        if (start == std::string::npos)
        {
            break;
        }
        const std::size_t stop = stat.find(' ', start);
        fields.push_back(stat.substr(start, stop == std::string::npos ? std::string::npos : stop - start));
        at = stop == std::string::npos ? stat.size() : stop;
    }
    constexpr std::size_t kUserTime = 11;
    constexpr std::size_t kSystemTime = 12;
    return fields.size() > kSystemTime ? (std::strtod(fields[kUserTime].c_str(), nullptr) +
                                          std::strtod(fields[kSystemTime].c_str(), nullptr)) *
                                             10
                                       : 0;
}

Window WaitForPicker(const DorvikApp& app)
{
    Window picker;
    WaitUntil([&] {
        picker = FindTopLevelWindow(L"Form2", app.Process().Pid());
        return picker && picker.IsVisible();
    });
    if (!picker)
    {
        throw std::runtime_error("the picker did not open");
    }
    return picker;
}

void WaitUntilGone(const Window& window)
{
    if (!WaitUntil([&] { return !window.Exists() || !window.IsVisible(); }))
    {
        throw std::runtime_error("a window did not close");
    }
}

void OpenAndLeavePicker(const DorvikApp& app)
{
    app.RunMenuCommand(MenuItem::ProgramaGore);
    const Window picker = WaitForPicker(app);
    Click(picker.Descendant(static_cast<int>(ControlId::UygulamaCommand2)));
    WaitUntilGone(picker);
}

void ConfirmArming(const DorvikApp& app)
{
    Click(app.Control(ControlId::BtnDorvik));
    const auto box = WaitForMessageBox(app.Process().Pid());
    if (!box)
    {
        throw std::runtime_error("no confirmation box");
    }
    box->Answer(IDYES);
    if (!WaitUntil([&] { return !app.Main().IsVisible(); }))
    {
        throw std::runtime_error("the window did not go to the notification area");
    }
}

void ArmInClockMode(const DorvikApp& app)
{
    // "İki Saat Sonra": nothing fires while the figures are taken.
    Click(app.Control(ControlId::OptHizli3));
    WaitUntil([&] { return IsChecked(app.Control(ControlId::OptHizli3)); });
    ConfirmArming(app);
}

void ArmOnWindow(const DorvikApp& app, HWND watched)
{
    app.RunMenuCommand(MenuItem::ProgramaGore);
    const Window picker = WaitForPicker(app);
    const Window combo = picker.Descendant(static_cast<int>(ControlId::ComboUygulama));
    const std::vector<ComboItem> items = ComboItems(combo);
    const auto chosen = std::find_if(items.begin(), items.end(), [&](const ComboItem& item) {
        return item.data == reinterpret_cast<LRESULT>(watched);
    });
    if (chosen == items.end())
    {
        throw std::runtime_error("the watched window is not in the picker's list");
    }
    SelectComboItem(combo, static_cast<int>(chosen - items.begin()));
    const Window choose = picker.Descendant(static_cast<int>(ControlId::BtnUygulamaSec));
    WaitUntil([&] { return choose.IsEnabled(); });
    Click(choose);
    WaitUntilGone(picker);
    ConfirmArming(app);
}

struct ProcessorFigures
{
    double own = 0;    // the program's own process
    double server = 0; // wineserver, which does much of a Windows program's work under Wine
};

// The pointer goes to the desktop's corner: while it rests over a themed control, Wine polls it every
// few milliseconds to tell when it leaves (Windows waits for the mouse to move), which would drown what the
// program itself does. A user who left the machine working is not hovering over the window either.
void ParkPointer()
{
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &move, sizeof move);
    PumpMessagesFor(seconds(1));
}

// What program and the session's wineserver spend while the program runs alone for span.
ProcessorFigures ProcessorOver(std::wstring_view program, std::chrono::milliseconds span)
{
    ParkPointer();
    const std::wstring own = LinuxProcessFolder(program);
    const std::wstring server = LinuxProcessFolder(L"wineserver");
    const double ownBefore = LinuxProcessorMilliseconds(own);
    const double serverBefore = LinuxProcessorMilliseconds(server);
    PumpMessagesFor(span);
    return {LinuxProcessorMilliseconds(own) - ownBefore, LinuxProcessorMilliseconds(server) - serverBefore};
}

std::string Figures(const ProcessorFigures& figures)
{
    return Fixed(figures.own + figures.server, 0) + " (own " + Fixed(figures.own, 0) + ")";
}

ChildProcess StartBare(bool timer)
{
    ChildProcess bare = ChildProcess::Start(BarePath(), {timer ? L"--timer" : L"", {}, {}});
    WaitForTopLevelWindow(kBareTitle, bare.Pid());
    return bare;
}

void MeasureStart(std::vector<Row>& rows)
{
    std::vector<double> dorvik;
    std::vector<double> bare;
    std::vector<double> bareWithCommonControls;
    // Alternating keeps drift in the machine's load from favouring one of the programs.
    for (int i = 0; i < kStarts; ++i)
    {
        dorvik.push_back(MillisecondsToWindow(ProgramPath(), L"", kMainWindowTitle));
        bare.push_back(MillisecondsToWindow(BarePath(), L"", kBareTitle));
        bareWithCommonControls.push_back(MillisecondsToWindow(BarePath(), L"--common-controls", kBareTitle));
    }
    rows.push_back({"Start to window shown, median of " + std::to_string(kStarts) + " (ms)",
                    Fixed(Median(dorvik), 1), Fixed(Median(bare), 1), Ratio(Median(dorvik), Median(bare))});
    rows.push_back({"Start to window shown, spread (ms)", Spread(dorvik), Spread(bare), ""});
    rows.push_back({"Start to window shown, median, the bare program loading the common controls first (ms)",
                    Fixed(Median(dorvik), 1), Fixed(Median(bareWithCommonControls), 1),
                    Ratio(Median(dorvik), Median(bareWithCommonControls))});
}

void MeasureMemory(std::vector<Row>& rows)
{
    DorvikApp app = DorvikApp::Start();
    ChildProcess bare = StartBare(false);
    PumpMessagesFor(seconds(1));
    const Memory atStart = MemoryOf(L"dorvik.exe");
    const Memory bareMemory = MemoryOf(L"dorvik_bare_window.exe");
    for (int i = 0; i < kPickerOpenings; ++i)
    {
        OpenAndLeavePicker(app);
    }
    PumpMessagesFor(seconds(1));
    const Memory afterPicker = MemoryOf(L"dorvik.exe");
    rows.push_back({"Private memory (resident, not shared) after start (KiB)", Fixed(atStart.privateKiB, 0),
                    Fixed(bareMemory.privateKiB, 0), Ratio(atStart.privateKiB, bareMemory.privateKiB)});
    rows.push_back({"Working set (resident) after start (KiB)", Fixed(atStart.workingSetKiB, 0),
                    Fixed(bareMemory.workingSetKiB, 0),
                    Ratio(atStart.workingSetKiB, bareMemory.workingSetKiB)});
    rows.push_back({"Private memory after " + std::to_string(kPickerOpenings) + " picker openings (KiB)",
                    Fixed(afterPicker.privateKiB, 0), "", ""});
    rows.push_back({"Working set after " + std::to_string(kPickerOpenings) + " picker openings (KiB)",
                    Fixed(afterPicker.workingSetKiB, 0), "", ""});
}

void AddProcessorRow(std::vector<Row>& rows, const std::string& state, const ProcessorFigures& dorvik,
                     const ProcessorFigures& bare, seconds span)
{
    rows.push_back({"Processor time over " + std::to_string(span.count()) + " s, " + state + " (ms)",
                    Figures(dorvik), Figures(bare),
                    Ratio(dorvik.own + dorvik.server, bare.own + bare.server)});
}

ProcessorFigures BareProcessorOver(std::chrono::milliseconds span)
{
    ChildProcess bare = StartBare(true);
    return ProcessorOver(L"dorvik_bare_window.exe", span);
}

void MeasureProcessor(std::vector<Row>& rows, seconds span)
{
    // Each program runs alone while it is measured, so wineserver's time belongs to it.
    const ProcessorFigures bare = BareProcessorOver(span);
    {
        DorvikApp app = DorvikApp::Start();
        AddProcessorRow(rows, "idle", ProcessorOver(L"dorvik.exe", span), bare, span);
    }
    {
        DorvikApp app = DorvikApp::Start();
        ArmInClockMode(app);
        AddProcessorRow(rows, "armed in clock mode", ProcessorOver(L"dorvik.exe", span), bare, span);
    }
    {
        ChildProcess bystander =
            ChildProcess::Start(HelperPath(L"dorvik_bystander.exe"),
                                {L"--windows=" + std::to_wstring(kBystanderWindows) + L":Yan", {}, {}});
        if (!WaitUntil([&] { return VisibleTopLevelWindows(bystander.Pid()).size() >= kBystanderWindows; },
                       std::chrono::milliseconds(120'000)))
        {
            throw std::runtime_error("the bystander did not open its windows");
        }
        // The watched window is the one at the bottom, so every lookup walks past all the others.
        const std::vector<Window> windows = VisibleTopLevelWindows(bystander.Pid());
        const ProcessorFigures bareAmongWindows = BareProcessorOver(span);
        DorvikApp app = DorvikApp::Start();
        ArmOnWindow(app, windows.front().Handle());
        AddProcessorRow(rows,
                        "armed in application mode, " + std::to_string(kBystanderWindows) + " other windows",
                        ProcessorOver(L"dorvik.exe", span), bareAmongWindows, span);
        bystander.Kill();
    }
}

void MeasureClosingWait(std::vector<Row>& rows)
{
    if (EnvironmentVariable(L"DORVIK_E2E_WINEBOOT_STUB").empty())
    {
        rows.push_back(
            {"Processor time during the 5 s closing wait (ms)", "not measured: no wineboot stub", "", ""});
        return;
    }
    // wineserver may still be tidying up after the programs of the measurement before.
    PumpMessagesFor(seconds(3));
    constexpr std::chrono::milliseconds kMeasured{4500};
    const ProcessorFigures bare = BareProcessorOver(kMeasured);
    DorvikApp app = DorvikApp::Start();
    ConfirmArming(app); // "Hemen!": the closing starts 3 s later
    const Window statusBar = app.Control(ControlId::StatusBar1);
    if (!WaitUntil([&] { return StatusBarText(statusBar) == L"Sistem hazırlanıyor..."; }, seconds(10)))
    {
        throw std::runtime_error("the closing did not start");
    }
    ParkPointer();
    // Nothing is asked of the program during the wait: every answer would cost it processor time.
    const std::wstring own = LinuxProcessFolder(L"dorvik.exe");
    const std::wstring server = LinuxProcessFolder(L"wineserver");
    const double ownBefore = LinuxProcessorMilliseconds(own);
    const double serverBefore = LinuxProcessorMilliseconds(server);
    PumpMessagesFor(kMeasured);
    const ProcessorFigures dorvik{LinuxProcessorMilliseconds(own) - ownBefore,
                                  LinuxProcessorMilliseconds(server) - serverBefore};
    rows.push_back({"Processor time in the first 4.5 s of the closing wait (ms)", Figures(dorvik), Figures(bare),
                    Ratio(dorvik.own + dorvik.server, bare.own + bare.server)});
    app.Process().WaitForExit(seconds(20));
}

std::string Markdown(const std::vector<Row>& rows)
{
    std::string table = "| Measure | dorvik.exe | Bare Win32 program | Ratio |\n|---|---:|---:|---:|\n";
    for (const Row& row : rows)
    {
        table += "| " + row.measure + " | " + row.dorvik + " | " + row.baseline + " | " + row.ratio + " |\n";
    }
    return table;
}

seconds SpanFromArguments(int argc, wchar_t** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::wcsncmp(argv[i], L"--seconds=", 10) == 0)
        {
            return seconds(std::max(1L, std::wcstol(argv[i] + 10, nullptr, 10)));
        }
    }
    return seconds(60);
}

// --only=start|memory|processor|closing measures one group; without it, all of them.
bool Wanted(int argc, wchar_t** argv, std::wstring_view group)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::wcsncmp(argv[i], L"--only=", 7) == 0)
        {
            return group == argv[i] + 7;
        }
    }
    return true;
}

} // namespace
} // namespace dorvik::e2e

int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv)
{
    using namespace dorvik::e2e;
    std::vector<Row> rows;
    try
    {
        const seconds span = SpanFromArguments(argc, argv);
        if (Wanted(argc, argv, L"start"))
        {
            MeasureStart(rows);
        }
        if (Wanted(argc, argv, L"memory"))
        {
            MeasureMemory(rows);
        }
        // The closing comes before the processor states: tearing down the 500 windows of the last state
        // keeps wineserver busy for a long while afterwards.
        if (Wanted(argc, argv, L"closing"))
        {
            MeasureClosingWait(rows);
        }
        if (Wanted(argc, argv, L"processor"))
        {
            MeasureProcessor(rows, span);
        }
    }
    catch (const std::exception& error)
    {
        std::fprintf(stderr, "dorvik_bench: %s\n", error.what());
        rows.push_back({std::string("stopped: ") + error.what(), "", "", ""});
    }
    std::fputs(Markdown(rows).c_str(), stdout);
    return 0;
}
