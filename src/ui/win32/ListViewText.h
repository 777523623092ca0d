#pragma once
// Report-view list controls addressed by row and column with UTF-16 texts.
#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/ListColumns.h"

// Full-row selection and the columns, their widths multiplied by `uiScale`.
void setUpListView(HWND list, std::span<const ListColumn> columns, double uiScale);

// Full-row selection and the columns, each `width` percent of the list's client width.
void setUpListViewByShares(HWND list, std::span<const ListColumn> columns);
// The same shares again, after the list changed its width.
void fitColumnShares(HWND list, std::span<const ListColumn> columns);

int listRowCount(HWND list);
// Appends a row whose first cell is `text`; returns its index, or -1.
int appendListRow(HWND list, std::u16string_view text);
void setListCell(HWND list, int row, int column, std::u16string_view text);
std::u16string listCellText(HWND list, int row, int column);
// The selected rows, ascending.
std::vector<int> selectedListRows(HWND list);
void deselectAllListRows(HWND list);
