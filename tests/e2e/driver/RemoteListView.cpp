#include "e2e/driver/RemoteListView.h"

#include <commctrl.h>

#include <algorithm>

#include "e2e/driver/RemoteMemory.h"
#include "e2e/driver/Windows.h"

namespace {

constexpr size_t cellUnits = 1024;

int columnCount(HWND list) {
    const auto header = sendBounded(list, LVM_GETHEADER, 0, 0);
    if (!header || *header == 0) return 1;
    const auto count = sendBounded(reinterpret_cast<HWND>(*header), HDM_GETITEMCOUNT, 0, 0);
    return count && *count > 0 ? static_cast<int>(*count) : 1;
}

std::optional<std::wstring> readCell(const RemoteMemory& memory, HWND list, int row, int column) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iSubItem = column;
    item.pszText = reinterpret_cast<LPWSTR>(memory.address() + sizeof(LVITEMW));
    item.cchTextMax = cellUnits;
    if (!memory.write(&item, sizeof item)) return std::nullopt;
    const auto length = sendBounded(list, LVM_GETITEMTEXTW, row, memory.address());
    if (!length) return std::nullopt;
    std::wstring text(cellUnits, L'\0');
    if (!memory.read(text.data(), cellUnits * sizeof(wchar_t), sizeof(LVITEMW))) return std::nullopt;
    text.resize(std::min(text.find(L'\0'), cellUnits));
    return text;
}

}  // namespace

std::optional<ListRows> readListView(HWND list) {
    const RemoteMemory memory(list, sizeof(LVITEMW) + cellUnits * sizeof(wchar_t));
    if (!memory.valid()) return std::nullopt;
    const auto rowCount = sendBounded(list, LVM_GETITEMCOUNT, 0, 0);
    if (!rowCount) return std::nullopt;
    const int columns = columnCount(list);
    ListRows rows;
    for (int row = 0; row < static_cast<int>(*rowCount); ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            auto cell = readCell(memory, list, row, column);
            if (!cell) return std::nullopt;
            cells.push_back(std::move(*cell));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}
