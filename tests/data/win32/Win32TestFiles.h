#pragma once
// Raw Win32 file helpers for the tests: they set up and inspect files without going
// through the code under test.
#include <windows.h>

#include <string>
#include <string_view>

#include "winutil/WideText.h"
#include "winutil/UniqueHandle.h"

// The file as "another program" holds it: opened for reading and writing, shared with nobody.
inline UniqueFileHandle holdExclusively(std::u16string_view path) {
    return UniqueFileHandle(CreateFileW(toWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
}

inline bool writeRaw(std::u16string_view path, std::string_view bytes) {
    const UniqueFileHandle file(CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// The whole file, or "<unreadable>".
inline std::string readRaw(std::u16string_view path) {
    const UniqueFileHandle file(CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return "<unreadable>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

inline DWORD attributesOf(std::u16string_view path) {
    return GetFileAttributesW(toWide(path).c_str());
}
