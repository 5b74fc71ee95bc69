// Memory inside another process. Messages that carry a pointer and that Windows does not marshal (most
// common-control messages, such as SB_GETTEXTW) must point into the target's own address space.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/win32/Handles.h"

namespace dorvik::e2e
{

class RemoteMemory
{
public:
    // Throws std::runtime_error when the process cannot be opened or the memory cannot be reserved.
    RemoteMemory(DWORD pid, size_t bytes);

    RemoteMemory(RemoteMemory&& other) noexcept;
    RemoteMemory& operator=(RemoteMemory&&) = delete;
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory();

    // The address in the target process, for a message's WPARAM or LPARAM.
    void* Address() const noexcept { return address_; }

    LPARAM AsLParam() const noexcept { return reinterpret_cast<LPARAM>(address_); }

    size_t Size() const noexcept { return size_; }

    HANDLE Process() const noexcept { return process_.get(); }

    void Write(const void* data, size_t bytes, size_t offset = 0) const;
    void Read(void* data, size_t bytes, size_t offset = 0) const;
    std::vector<std::byte> Read() const;

private:
    win32::UniqueHandle process_;
    void* address_ = nullptr;
    size_t size_ = 0;
};

} // namespace dorvik::e2e
