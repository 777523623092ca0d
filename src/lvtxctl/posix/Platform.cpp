#include "lvtxctl/Platform.h"

#include <fcntl.h>
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

namespace {

class UrandomBytes : public RandomBytes {
public:
    bool fill(std::span<std::uint8_t> bytes) override {
        const int file = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
        if (file < 0) return false;
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = read(file, bytes.data() + got, bytes.size() - got);
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        close(file);
        return got == bytes.size();
    }
};

}  // namespace

RandomBytes& platformRandom() {
    static UrandomBytes random;
    return random;
}
