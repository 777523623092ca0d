#include "lvtxctl/Platform.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <bcrypt.h>

#include <cstdio>

#include "data/win32/Win32FileSystem.h"

FileSystem& platformFileSystem() {
    static Win32FileSystem fs;
    return fs;
}

std::u16string toolPath() {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return {reinterpret_cast<const char16_t*>(path), length};
}

void prepareConsole() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

namespace {

class SystemRandomBytes : public RandomBytes {
public:
    bool fill(std::span<std::uint8_t> bytes) override {
        return BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(bytes.size()), BCRYPT_USE_SYSTEM_PREFERRED_RNG) >= 0;
    }
};

}  // namespace

RandomBytes& platformRandom() {
    static SystemRandomBytes random;
    return random;
}
