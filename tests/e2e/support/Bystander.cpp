// Starting and reading the bystander helper.
#include "support/Bystander.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "support/Paths.h"
#include "support/Text.h"

namespace dorvik::e2e
{

namespace
{

std::wstring Quoted(const std::wstring& argument)
{
    // The titles the tests use hold no quotes; a quote would need CommandLineToArgvW's escaping.
    if (argument.find(L'"') != std::wstring::npos)
    {
        throw std::invalid_argument("a bystander argument cannot hold a quote");
    }
    return L"\"" + argument + L"\"";
}

} // namespace

Bystander::Bystander(ChildProcess process, std::wstring logPath) noexcept
    : process_(std::move(process))
    , logPath_(std::move(logPath))
{
}

Bystander::Bystander(Bystander&& other) noexcept
    : process_(std::move(other.process_))
    , logPath_(std::exchange(other.logPath_, {}))
{
}

Bystander::~Bystander()
{
    process_.Kill();
    if (!logPath_.empty())
    {
        ::DeleteFileW(logPath_.c_str());
    }
}

Bystander Bystander::Start(const BystanderOptions& options)
{
    std::wstring arguments;
    size_t expected = 0;
    for (const BystanderWindow& window : options.windows)
    {
        switch (window.kind)
        {
        case BystanderWindow::Kind::Visible:
            arguments +=
                window.title.empty() ? std::wstring(L"--untitled") : Quoted(L"--window=" + window.title);
            break;
        case BystanderWindow::Kind::Hidden:
            arguments += Quoted(L"--hidden=" + window.title);
            break;
        case BystanderWindow::Kind::Tool:
            arguments += Quoted(L"--tool=" + window.title);
            break;
        }
        arguments += L" ";
        ++expected;
    }
    std::wstring logPath;
    if (options.recordEndSession)
    {
        // In the session's temporary folder, unique per bystander, so two of them keep separate logs.
        wchar_t folder[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH + 1, folder);
        LARGE_INTEGER now{};
        ::QueryPerformanceCounter(&now);
        logPath = std::wstring(folder) + L"dorvik-bystander-" + std::to_wstring(now.QuadPart) + L".log";
        ::DeleteFileW(logPath.c_str());
        arguments += Quoted(L"--log=" + logPath) + L" ";
    }
    if (options.refuseEndSession)
    {
        arguments += L"--refuse-end ";
    }
    if (!options.menuProperty.empty())
    {
        arguments += Quoted(L"--menu-property=" + options.menuProperty) + L" ";
    }
    if (options.exitWindowsFlags)
    {
        arguments += L"--exit-windows=" + std::to_wstring(*options.exitWindowsFlags) + L" ";
    }
    if (options.churnPerSecond > 0)
    {
        arguments += L"--churn=" + std::to_wstring(options.churnPerSecond) + L" ";
    }
    if (options.busy)
    {
        arguments += L"--busy";
    }

    Bystander bystander(ChildProcess::Start(HelperPath(L"dorvik_bystander.exe"), {arguments, {}, {}}),
                        std::move(logPath));
    if (!WaitUntil([&] { return bystander.Windows().size() >= expected; }, kStartTimeout))
    {
        throw std::runtime_error("the bystander did not open its " + std::to_string(expected) + " windows");
    }
    return bystander;
}

Bystander Bystander::Start(std::vector<BystanderWindow> windows)
{
    BystanderOptions options;
    options.windows = std::move(windows);
    return Start(options);
}

Window Bystander::FindWindow(std::wstring_view title) const
{
    return FindTopLevelWindow(title, process_.Pid());
}

std::vector<Window> Bystander::Windows() const
{
    std::vector<Window> windows = TopLevelWindows(process_.Pid());
    std::erase_if(windows, [](const Window& window) { return !window.HasClass(L"DorvikBystander"); });
    return windows;
}

void Bystander::Close(const Window& window) const
{
    if (!window.Post(WM_CLOSE))
    {
        throw std::runtime_error("cannot post WM_CLOSE to the bystander");
    }
}

std::vector<std::wstring> Bystander::EndSessionLog() const
{
    std::vector<std::wstring> lines;
    std::ifstream in{std::filesystem::path(logPath_)};
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        lines.push_back(Utf16(line));
    }
    return lines;
}

} // namespace dorvik::e2e
