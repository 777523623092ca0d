#pragma once
// A block of memory in another process for the control messages that take a pointer (the
// control reads and writes it in its own process), freed with its owner.
#include <windows.h>

#include <cstddef>

#include "winutil/UniqueHandle.h"

class RemoteMemory {
public:
    // Memory of `size` bytes in the process that owns `window`; check with valid().
    RemoteMemory(HWND window, std::size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool valid() const { return address_ != nullptr; }
    LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
    bool write(const void* data, std::size_t size, std::size_t offset = 0) const;
    bool read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    UniqueHandle process_;
    void* address_ = nullptr;
};
