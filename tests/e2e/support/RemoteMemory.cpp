// VirtualAllocEx-backed buffers in a target process.
#include "support/RemoteMemory.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

#include "support/Text.h"

namespace dorvik::e2e
{

RemoteMemory::RemoteMemory(DWORD pid, size_t bytes)
    : process_(::OpenProcess(
          PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid))
    , size_(bytes)
{
    if (!process_)
    {
        throw std::runtime_error("cannot open process " + std::to_string(pid) + ": " + LastErrorText());
    }
    address_ = ::VirtualAllocEx(process_.get(), nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_)
    {
        throw std::runtime_error("cannot reserve memory in process " + std::to_string(pid) + ": " +
                                 LastErrorText());
    }
}

RemoteMemory::RemoteMemory(RemoteMemory&& other) noexcept
    : process_(std::move(other.process_))
    , address_(std::exchange(other.address_, nullptr))
    , size_(std::exchange(other.size_, 0))
{
}

RemoteMemory::~RemoteMemory()
{
    if (address_)
    {
        ::VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
    }
}

void RemoteMemory::Write(const void* data, size_t bytes, size_t offset) const
{
    SIZE_T written = 0;
    if (offset + bytes > size_ ||
        !::WriteProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, bytes, &written) ||
        written != bytes)
    {
        throw std::runtime_error("cannot write into the target process: " + LastErrorText());
    }
}

void RemoteMemory::Read(void* data, size_t bytes, size_t offset) const
{
    SIZE_T read = 0;
    if (offset + bytes > size_ ||
        !::ReadProcessMemory(process_.get(), static_cast<const char*>(address_) + offset, data, bytes,
                             &read) ||
        read != bytes)
    {
        throw std::runtime_error("cannot read from the target process: " + LastErrorText());
    }
}

std::vector<std::byte> RemoteMemory::Read() const
{
    std::vector<std::byte> bytes(size_);
    Read(bytes.data(), bytes.size());
    return bytes;
}

} // namespace dorvik::e2e
