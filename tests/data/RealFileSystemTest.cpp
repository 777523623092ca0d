// The envelope on the platform's real file system (POSIX natively, Win32 under Wine).
#include <gtest/gtest.h>

#include <cstring>

#include "data/FolderRepair.h"
#include "support/ProgramSamples.h"
#include "support/RecordingPrompt.h"
#include "support/TempFolder.h"

namespace {

struct RealDataFolder {
    TempFolder temp;
    std::unique_ptr<FileSystem> fs = makeRealFileSystem();
    std::u16string shellFolder = temp / u"Roaming";
    std::u16string dataDir = joinPath(shellFolder, u"lvtx.10");
    std::u16string file = joinPath(dataDir, programsFileName);
    DataFolder folder{*fs, shellFolder, dataDir};
    RecordingPrompt prompt;
    bool readFailed = false;

    DataFileContext programsFile() { return {folder, file, &prompt, &readFailed}; }

    std::vector<std::uint8_t> bytesOf(const std::u16string& path) {
        ErrorCode error = 0;
        auto handle = fs->open(path, OpenMode::read, error);
        std::vector<std::uint8_t> bytes;
        if (!handle) return bytes;
        std::uint8_t chunk[4096];
        std::size_t got = 0;
        while (handle->read(chunk, sizeof chunk, got) == errorSuccess && got > 0) bytes.insert(bytes.end(), chunk, chunk + got);
        return bytes;
    }

    void write(const std::u16string& path, const std::vector<std::uint8_t>& bytes) {
        ErrorCode error = 0;
        auto handle = fs->open(path, OpenMode::writeTruncate, error);
        ASSERT_TRUE(handle) << error;
        ASSERT_EQ(handle->write(bytes.data(), bytes.size()), errorSuccess);
    }
};

}  // namespace

TEST(RealDataFile, SaveCreatesTheFoldersAndLoadReadsTheSameRecords) {
    RealDataFolder data;
    const std::vector<ProgramRecord> programs{sampleProgram(u"上课铃"), sampleProgram(u"眼保健操", 10)};
    ASSERT_TRUE(savePrograms(data.programsFile(), programs).ok);
    EXPECT_EQ(data.bytesOf(data.file), programsFileBytes(programs));
    EXPECT_FALSE(data.fs->status(tempPathOf(data.file)).exists);

    std::vector<ProgramRecord> loaded;
    ASSERT_TRUE(loadPrograms(data.programsFile(), loaded).ok());
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(std::memcmp(&loaded[1], &programs[1], sizeof(ProgramRecord)), 0);
    EXPECT_TRUE(data.prompt.messages.empty());
}

TEST(RealDataFile, TheCompanionAloneIsReadAndRenamedByTheNextSave) {
    RealDataFolder data;
    ASSERT_EQ(ensureDataFolder(*data.fs, data.shellFolder, data.dataDir), errorSuccess);
    data.write(tempPathOf(data.file), programsFileBytes({sampleProgram(u"a")}));
    std::vector<ProgramRecord> loaded;
    ASSERT_TRUE(loadPrograms(data.programsFile(), loaded).ok());
    ASSERT_EQ(loaded.size(), 1u);
    loaded.push_back(sampleProgram(u"b"));
    ASSERT_TRUE(savePrograms(data.programsFile(), loaded).ok);
    EXPECT_EQ(data.bytesOf(data.file), programsFileBytes(loaded));
    EXPECT_FALSE(data.fs->status(tempPathOf(data.file)).exists);
}

TEST(RealDataFile, AFolderNamedLikeTheFileIsRemovedWithItsContentOnSave) {
    RealDataFolder data;
    ASSERT_EQ(ensureDataFolder(*data.fs, data.shellFolder, data.dataDir), errorSuccess);
    ASSERT_EQ(data.fs->createFolder(data.file), errorSuccess);
    ASSERT_EQ(data.fs->createFolder(joinPath(data.file, u"inner")), errorSuccess);
    data.write(joinPath(joinPath(data.file, u"inner"), u"x.txt"), {1, 2});
    std::vector<ProgramRecord> loaded{sampleProgram(u"stale")};
    ASSERT_TRUE(loadPrograms(data.programsFile(), loaded).ok());
    EXPECT_TRUE(loaded.empty());

    const std::vector<ProgramRecord> programs{sampleProgram(u"a")};
    ASSERT_TRUE(savePrograms(data.programsFile(), programs).ok);
    const PathStatus status = data.fs->status(data.file);
    EXPECT_TRUE(status.exists);
    EXPECT_FALSE(status.isFolder);
    EXPECT_EQ(data.bytesOf(data.file), programsFileBytes(programs));
}

TEST(RealDataFile, ErrorCodesOfMissingPaths) {
    RealDataFolder data;
    EXPECT_EQ(data.fs->status(data.temp / u"none").error, errorFileNotFound);
    EXPECT_EQ(data.fs->status(joinPath(data.temp / u"none", u"x")).error, errorPathNotFound);
    ErrorCode error = 0;
    EXPECT_FALSE(data.fs->open(data.temp / u"none", OpenMode::read, error));
    EXPECT_EQ(error, errorFileNotFound);
    EXPECT_EQ(data.fs->deleteFile(data.temp / u"none"), errorFileNotFound);
}
