#pragma once
// The log file "日志t.txt" in DataDir: UTF-16LE lines behind the byte-order mark FF FE,
// opened, written and closed for each line so another program may read it at any time.
#include <cstdint>
#include <string>
#include <string_view>

#include "data/DataFile.h"
#include "data/DateTime.h"

inline constexpr std::u16string_view logFileName = u"日志t.txt";
// A file holding more bytes than this before a line is written is started afresh.
inline constexpr std::uint64_t maxLogSizeToAppend = 2'097'151;
// The failure message is cut to this many units, keeping its on-screen row bounded.
inline constexpr std::size_t maxLogMessageUnits = 2047;

// "YYYY-MM-DD HH:MM:SS": the event time of a file line and of an on-screen row alike.
std::u16string formatLogTime(const DateTime& time);

struct LogAppend {
    bool ok = false;
    std::u16string message;  // why the line was lost, naming the log path
};

// Appends "time   text" CR LF, creating DataDir and the file when missing. A file without the
// mark, or past the size limit, is truncated first: the log keeps no second file.
LogAppend appendLogLine(const DataFolder& folder, std::u16string_view logPath, const DateTime& time,
                        std::u16string_view text);
