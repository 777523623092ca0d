#pragma once
// The UTF-16 text of the data layer at the edge of the wide Win32 API. wchar_t is
// 16 bits on Windows, so the units are the same and only the type differs.
#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide Win32 API needs a 16-bit wchar_t");

// A NUL-terminated copy for the API calls that take a const wchar_t*.
std::wstring toWide(std::u16string_view text);
std::u16string fromWide(std::wstring_view text);
// A null pointer gives the empty text.
std::u16string fromWide(const wchar_t* text);

// Equal ignoring case as Windows folds it (ordinal, every script), as device names compare.
bool sameTextIgnoringCase(std::u16string_view a, std::u16string_view b);
