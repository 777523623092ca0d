#include "lvtxctl/MusicFolder.h"

#include "data/FileSystem.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

#include <climits>

#include "data/Text.h"
#endif

namespace {

std::u16string toolPath() {
#ifdef _WIN32
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return {reinterpret_cast<const char16_t*>(path), length};
#else
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    return length > 0 ? fromUtf8(std::string_view(path, static_cast<std::size_t>(length))) : std::u16string();
#endif
}

}  // namespace

std::u16string musicDirBesideTool() {
    return joinPath(parentFolder(toolPath()), u"music");
}
