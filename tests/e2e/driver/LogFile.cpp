#include "e2e/driver/LogFile.h"

#include <cstring>
#include <cwctype>

namespace {

constexpr size_t timeUnits = 19;  // "YYYY-MM-DD HH:MM:SS"

bool isLogTime(std::wstring_view time) {
    constexpr std::wstring_view pattern = L"0000-00-00 00:00:00";
    for (size_t i = 0; i < timeUnits; ++i) {
        if (pattern[i] == L'0' ? !std::iswdigit(time[i]) : time[i] != pattern[i]) return false;
    }
    return true;
}

}  // namespace

std::optional<std::vector<LogLine>> parseLogFile(const std::string& bytes) {
    if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0 || bytes.size() % 2 != 0) return std::nullopt;
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::memcpy(text.data(), bytes.data() + 2, bytes.size() - 2);
    std::vector<LogLine> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) return std::nullopt;
        const std::wstring_view line(text.data() + start, end - start);
        if (line.size() < timeUnits + 3 || !isLogTime(line) || line.substr(timeUnits, 3) != L"   ") return std::nullopt;
        lines.push_back({std::wstring(line.substr(0, timeUnits)), std::wstring(line.substr(timeUnits + 3))});
        start = end + 2;
    }
    return lines;
}
