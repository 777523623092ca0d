#pragma once
// The UTF-16LE bytes of a text, as the log file and the registry's string values hold it.
#include <cstdint>
#include <string_view>
#include <vector>

inline std::vector<std::uint8_t> utf16le(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

// With the terminating NUL that a REG_SZ value counts.
inline std::vector<std::uint8_t> utf16leWithNul(std::u16string_view text) {
    std::vector<std::uint8_t> bytes = utf16le(text);
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}
