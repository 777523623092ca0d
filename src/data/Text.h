#pragma once
// UTF-16 text helpers shared by every record type: fixed-width buffers, trimming,
// the case-insensitive comparison of names, %s substitution and UTF-8 conversion.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The text held by a fixed-width buffer: everything before its first NUL.
std::u16string_view fixedView(const char16_t* buffer, std::size_t capacity);

template <std::size_t N>
std::u16string_view fixedView(const char16_t (&buffer)[N]) {
    return fixedView(buffer, N);
}

// Copies at most N-1 units and zero-fills the rest, so the buffer always ends in NUL.
void setFixed(char16_t* buffer, std::size_t capacity, std::u16string_view text);

template <std::size_t N>
void setFixed(char16_t (&buffer)[N], std::u16string_view text) {
    setFixed(buffer, N, text);
}

// The blanks removed at both ends of every text taken from an edit field.
inline constexpr std::u16string_view trimChars = u"\r\n\u3000 \t\v\f\u00A0\u200B";
std::u16string_view trimText(std::u16string_view text);

// ASCII letters fold to lower case; every other unit compares by value.
int compareNoCase(std::u16string_view a, std::u16string_view b);
bool equalsNoCase(std::u16string_view a, std::u16string_view b);
bool startsWithNoCase(std::u16string_view text, std::u16string_view prefix);

// Replaces each "%s" of the pattern, in order, by the next argument.
std::u16string formatText(std::u16string_view pattern, std::initializer_list<std::u16string_view> args);

// Decimal rendering of a number, left-padded with zeros to at least `width` digits ("%.Nd").
std::u16string formatNumber(std::int64_t value, int width = 1);

// Invalid sequences become U+FFFD.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);
