#pragma once
// Reads the play log "日志t.txt": UTF-16LE after the byte-order mark FF FE, one line per
// event, "YYYY-MM-DD HH:MM:SS", three spaces, the text, CR LF.
#include <optional>
#include <string>
#include <vector>

struct LogLine {
    std::wstring time;
    std::wstring text;
    bool operator==(const LogLine&) const = default;
};

// The lines of a log file's bytes; none when the mark is missing or a line breaks the format.
std::optional<std::vector<LogLine>> parseLogFile(const std::string& bytes);
