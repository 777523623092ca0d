#include "e2e/driver/RemoteMemory.h"

namespace {

HANDLE openOwner(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
}

}  // namespace

RemoteMemory::RemoteMemory(HWND window, std::size_t size) : process_(openOwner(window)) {
    if (process_) address_ = VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
}

bool RemoteMemory::write(const void* data, std::size_t size, std::size_t offset) const {
    return valid() &&
           WriteProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, size, nullptr) != 0;
}

bool RemoteMemory::read(void* data, std::size_t size, std::size_t offset) const {
    return valid() && ReadProcessMemory(process_.get(), static_cast<char*>(address_) + offset, data, size, nullptr) != 0;
}
