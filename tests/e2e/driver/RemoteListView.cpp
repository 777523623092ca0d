#include "e2e/driver/RemoteListView.h"

#include <commctrl.h>

#include <algorithm>

#include "e2e/driver/UniqueHandle.h"
#include "e2e/driver/Windows.h"

namespace {

constexpr size_t cellUnits = 1024;

// A block of memory in another process, freed with its owner.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    char* get() const { return static_cast<char*>(address_); }

private:
    HANDLE process_;
    void* address_;
};

int columnCount(HWND list) {
    const auto header = sendBounded(list, LVM_GETHEADER, 0, 0);
    if (!header || *header == 0) return 1;
    const auto count = sendBounded(reinterpret_cast<HWND>(*header), HDM_GETITEMCOUNT, 0, 0);
    return count && *count > 0 ? static_cast<int>(*count) : 1;
}

std::optional<std::wstring> readCell(HANDLE process, const RemoteMemory& memory, HWND list, int row, int column) {
    char* remoteItem = memory.get();
    char* remoteText = remoteItem + sizeof(LVITEMW);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iSubItem = column;
    item.pszText = reinterpret_cast<LPWSTR>(remoteText);
    item.cchTextMax = cellUnits;
    if (!WriteProcessMemory(process, remoteItem, &item, sizeof item, nullptr)) return std::nullopt;
    const auto length = sendBounded(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remoteItem));
    if (!length) return std::nullopt;
    std::wstring text(cellUnits, L'\0');
    if (!ReadProcessMemory(process, remoteText, text.data(), cellUnits * sizeof(wchar_t), nullptr)) return std::nullopt;
    text.resize(std::min(text.find(L'\0'), cellUnits));
    return text;
}

}  // namespace

std::optional<ListRows> readListView(HWND list) {
    DWORD pid = 0;
    GetWindowThreadProcessId(list, &pid);
    const UniqueHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!process) return std::nullopt;
    const RemoteMemory memory(process.get(), sizeof(LVITEMW) + cellUnits * sizeof(wchar_t));
    if (memory.get() == nullptr) return std::nullopt;
    const auto rowCount = sendBounded(list, LVM_GETITEMCOUNT, 0, 0);
    if (!rowCount) return std::nullopt;
    const int columns = columnCount(list);
    ListRows rows;
    for (int row = 0; row < static_cast<int>(*rowCount); ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            auto cell = readCell(process.get(), memory, list, row, column);
            if (!cell) return std::nullopt;
            cells.push_back(std::move(*cell));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}
