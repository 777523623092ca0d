#include "SystemHandles.h"

#include <winternl.h>

namespace {

// SystemExtendedHandleInformation, as the system lists it.
struct HandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR value;
    ULONG access;
    USHORT creatorTrace;
    USHORT objectType;
    ULONG attributes;
    ULONG reserved;
};
struct HandleTable {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry entries[1];
};
constexpr auto systemExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
constexpr auto statusInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

}  // namespace

std::optional<std::vector<ULONG_PTR>> handlesHeldBy(DWORD processId) {
    std::vector<unsigned char> buffer(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(systemExtendedHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), nullptr)) == statusInfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) return std::nullopt;
    const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    std::vector<ULONG_PTR> values;
    for (ULONG_PTR i = 0; i < table->count; ++i) {
        if (table->entries[i].processId == processId) values.push_back(table->entries[i].value);
    }
    return values;
}
