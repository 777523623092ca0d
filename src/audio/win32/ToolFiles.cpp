#include "audio/win32/ToolFiles.h"

#include "data/DataFileRead.h"
#include "data/win32/Win32FileSystem.h"

namespace {

bool hasDigest(FileSystem& fs, std::u16string_view path, const Md5Digest& expected) {
    ErrorCode error = errorSuccess;
    const auto file = openForRead(fs, path, error);
    if (!file) return false;
    Md5State state;
    md5Start(state);
    unsigned char block[1024];
    for (;;) {
        std::size_t got = 0;
        if (file->read(block, sizeof block, got) != errorSuccess) return false;
        md5Update(state, block, got);
        if (got < sizeof block) break;
    }
    return md5Finish(state) == expected;
}

}  // namespace

std::vector<std::u16string> checkToolFiles(FileSystem& fs, std::u16string_view exeDir,
                                           std::span<const ToolFileDigest> files) {
    std::vector<std::u16string> failed;
    for (const ToolFileDigest& file : files) {
        if (!hasDigest(fs, joinPath(exeDir, file.relativePath), file.digest)) failed.emplace_back(file.relativePath);
    }
    return failed;
}

std::vector<std::u16string> checkToolFiles(std::u16string_view exeDir) {
    Win32FileSystem fs;
    return checkToolFiles(fs, exeDir, shippedToolFiles());
}
