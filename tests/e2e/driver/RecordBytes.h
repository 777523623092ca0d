#pragma once
// Fields of the data files' fixed-size records, little-endian as Windows lays them out:
// 32-bit integers and NUL-terminated UTF-16 texts of a fixed number of units.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

inline void putInt(std::string& record, size_t offset, std::int32_t value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}

// At most `units` - 1 characters, so the text always ends in NUL.
inline void putText(std::string& record, size_t offset, const std::wstring& text, size_t units) {
    std::memcpy(record.data() + offset, text.data(), std::min(text.size(), units - 1) * sizeof(wchar_t));
}

inline std::int32_t intAt(const char* record, size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

// The text before the first NUL, or all `units` when there is none.
inline std::wstring textAt(const char* record, size_t offset, size_t units) {
    std::wstring text(units, L'\0');
    std::memcpy(text.data(), record + offset, units * sizeof(wchar_t));
    text.resize(std::min(text.find(L'\0'), units));
    return text;
}
