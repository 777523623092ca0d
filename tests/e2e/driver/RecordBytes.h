#pragma once
// Little-endian integers and fixed-width UTF-16 fields of the data files' records, placed in
// and read from byte strings by offset.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

inline void putInt(std::string& record, size_t offset, std::int32_t value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}

// At most `units` - 1 characters, the rest of the field stays zero.
inline void putText(std::string& record, size_t offset, const std::wstring& text, size_t units) {
    std::memcpy(record.data() + offset, text.data(), std::min(text.size(), units - 1) * sizeof(wchar_t));
}

inline std::int32_t intAt(const char* record, size_t offset) {
    std::int32_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

// The field's text up to its first NUL.
inline std::wstring textAt(const char* record, size_t offset, size_t units) {
    std::wstring text(units, L'\0');
    std::memcpy(text.data(), record + offset, units * sizeof(wchar_t));
    text.resize(text.find(L'\0') == std::wstring::npos ? units : text.find(L'\0'));
    return text;
}
