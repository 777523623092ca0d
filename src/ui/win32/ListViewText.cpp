#include "ui/win32/ListViewText.h"

#include <commctrl.h>

#include "winutil/WideText.h"

namespace {

int columnFormat(ColumnAlign align) {
    switch (align) {
        case ColumnAlign::centre:
            return LVCFMT_CENTER;
        case ColumnAlign::right:
            return LVCFMT_RIGHT;
        case ColumnAlign::left:
            break;
    }
    return LVCFMT_LEFT;
}

}  // namespace

void setUpListView(HWND list, std::span<const ListColumn> columns, double uiScale) {
    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::wstring title = toWide(columns[i].title);
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        column.fmt = columnFormat(columns[i].align);
        column.cx = scaledPixels(columns[i].width, uiScale);
        column.pszText = title.data();
        ListView_InsertColumn(list, static_cast<int>(i), &column);
    }
}

void setUpListViewByShares(HWND list, std::span<const ListColumn> columns) {
    RECT client{};
    GetClientRect(list, &client);
    std::vector<ListColumn> sized(columns.begin(), columns.end());
    for (ListColumn& column : sized) column.width = columnShare(column.width, client.right);
    setUpListView(list, sized, 1.0);
}

void fitColumnShares(HWND list, std::span<const ListColumn> columns) {
    RECT client{};
    GetClientRect(list, &client);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        ListView_SetColumnWidth(list, static_cast<int>(i), columnShare(columns[i].width, client.right));
    }
}

int listRowCount(HWND list) {
    return ListView_GetItemCount(list);
}

int appendListRow(HWND list, std::u16string_view text) {
    std::wstring cell = toWide(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = listRowCount(list);
    item.pszText = cell.data();
    return ListView_InsertItem(list, &item);
}

void setListCell(HWND list, int row, int column, std::u16string_view text) {
    std::wstring cell = toWide(text);
    ListView_SetItemText(list, row, column, cell.data());
}

std::u16string listCellText(HWND list, int row, int column) {
    // The control reports only how much it copied: grow the buffer until the text fits.
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) return fromWide(std::wstring_view(buffer.data(), copied));
        buffer.resize(buffer.size() * 4);
    }
}

std::vector<int> selectedListRows(HWND list) {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

void deselectAllListRows(HWND list) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
}
