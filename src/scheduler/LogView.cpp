#include "scheduler/LogView.h"

void LogRows::showLogRow(std::u16string_view time, std::u16string_view text) {
    if (rowCount() >= maxLogRows) removeAllRows();
    addRowInView(time, text);
}
