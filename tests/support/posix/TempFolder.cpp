#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "data/Text.h"
#include "data/posix/PosixFileSystem.h"

std::unique_ptr<FileSystem> makeRealFileSystem() {
    return std::make_unique<PosixFileSystem>();
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lvtx-test-XXXXXX").string();
    path_ = fromUtf8(::mkdtemp(pattern.data()));
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(toUtf8(path_), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(toUtf8(path_), ignored);
}
