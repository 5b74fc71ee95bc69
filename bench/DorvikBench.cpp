// Figures for the benchmark table: start-up time, memory and processor time of dorvik.exe under Wine, each
// beside a bare Win32 program measured in the same run. It prints a Markdown table and asserts nothing.
//
//   dorvik_bench.exe [--seconds=N] [--only=GROUP] [--soak-minutes=M]
//     N: how long each processor-time state is measured (default 60)
//     GROUP: start, memory, processor or closing, to measure one group alone; soak, which lasts M minutes
//     (default 10) and is left out of the run of all groups, for the section of its own that it prints
#include "platform/win32/Win32.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "resources/UiText.h"
#include "support/Bystander.h"
#include "support/CommandLine.h"
#include "support/Controls.h"
#include "support/DorvikApp.h"
#include "support/MessageBoxes.h"
#include "support/Paths.h"
#include "support/Process.h"
#include "support/Scheduling.h"
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
// The soak's desktop: a few hundred windows that stay, so every lookup of the armed program walks past them,
// and fifty a second that come and go, so that walk never meets the same list twice.
constexpr int kSoakStandingWindows = 300;
constexpr int kSoakChurnPerSecond = 50;
constexpr wchar_t kSoakWatchedTitle[] = L"İzlenen";
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

// The resident anonymous pages (what no other process shares) and the whole resident set of the Linux
// process in folder; zero once the process has gone.
Memory MemoryIn(const std::wstring& folder)
{
    if (folder.empty())
    {
        return {};
    }
    const std::string status = ReadWholeFile(folder + L"status");
    return {KiBField(status, "RssAnon"), KiBField(status, "VmRSS")};
}

Memory MemoryOf(std::wstring_view program)
{
    return MemoryIn(LinuxProcessFolder(program));
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

Window ShownPicker(const DorvikApp& app)
{
    const Window picker = WaitForPicker(app);
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
    const Window picker = ShownPicker(app);
    Click(picker.Descendant(static_cast<int>(ControlId::UygulamaCommand2)));
    WaitUntilGone(picker);
}

void ArmInClockMode(const DorvikApp& app)
{
    // "İki Saat Sonra": nothing fires while the figures are taken.
    Click(app.Control(ControlId::OptHizli3));
    WaitUntil([&] { return IsChecked(app.Control(ControlId::OptHizli3)); });
    Arm(app);
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
    ProcessorFigures clockMode;
    {
        DorvikApp app = DorvikApp::Start();
        ArmInClockMode(app);
        clockMode = ProcessorOver(L"dorvik.exe", span);
        AddProcessorRow(rows, "armed in clock mode", clockMode, bare, span);
    }
    {
        // The quiet is sampled every two seconds: the processor's counters and every network interface's.
        DorvikApp app = DorvikApp::Start();
        if (RunDorvik(L"/sessiz 240").exitCode != 0u)
        {
            throw std::runtime_error("the quiet wait could not be armed");
        }
        const ProcessorFigures quiet = ProcessorOver(L"dorvik.exe", span);
        AddProcessorRow(rows, "waiting for a quiet computer (/sessiz)", quiet, bare, span);
        rows.push_back({"Processor time, quiet wait beside clock-mode wait (ms)", Figures(quiet),
                        Figures(clockMode), Ratio(quiet.own + quiet.server, clockMode.own + clockMode.server)});
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
        ChooseApplication(app, windows.front());
        Arm(app);
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
    Arm(app); // "Hemen!": the closing starts 3 s later
    if (!WaitUntil([&] { return ClosingHasBegun(app); }, seconds(10)))
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
    rows.push_back({"Processor time in the first 4.5 s of the closing wait (ms)", Figures(dorvik),
                    Figures(bare), Ratio(dorvik.own + dorvik.server, bare.own + bare.server)});
    app.Process().WaitForExit(seconds(20));
}

struct SoakSample
{
    long minute = 0;
    Memory memory;
    std::optional<unsigned long> userObjects;
    std::optional<unsigned long> gdiObjects;
    std::optional<unsigned long> handles;
    double processorMilliseconds = 0; // the program's own, since it started
};

// A running program with a window always holds USER and GDI objects, so 0 means that the count was not
// available (GetGuiResources answers 0 on failure as well).
std::optional<unsigned long> GuiObjects(HANDLE process, DWORD kind)
{
    const DWORD count = ::GetGuiResources(process, kind);
    return count > 0 ? std::optional<unsigned long>(count) : std::nullopt;
}

// Likewise, a running process holds handles.
std::optional<unsigned long> HandleCount(HANDLE process)
{
    DWORD count = 0;
    return ::GetProcessHandleCount(process, &count) && count > 0 ? std::optional<unsigned long>(count)
                                                                 : std::nullopt;
}

SoakSample TakeSoakSample(long minute, const DorvikApp& app, const std::wstring& linuxFolder)
{
    const HANDLE process = app.Process().Handle();
    return {minute,
            MemoryIn(linuxFolder),
            GuiObjects(process, GR_USEROBJECTS),
            GuiObjects(process, GR_GDIOBJECTS),
            HandleCount(process),
            LinuxProcessorMilliseconds(linuxFolder)};
}

// Armed in application mode with "Hemen!", the program fires as soon as the watched window is gone: then
// the status bar shows the closing, the window comes back from the notification area or the process ends.
// Nothing here sends the program more than one WM_GETTEXT, so the check barely touches what is measured.
std::optional<std::string> WhyNoLongerArmed(const DorvikApp& app, const Window& watched)
{
    if (!app.Process().IsRunning())
    {
        return "dorvik.exe has ended";
    }
    if (!watched.Exists())
    {
        return "the watched window has gone";
    }
    if (app.Main().IsVisible())
    {
        return "the main window came back from the notification area";
    }
    if (ClosingHasBegun(app))
    {
        return "the closing has started";
    }
    return std::nullopt;
}

std::string CountCell(const std::optional<unsigned long>& count)
{
    return count ? std::to_string(*count) : "n/a";
}

std::string KiBCell(double value)
{
    return value > 0 ? Fixed(value, 0) : "n/a";
}

std::string SoakHeading(long minutes)
{
    return "## Soak: armed in application mode for " + std::to_string(minutes) +
           " minutes while windows come and go\n\n";
}

std::string SoakMarkdown(long minutes, const std::vector<SoakSample>& samples, const std::string& failure)
{
    std::string section = SoakHeading(minutes);
    section += "dorvik.exe armed on one window of " + std::to_string(kSoakStandingWindows + 1) +
               " that stay, while another program opens and destroys " + std::to_string(kSoakChurnPerSecond) +
               " windows a second; one sample a minute from the moment it was armed.\n\n";
    section += "| Minute | Private (KiB) | Working set (KiB) | USER objects | GDI objects | Handles | "
               "Own processor time in the minute before (ms) |\n";
    section += "|---:|---:|---:|---:|---:|---:|---:|\n";
    // A cost per minute that keeps rising is as much a leak as memory that does: something the program
    // walks or keeps grows with every window that came and went.
    double processorBefore = -1;
    for (const SoakSample& sample : samples)
    {
        const std::string processor =
            processorBefore < 0 ? "" : Fixed(sample.processorMilliseconds - processorBefore, 0);
        processorBefore = sample.processorMilliseconds;
        section += "| " + std::to_string(sample.minute) + " | " + KiBCell(sample.memory.privateKiB) + " | " +
                   KiBCell(sample.memory.workingSetKiB) + " | " + CountCell(sample.userObjects) + " | " +
                   CountCell(sample.gdiObjects) + " | " + CountCell(sample.handles) + " | " + processor +
                   " |\n";
    }
    section += "\n";
    const auto reported = [&](auto field) {
        return std::any_of(samples.begin(), samples.end(),
                           [&](const SoakSample& sample) { return field(sample); });
    };
    if (!reported([](const SoakSample& sample) { return sample.userObjects || sample.gdiObjects; }))
    {
        section += "USER and GDI objects: n/a, GetGuiResources answered 0 at every sample (Wine 8 does not "
                   "implement it).\n";
    }
    if (!reported([](const SoakSample& sample) { return sample.handles.has_value(); }))
    {
        section += "Handles: n/a, GetProcessHandleCount answered 0 at every sample (Wine 8 does not count "
                   "handles).\n";
    }
    if (!failure.empty())
    {
        section += "FAILED: no longer armed: " + failure + ".\n";
    }
    else if (!samples.empty())
    {
        section += "Still armed at the end: the watched window stayed and nothing fired.\n";
    }
    if (samples.size() >= 2 && samples.front().memory.privateKiB > 0 && samples.back().memory.privateKiB > 0)
    {
        const SoakSample& first = samples.front();
        const SoakSample& last = samples.back();
        char difference[32];
        std::snprintf(difference, sizeof difference, "%+.0f",
                      last.memory.privateKiB - first.memory.privateKiB);
        section += "Private memory: " + Fixed(first.memory.privateKiB, 0) + " KiB at minute " +
                   std::to_string(first.minute) + ", " + Fixed(last.memory.privateKiB, 0) +
                   " KiB at minute " + std::to_string(last.minute) + ", difference " + difference + " KiB.\n";
    }
    return section;
}

std::string MeasureSoak(long minutes)
{
    BystanderOptions options;
    options.windows.push_back({kSoakWatchedTitle});
    for (int i = 1; i <= kSoakStandingWindows; ++i)
    {
        options.windows.push_back({L"Yan " + std::to_wstring(i)});
    }
    options.churnPerSecond = kSoakChurnPerSecond;
    Bystander bystander = Bystander::Start(options);
    const Window watched = bystander.FindWindow(kSoakWatchedTitle);

    DorvikApp app = DorvikApp::Start();
    ChooseApplication(app, watched);
    Arm(app);
    const auto armed = SteadyClock::now();
    // Found once: the process stays the same for the whole soak, and the search reads every process's files.
    const std::wstring linuxFolder = LinuxProcessFolder(L"dorvik.exe");

    std::vector<SoakSample> samples;
    std::string failure;
    for (long minute = 0; minute <= minutes; ++minute)
    {
        // Against the moment of arming, so the time a sample takes does not push the later ones back.
        PumpMessagesFor(std::chrono::duration_cast<Milliseconds>(armed + std::chrono::minutes(minute) -
                                                                 SteadyClock::now()));
        if (const auto why = WhyNoLongerArmed(app, watched))
        {
            failure = *why + " (by minute " + std::to_string(minute) + ")";
            std::fprintf(stderr, "dorvik_bench: soak FAILED: no longer armed: %s\n", failure.c_str());
            break;
        }
        samples.push_back(TakeSoakSample(minute, app, linuxFolder));
        std::fprintf(stderr, "dorvik_bench: soak minute %ld of %ld\n", minute, minutes);
    }
    return SoakMarkdown(minutes, samples, failure);
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

// The number after prefix (such as "--seconds="), or fallback when no argument starts with it.
long NumberArgument(int argc, wchar_t** argv, std::wstring_view prefix, long fallback)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::wstring_view(argv[i]).starts_with(prefix))
        {
            return std::wcstol(argv[i] + prefix.size(), nullptr, 10);
        }
    }
    return fallback;
}

// The group that --only= names, or nothing to measure every group of the table.
std::wstring_view OnlyGroup(int argc, wchar_t** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::wcsncmp(argv[i], L"--only=", 7) == 0)
        {
            return argv[i] + 7;
        }
    }
    return {};
}

// --only=start|memory|processor|closing measures one group of the table; without it, all of them.
bool Wanted(int argc, wchar_t** argv, std::wstring_view group)
{
    const std::wstring_view only = OnlyGroup(argc, argv);
    return only.empty() || only == group;
}

} // namespace
} // namespace dorvik::e2e

int wmain(int argc, wchar_t** argv);

int wmain(int argc, wchar_t** argv)
{
    using namespace dorvik::e2e;
    // The soak takes minutes and prints a section of its own, so it runs only when asked for by name.
    if (OnlyGroup(argc, argv) == L"soak")
    {
        const long minutes = std::max(1L, NumberArgument(argc, argv, L"--soak-minutes=", 10));
        std::string section;
        try
        {
            section = MeasureSoak(minutes);
        }
        catch (const std::exception& error)
        {
            std::fprintf(stderr, "dorvik_bench: %s\n", error.what());
            section = SoakHeading(minutes) + "stopped: " + error.what() + "\n";
        }
        std::fputs(section.c_str(), stdout);
        return 0;
    }
    std::vector<Row> rows;
    try
    {
        const seconds span(std::max(1L, NumberArgument(argc, argv, L"--seconds=", 60)));
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
