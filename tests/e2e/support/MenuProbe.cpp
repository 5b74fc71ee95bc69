// Injecting the menu probe and parsing its answer.
#include "support/MenuProbe.h"

#include <windows.h>

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <tlhelp32.h>

#include "menuprobe/MenuProbeProtocol.h"
#include "platform/win32/Handles.h"
#include "support/OwnedHandles.h"
#include "support/Paths.h"
#include "support/RemoteMemory.h"
#include "support/Text.h"

namespace dorvik::e2e
{

namespace
{

// kernel32's base address in process pid, from a module snapshot of that process.
uintptr_t RemoteModuleBase(DWORD pid, std::wstring_view moduleName)
{
    win32::UniqueHandle snapshot;
    // The snapshot can fail with ERROR_BAD_LENGTH while the process is loading modules; try again.
    for (int attempt = 0; attempt < 5 && !snapshot; ++attempt)
    {
        snapshot = win32::AdoptHandle(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
    }
    if (!snapshot)
    {
        throw std::runtime_error("cannot list the modules of process " + std::to_string(pid) + ": " +
                                 LastErrorText());
    }
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Module32FirstW(snapshot.get(), &entry); more;
         more = ::Module32NextW(snapshot.get(), &entry))
    {
        const std::wstring_view name(entry.szModule);
        if (::CompareStringOrdinal(name.data(), static_cast<int>(name.size()), moduleName.data(),
                                   static_cast<int>(moduleName.size()), TRUE) == CSTR_EQUAL)
        {
            return reinterpret_cast<uintptr_t>(entry.modBaseAddr);
        }
    }
    throw std::runtime_error("process " + std::to_string(pid) + " has not loaded " + Utf8(moduleName));
}

std::vector<MenuItemState> ParseMenu(std::wstring_view text)
{
    std::vector<MenuItemState> items;
    std::vector<std::wstring> path;
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos)
        {
            end = text.size();
        }
        const std::wstring_view line = text.substr(start, end - start);
        start = end + 1;

        std::wstring_view fields[4];
        size_t position = 0;
        for (std::wstring_view& field : fields)
        {
            const size_t tab = line.find(L'\t', position);
            if (tab == std::wstring_view::npos)
            {
                throw std::runtime_error("malformed menu probe line: " + Utf8(line));
            }
            field = line.substr(position, tab - position);
            position = tab + 1;
        }
        MenuItemState item;
        item.level = std::stoi(std::wstring(fields[0]));
        item.id = std::stoi(std::wstring(fields[1]));
        for (const wchar_t flag : fields[2])
        {
            item.checked |= flag == L'C';
            item.grayed |= flag == L'G';
            item.disabled |= flag == L'D';
            item.separator |= flag == L'S';
            item.popup |= flag == L'P';
            item.radioCheck |= flag == L'R';
            item.defaultItem |= flag == L'F';
        }
        item.submenu = static_cast<uintptr_t>(std::stoull(std::wstring(fields[3]), nullptr, 16));
        path.resize(static_cast<size_t>(item.level));
        path.emplace_back(line.substr(position));
        item.path = path;
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<MenuItemState> ReadMenu(const Window& window, std::wstring_view property)
{
    using namespace menuprobe;
    const DWORD pid = window.ProcessId();
    const std::wstring name = kMappingPrefix + std::to_wstring(pid);
    const win32::UniqueHandle mapping(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                           sizeof(Request), name.c_str()));
    if (!mapping)
    {
        throw std::runtime_error("cannot create the menu probe's shared memory: " + LastErrorText());
    }
    const UniqueMappedView view(
        ::MapViewOfFile(mapping.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(Request)));
    if (!view)
    {
        throw std::runtime_error("cannot map the menu probe's shared memory: " + LastErrorText());
    }
    auto* request = static_cast<Request*>(view.get());
    request->version = kVersion;
    request->status = Status::Pending;
    request->window = reinterpret_cast<uintptr_t>(window.Handle());
    request->property[0] = L'\0';
    if (property.size() >= kPropertyCapacity)
    {
        throw std::runtime_error("menu property name too long");
    }
    property.copy(request->property, property.size());
    request->property[property.size()] = L'\0';
    request->textLength = 0;

    const std::wstring probe = HelperPath(L"dorvik_menuprobe.dll");
    if (!FileExists(probe))
    {
        throw std::runtime_error("the menu probe is missing: " + Utf8(probe));
    }
    InjectLibrary(pid, probe);

    switch (request->status)
    {
    case Status::Done:
        break;
    case Status::Pending:
        throw std::runtime_error("the menu probe did not run in process " + std::to_string(pid));
    case Status::NoWindow:
        throw std::runtime_error("the menu probe found no window");
    case Status::NoMenu:
        throw std::runtime_error(property.empty()
                                     ? std::string("the window has no menu bar")
                                     : "the window has no menu under property " + Utf8(property));
    case Status::Overflow:
        throw std::runtime_error("the menu is too large for the probe's answer");
    }
    return ParseMenu(std::wstring_view(request->text, std::min<size_t>(request->textLength, kTextCapacity)));
}

} // namespace

void PrintTo(const MenuItemState& item, std::ostream* out)
{
    std::wstring path;
    for (const std::wstring& caption : item.path)
    {
        path += L"/" + caption;
    }
    *out << Utf8(path) << " id=" << item.id << (item.checked ? " checked" : "")
         << (item.grayed ? " grayed" : "") << (item.disabled ? " disabled" : "")
         << (item.separator ? " separator" : "") << (item.popup ? " popup" : "");
}

unsigned long InjectLibrary(DWORD pid, const std::wstring& dllPath)
{
    const win32::UniqueHandle process(::OpenProcess(PROCESS_CREATE_THREAD | PROCESS_VM_OPERATION |
                                                        PROCESS_VM_READ | PROCESS_VM_WRITE |
                                                        PROCESS_QUERY_INFORMATION,
                                                    FALSE, pid));
    if (!process)
    {
        throw std::runtime_error("cannot open process " + std::to_string(pid) + ": " + LastErrorText());
    }
    // LoadLibraryW lies at the same offset in kernel32 in every process; kernel32 itself may not lie at the
    // same address, so its base is taken from the target's module list.
    const HMODULE localKernel32 = ::GetModuleHandleW(L"kernel32.dll");
    const auto localLoadLibrary =
        reinterpret_cast<uintptr_t>(reinterpret_cast<void*>(::GetProcAddress(localKernel32, "LoadLibraryW")));
    const uintptr_t remoteLoadLibrary = RemoteModuleBase(pid, L"kernel32.dll") +
                                        (localLoadLibrary - reinterpret_cast<uintptr_t>(localKernel32));

    const RemoteMemory path(pid, (dllPath.size() + 1) * sizeof(wchar_t));
    path.Write(dllPath.c_str(), (dllPath.size() + 1) * sizeof(wchar_t));
    const win32::UniqueHandle thread(::CreateRemoteThread(
        process.get(), nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(remoteLoadLibrary),
        path.Address(), 0, nullptr));
    if (!thread)
    {
        throw std::runtime_error("cannot start a thread in process " + std::to_string(pid) + ": " +
                                 LastErrorText());
    }
    if (::WaitForSingleObject(thread.get(), static_cast<DWORD>(kUiTimeout.count())) != WAIT_OBJECT_0)
    {
        throw std::runtime_error("the injected thread in process " + std::to_string(pid) + " did not finish");
    }
    DWORD result = 0;
    ::GetExitCodeThread(thread.get(), &result);
    return result;
}

std::vector<MenuItemState> ReadMenuBar(const Window& window)
{
    return ReadMenu(window, {});
}

std::vector<MenuItemState> ReadPropertyMenu(const Window& window, std::wstring_view property)
{
    return ReadMenu(window, property);
}

std::optional<MenuItemState> FindMenuItem(const std::vector<MenuItemState>& items,
                                          const std::vector<std::wstring>& path)
{
    for (const MenuItemState& item : items)
    {
        if (item.path == path)
        {
            return item;
        }
    }
    return std::nullopt;
}

std::optional<MenuItemState> FindMenuItem(const std::vector<MenuItemState>& items, int id)
{
    for (const MenuItemState& item : items)
    {
        if (item.id == id && !item.separator)
        {
            return item;
        }
    }
    return std::nullopt;
}

} // namespace dorvik::e2e
