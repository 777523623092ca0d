#include "audio/win32/SystemErrorText.h"

#include <windows.h>

#include <errors.h>

#include <cwchar>

#include "winutil/WideText.h"

std::u16string systemErrorText(std::int32_t code) {
    wchar_t buffer[257] = {};
    AMGetErrorTextW(static_cast<HRESULT>(code), buffer, 257);
    const std::u16string text = fromWide(std::wstring_view(buffer, wcsnlen(buffer, 256)));
    const auto first = text.find_first_not_of(u"\r\n");
    if (first == std::u16string::npos) return {};
    return text.substr(first, text.find_last_not_of(u"\r\n") - first + 1);
}
