#include "web/LogTail.h"

#include <algorithm>
#include <deque>

#include "data/DataFileRead.h"

std::vector<std::u16string> lastLogLines(FileSystem& fs, std::u16string_view logPath, int count) {
    count = std::clamp(count, 1, maxLogTailLines);
    ErrorCode error = errorSuccess;
    const auto file = openForRead(fs, logPath, error);
    if (!file) return {};

    std::deque<std::u16string> lines;
    std::u16string line;
    bool first = true;
    std::uint8_t buffer[8192];
    std::size_t carried = 0;  // an odd byte waiting for its partner
    while (true) {
        std::size_t got = 0;
        const std::size_t wanted = sizeof buffer - carried;
        if (file->read(buffer + carried, wanted, got) != errorSuccess) return {};
        const std::size_t size = carried + got;
        std::size_t at = 0;
        for (; at + 1 < size; at += 2) {
            const char16_t unit = static_cast<char16_t>(buffer[at] | buffer[at + 1] << 8);
            if (first) {
                first = false;
                if (unit == u'\xFEFF') continue;
            }
            if (unit == u'\n') {
                if (!line.empty() && line.back() == u'\r') line.pop_back();
                lines.push_back(std::move(line));
                line.clear();
                if (lines.size() > static_cast<std::size_t>(count)) lines.pop_front();
            } else {
                line += unit;
            }
        }
        carried = size - at;
        if (carried != 0) buffer[0] = buffer[at];
        if (got < wanted) break;
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
        if (lines.size() > static_cast<std::size_t>(count)) lines.pop_front();
    }
    return {lines.begin(), lines.end()};
}
