// The append open mode and the size of an open file, on the platform's real file system.
#include <gtest/gtest.h>

#include <string>

#include "support/TempFolder.h"

namespace {

std::string contentOf(FileSystem& fs, const std::u16string& path) {
    ErrorCode error = 0;
    auto file = fs.open(path, OpenMode::read, error);
    if (!file) return "<unreadable>";
    char buffer[64] = {};
    std::size_t got = 0;
    file->read(buffer, sizeof buffer, got);
    return std::string(buffer, got);
}

}  // namespace

TEST(AppendMode, CreatesAMissingFileAndWritesEveryTimeAtTheEnd) {
    TempFolder temp;
    const auto fs = makeRealFileSystem();
    const std::u16string path = temp / u"日志t.txt";
    ErrorCode error = 0;
    {
        auto file = fs->open(path, OpenMode::append, error);
        ASSERT_TRUE(file) << error;
        ASSERT_EQ(file->write("ab", 2), errorSuccess);
    }
    {
        auto file = fs->open(path, OpenMode::append, error);
        ASSERT_TRUE(file) << error;
        std::uint64_t size = 0;
        ASSERT_EQ(file->size(size), errorSuccess);
        EXPECT_EQ(size, 2u);
        ASSERT_EQ(file->write("cd", 2), errorSuccess);
        ASSERT_EQ(file->write("e", 1), errorSuccess);
        ASSERT_EQ(file->size(size), errorSuccess);
        EXPECT_EQ(size, 5u);
    }
    EXPECT_EQ(contentOf(*fs, path), "abcde");
}
