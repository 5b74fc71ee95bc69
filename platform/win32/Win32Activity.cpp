#include "platform/win32/Win32Activity.h"

// The network interfaces' table is declared only once the IP helper's definitions are in, in this order.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
// clang-format on

#include <algorithm>
#include <tlhelp32.h>
#include <vector>

namespace dorvik::win32
{

namespace
{

std::uint64_t Units(const FILETIME& time) noexcept
{
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

struct ProcessEntry
{
    DWORD id;
    DWORD parent;
    bool named;
};

// Every process that runs, each with its parent and whether its image name is the one asked for; nothing when
// Windows cannot list them. Reading names needs no rights over the processes: other users' and elevated ones
// are listed too.
std::optional<std::vector<ProcessEntry>> Processes(const std::function<bool(std::wstring_view)>& named)
{
    const UniqueHandle snapshot = AdoptHandle(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
    {
        return std::nullopt;
    }
    std::vector<ProcessEntry> processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry))
    {
        processes.push_back(
            {entry.th32ProcessID, entry.th32ParentProcessID, named && named(entry.szExeFile)});
    }
    return processes;
}

} // namespace

std::optional<std::size_t> Win32Activity::CountProcesses(const std::function<bool(std::wstring_view)>& named)
{
    const std::optional<std::vector<ProcessEntry>> processes = Processes(named);
    if (!processes)
    {
        return std::nullopt;
    }
    return static_cast<std::size_t>(std::ranges::count_if(*processes, &ProcessEntry::named));
}

platform::ProcessHold Win32Activity::HoldProcess(std::uint32_t id)
{
    ReleaseProcess();
    // The handle, not the id, is held: Windows may give a ended process's id to a new one.
    UniqueHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process && ::GetLastError() == ERROR_ACCESS_DENIED)
    {
        // Waiting needs no more: a process whose times cannot be read can still be waited for.
        process.reset(::OpenProcess(SYNCHRONIZE, FALSE, id));
    }
    if (!process)
    {
        return ::GetLastError() == ERROR_ACCESS_DENIED ? platform::ProcessHold::NoAccess
                                                       : platform::ProcessHold::NotRunning;
    }
    if (::WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT)
    {
        return platform::ProcessHold::NotRunning;
    }
    held_ = std::move(process);
    heldId_ = id;
    return platform::ProcessHold::Held;
}

bool Win32Activity::HeldProcessEnded()
{
    return !held_ || ::WaitForSingleObject(held_.get(), 0) != WAIT_TIMEOUT;
}

void Win32Activity::ReleaseProcess()
{
    held_.reset();
    heldId_ = 0;
}

platform::LoadCounters Win32Activity::ComputerLoad()
{
    FILETIME idle{}, kernel{}, user{};
    if (!::GetSystemTimes(&idle, &kernel, &user))
    {
        return {};
    }
    // The kernel's time includes the idle time.
    const std::uint64_t total = Units(kernel) + Units(user);
    return {.busy = total - std::min(total, Units(idle)), .total = total, .bytes = std::nullopt};
}

std::optional<std::vector<platform::NetworkInterface>> Win32Activity::NetworkInterfaces()
{
    using GetTable = NETIO_STATUS(WINAPI*)(MIB_IF_TABLE2**);
    using FreeTable = void(WINAPI*)(void*);
    if (!ipHelper_)
    {
        ipHelper_.emplace(L"iphlpapi.dll");
    }
    const auto getTable = ipHelper_->Find<GetTable>("GetIfTable2");
    const auto freeTable = ipHelper_->Find<FreeTable>("FreeMibTable");
    MIB_IF_TABLE2* table = nullptr;
    if (!getTable || !freeTable || getTable(&table) != NO_ERROR || !table)
    {
        return std::nullopt;
    }
    std::vector<platform::NetworkInterface> interfaces;
    interfaces.reserve(table->NumEntries);
    for (ULONG i = 0; i < table->NumEntries; ++i)
    {
        const MIB_IF_ROW2& row = table->Table[i];
        interfaces.push_back({.up = row.OperStatus == IfOperStatusUp,
                              .loopback = row.Type == IF_TYPE_SOFTWARE_LOOPBACK,
                              .filter = row.InterfaceAndOperStatusFlags.FilterInterface != FALSE,
                              .received = row.InOctets,
                              .sent = row.OutOctets});
    }
    freeTable(table);
    return interfaces;
}

platform::LoadCounters Win32Activity::ProcessLoad(const platform::ProcessChoice& choice)
{
    const std::optional<std::vector<ProcessEntry>> processes = Processes(choice.named);
    if (!processes)
    {
        return {};
    }

    // The processes asked for, then those they started, and those these started: a download manager's
    // helpers do its work. Each names the one it came from.
    struct Member
    {
        DWORD id;
        std::optional<std::size_t> parent;
    };

    std::vector<Member> members;
    for (const ProcessEntry& process : *processes)
    {
        if (choice.held ? (process.id == heldId_ && !HeldProcessEnded()) : process.named)
        {
            members.push_back({process.id, std::nullopt});
        }
    }
    for (std::size_t i = 0; i < members.size(); ++i)
    {
        for (const ProcessEntry& process : *processes)
        {
            if (process.parent == members[i].id && process.id != 0 &&
                std::ranges::none_of(members, [&](const Member& member) { return member.id == process.id; }))
            {
                members.push_back({process.id, i});
            }
        }
    }
    platform::LoadCounters load{.busy = 0, .total = std::nullopt, .bytes = 0};
    // When each member started; nothing for one left out.
    std::vector<std::optional<std::uint64_t>> started(members.size());
    for (std::size_t i = 0; i < members.size(); ++i)
    {
        const UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, members[i].id));
        FILETIME created{}, exited{}, kernel{}, user{};
        IO_COUNTERS io{};
        const bool read = process && ::GetProcessTimes(process.get(), &created, &exited, &kernel, &user) &&
                          ::GetProcessIoCounters(process.get(), &io);
        const std::optional<std::size_t> parent = members[i].parent;
        if (!read)
        {
            // A process asked for whose work cannot be read is never taken for quiet; a helper that cannot be
            // read is left out.
            if (!parent)
            {
                return {};
            }
            continue;
        }
        // An id is given again once its process has ended: a process that started before the one named as its
        // parent was started by another, long gone.
        if (parent && (!started[*parent] || Units(created) < *started[*parent]))
        {
            continue;
        }
        started[i] = Units(created);
        *load.busy += Units(kernel) + Units(user);
        *load.bytes += io.ReadTransferCount + io.WriteTransferCount + io.OtherTransferCount;
    }
    return load;
}

unsigned Win32Activity::Processors()
{
    return ::GetActiveProcessorCount(ALL_PROCESSOR_GROUPS);
}

} // namespace dorvik::win32
