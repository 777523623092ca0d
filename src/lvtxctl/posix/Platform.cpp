#include "lvtxctl/Platform.h"

#include <unistd.h>

#include <climits>

#include "data/Text.h"
#include "data/posix/PosixFileSystem.h"

FileSystem& platformFileSystem() {
    static PosixFileSystem fs;
    return fs;
}

std::u16string toolPath() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    return length > 0 ? fromUtf8(std::string_view(path, static_cast<std::size_t>(length))) : std::u16string();
}

// Linux writes bytes as they are.
void prepareConsole() {}
