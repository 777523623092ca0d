#include "data/win32/WideText.h"

std::wstring toWide(std::u16string_view text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

std::u16string fromWide(std::wstring_view text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

std::u16string fromWide(const wchar_t* text) {
    if (text == nullptr) return {};
    return fromWide(std::wstring_view(text));
}
