#include "ui/win32/TimedPlayLists.h"

#include <commctrl.h>

#include "ui/ProgramCells.h"
#include "ui/win32/ListViewText.h"

std::u16string ProgramListCells::validityText(int row) {
    return listCellText(list_, row, statusColumn);
}

void ProgramListCells::setValidityText(int row, std::u16string_view text) {
    setListCell(list_, row, statusColumn, text);
}

void NowPlayingRows::appendRow(std::u16string_view name) {
    appendListRow(list_, name);
}

void NowPlayingRows::setCell(int row, int column, std::u16string_view text) {
    setListCell(list_, row, column, text);
}

void NowPlayingRows::deleteRow(int row) {
    ListView_DeleteItem(list_, row);
}

void NowPlayingRows::clear() {
    ListView_DeleteAllItems(list_);
}

std::size_t LogListRows::rowCount() const {
    return static_cast<std::size_t>(listRowCount(list_));
}

void LogListRows::removeAllRows() {
    ListView_DeleteAllItems(list_);
}

void LogListRows::addRowInView(std::u16string_view time, std::u16string_view text) {
    const int row = appendListRow(list_, time);
    if (row < 0) return;
    setListCell(list_, row, 1, text);
    ListView_EnsureVisible(list_, row, FALSE);
}

void writeProgramRow(HWND list, int row, const ProgramRecord& program, const DateTime& now) {
    const auto cells = programRowCells(program, now);
    for (std::size_t column = 0; column < cells.size(); ++column) {
        setListCell(list, row, static_cast<int>(column), cells[column]);
    }
}

void rebuildProgramList(HWND list, const std::vector<ProgramRecord>& programs, const DateTime& now) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (const ProgramRecord& program : programs) {
        const int row = appendListRow(list, u"");
        if (row >= 0) writeProgramRow(list, row, program, now);
    }
    deselectAllListRows(list);
    if (!programs.empty()) ListView_EnsureVisible(list, 0, FALSE);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}
