// The Win32 file operations against the real file system: results and the error
// codes the data-file rules tell apart (2, 3, 5, 32).
#include "data/win32/Win32FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/win32/Win32TestFiles.h"
#include "support/TempFolder.h"
#include "winutil/UniqueHandle.h"

namespace {

constexpr ErrorCode alreadyExists = ERROR_ALREADY_EXISTS;
constexpr ErrorCode folderNotEmpty = ERROR_DIR_NOT_EMPTY;

class Win32FileSystemTest : public ::testing::Test {
protected:
    Win32FileSystem fs;
    TempFolder temp;
};

std::vector<FolderItem> sortedListing(FileSystem& fs, std::u16string_view folder, ErrorCode& error) {
    std::vector<FolderItem> items{{u"left over", false}};
    error = fs.listFolder(folder, items);
    std::sort(items.begin(), items.end(), [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
    return items;
}

TEST_F(Win32FileSystemTest, StatusTellsFilesFromFoldersAndWhyAPathIsMissing) {
    ASSERT_TRUE(writeRaw(temp / u"定时播t", "x"));
    ASSERT_EQ(fs.createFolder(temp / u"目录"), errorSuccess);

    const PathStatus file = fs.status(temp / u"定时播t");
    EXPECT_TRUE(file.exists);
    EXPECT_FALSE(file.isFolder);
    EXPECT_EQ(file.error, errorSuccess);

    const PathStatus folder = fs.status(temp / u"目录");
    EXPECT_TRUE(folder.exists);
    EXPECT_TRUE(folder.isFolder);

    const PathStatus missing = fs.status(temp / u"没有");
    EXPECT_FALSE(missing.exists);
    EXPECT_EQ(missing.error, errorFileNotFound);

    const PathStatus missingParent = fs.status(temp / u"没有\\定时播t");
    EXPECT_FALSE(missingParent.exists);
    EXPECT_EQ(missingParent.error, errorPathNotFound);
}

TEST_F(Win32FileSystemTest, WrittenBytesReplaceTheOldAndReadBackUpToAShortReadAtTheEnd) {
    const std::u16string path = temp / u"数据";
    ASSERT_TRUE(writeRaw(path, std::string(400000, 'o')));
    std::string large(300000, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 % 251);
    {
        ErrorCode error = 99;
        auto file = fs.open(path, OpenMode::writeTruncate, error);
        ASSERT_TRUE(file);
        EXPECT_EQ(error, errorSuccess);
        EXPECT_EQ(file->write("head", 4), errorSuccess);
        EXPECT_EQ(file->write(large.data(), large.size()), errorSuccess);
        EXPECT_EQ(file->flush(), errorSuccess);
    }
    EXPECT_EQ(readRaw(path), "head" + large);

    ErrorCode error = 99;
    auto file = fs.open(path, OpenMode::read, error);
    ASSERT_TRUE(file);
    EXPECT_EQ(error, errorSuccess);
    std::string head(4, '\0');
    std::size_t got = 0;
    EXPECT_EQ(file->read(head.data(), head.size(), got), errorSuccess);
    EXPECT_EQ(got, 4u);
    EXPECT_EQ(head, "head");

    std::string rest(large.size() + 100, '\0');
    EXPECT_EQ(file->read(rest.data(), rest.size(), got), errorSuccess);
    ASSERT_EQ(got, large.size());
    EXPECT_EQ(rest.substr(0, got), large);
    EXPECT_EQ(file->read(rest.data(), rest.size(), got), errorSuccess);
    EXPECT_EQ(got, 0u);
}

TEST_F(Win32FileSystemTest, OpenReportsAMissingFileAndAMissingFolder) {
    ErrorCode error = 0;
    EXPECT_FALSE(fs.open(temp / u"没有", OpenMode::read, error));
    EXPECT_EQ(error, errorFileNotFound);
    EXPECT_FALSE(fs.open(temp / u"没有\\定时播t", OpenMode::writeTruncate, error));
    EXPECT_EQ(error, errorPathNotFound);
}

TEST_F(Win32FileSystemTest, RenameMovesAFileButNeverReplacesOne) {
    const std::u16string from = temp / u"定时播tTmp";
    const std::u16string to = temp / u"定时播t";
    const std::u16string other = temp / u"其他";
    ASSERT_TRUE(writeRaw(from, "new"));
    ASSERT_TRUE(writeRaw(other, "other"));

    EXPECT_EQ(fs.renameFile(from, to), errorSuccess);
    EXPECT_EQ(fs.status(from).error, errorFileNotFound);
    EXPECT_EQ(readRaw(to), "new");

    EXPECT_EQ(fs.renameFile(to, other), alreadyExists);
    EXPECT_EQ(readRaw(other), "other");
    EXPECT_EQ(readRaw(to), "new");

    EXPECT_EQ(fs.renameFile(from, to), errorFileNotFound);
}

TEST_F(Win32FileSystemTest, AReadOnlyFileIsDeletedOnlyAfterItsAttributesAreNormal) {
    const std::u16string path = temp / u"节假日t";
    ASSERT_TRUE(writeRaw(path, "x"));
    ASSERT_TRUE(SetFileAttributesW(toWide(path).c_str(),
                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    EXPECT_EQ(fs.deleteFile(path), errorAccessDenied);
    EXPECT_EQ(fs.setNormalAttributes(path), errorSuccess);
    EXPECT_EQ(attributesOf(path) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), 0u);
    EXPECT_EQ(fs.deleteFile(path), errorSuccess);

    EXPECT_EQ(fs.deleteFile(path), errorFileNotFound);
    EXPECT_EQ(fs.setNormalAttributes(path), errorFileNotFound);
}

TEST_F(Win32FileSystemTest, FoldersAreCreatedListedAndRemovedOnlyWhenEmpty) {
    const std::u16string folder = temp / u"lvtx.10";
    EXPECT_EQ(fs.createFolder(folder), errorSuccess);
    EXPECT_EQ(fs.createFolder(folder), alreadyExists);
    EXPECT_EQ(fs.createFolder(temp / u"没有\\lvtx.10"), errorPathNotFound);

    ErrorCode error = 99;
    EXPECT_TRUE(sortedListing(fs, folder, error).empty());
    EXPECT_EQ(error, errorSuccess);

    ASSERT_TRUE(writeRaw(joinPath(folder, u"甲.txt"), "x"));
    ASSERT_EQ(fs.createFolder(joinPath(folder, u"乙")), errorSuccess);
    for (const std::u16string& spelling : {folder, folder + u"\\"}) {
        const std::vector<FolderItem> items = sortedListing(fs, spelling, error);
        EXPECT_EQ(error, errorSuccess);
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].name, u"乙");
        EXPECT_TRUE(items[0].isFolder);
        EXPECT_EQ(items[1].name, u"甲.txt");
        EXPECT_FALSE(items[1].isFolder);
    }

    EXPECT_EQ(fs.removeFolder(folder), folderNotEmpty);
    ASSERT_EQ(fs.deleteFile(joinPath(folder, u"甲.txt")), errorSuccess);
    ASSERT_EQ(fs.removeFolder(joinPath(folder, u"乙")), errorSuccess);
    EXPECT_EQ(fs.removeFolder(folder), errorSuccess);
    EXPECT_FALSE(fs.status(folder).exists);

    sortedListing(fs, folder, error);
    EXPECT_EQ(error, errorPathNotFound);
    EXPECT_EQ(fs.removeFolder(folder), errorFileNotFound);
}

TEST_F(Win32FileSystemTest, AFileHeldWithoutSharingGivesSharingViolations) {
    const std::u16string path = temp / u"定时播t";
    ASSERT_TRUE(writeRaw(path, "old"));
    UniqueFileHandle hold = holdExclusively(path);
    ASSERT_TRUE(hold);

    ErrorCode error = 0;
    EXPECT_FALSE(fs.open(path, OpenMode::read, error));
    EXPECT_EQ(error, errorSharingViolation);
    EXPECT_FALSE(fs.open(path, OpenMode::writeTruncate, error));
    EXPECT_EQ(error, errorSharingViolation);
    EXPECT_EQ(fs.deleteFile(path), errorSharingViolation);
    EXPECT_EQ(fs.renameFile(path, temp / u"别处"), errorSharingViolation);
    EXPECT_TRUE(fs.status(path).exists);

    hold.reset();
    EXPECT_TRUE(fs.open(path, OpenMode::read, error));
    EXPECT_EQ(readRaw(path), "old");
}

// A reader never keeps the save from writing the companion; nothing deletes a file in use;
// closing a handle (once, by its owner) lets the delete through.
TEST_F(Win32FileSystemTest, OurHandlesShareReadingAndWritingButNotDeleting) {
    const std::u16string path = temp / u"定时播tTmp";
    ErrorCode error = 99;
    auto writer = fs.open(path, OpenMode::writeTruncate, error);
    ASSERT_TRUE(writer);
    auto reader = fs.open(path, OpenMode::read, error);
    EXPECT_TRUE(reader);
    EXPECT_FALSE(fs.open(path, OpenMode::writeTruncate, error));
    EXPECT_EQ(error, errorSharingViolation);
    EXPECT_EQ(fs.deleteFile(path), errorSharingViolation);

    writer.reset();
    EXPECT_TRUE(fs.open(path, OpenMode::writeTruncate, error));
    EXPECT_EQ(fs.deleteFile(path), errorSharingViolation);
    reader.reset();
    EXPECT_EQ(fs.deleteFile(path), errorSuccess);
}

TEST(Win32SystemMessageTest, IsTheSystemTextWithoutLineBreaksAtTheEnds) {
    Win32FileSystem fs;
    for (const ErrorCode code : {errorFileNotFound, errorPathNotFound, errorAccessDenied, errorSharingViolation}) {
        const std::u16string text = fs.systemMessage(code);
        ASSERT_FALSE(text.empty()) << code;
        EXPECT_LE(text.size(), 255u);
        for (const char16_t end : {text.front(), text.back()}) {
            EXPECT_NE(end, u'\r') << code;
            EXPECT_NE(end, u'\n') << code;
        }
    }
    EXPECT_NE(fs.systemMessage(errorFileNotFound), fs.systemMessage(errorAccessDenied));
}

TEST(Win32SystemMessageTest, IsEmptyForACodeTheSystemDoesNotKnow) {
    Win32FileSystem fs;
    EXPECT_TRUE(fs.systemMessage(0x2000ABCDu).empty());
}

}  // namespace
