#pragma once
// Reads the cells of a list view that belongs to another process: the item structure and the
// text buffer live in that process's memory, because the list view fills them there.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

using ListRows = std::vector<std::vector<std::wstring>>;

// Every row's cells, one per column; none when the process or the list cannot be read.
std::optional<ListRows> readListView(HWND list);
