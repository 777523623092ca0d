#include "data/win32/SystemMessage.h"

#include <windows.h>

#include <string_view>

#include "data/DataFileTexts.h"
#include "winutil/SystemMemory.h"

std::u16string systemMessageText(ErrorCode code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const UniqueLocalMemory<wchar_t> owned(buffer);
    if (length == 0 || buffer == nullptr) return {};
    return quotedSystemText(std::u16string_view(reinterpret_cast<const char16_t*>(buffer), length));
}
