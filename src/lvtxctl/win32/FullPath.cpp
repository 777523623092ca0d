#include "lvtxctl/FullPath.h"

#include <windows.h>

#include "winutil/WideText.h"

std::u16string fullPath(std::u16string_view path) {
    if (path.empty()) return {};
    const std::wstring wide = toWide(path);
    // Asked with no buffer, the call gives the size the full path needs, its NUL included.
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return std::u16string(path);
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return std::u16string(path);
    full.resize(length);
    // "C:\data\" names the folder "C:\data"; "C:\" stays the drive's root.
    while (full.size() > 1 && (full.back() == L'\\' || full.back() == L'/') && full[full.size() - 2] != L':') {
        full.pop_back();
    }
    return fromWide(full);
}
