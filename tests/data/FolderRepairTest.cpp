// The data folder made and a folder standing in place of the file removed.
#include <gtest/gtest.h>

#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

TEST(DataFileFolderInPlace, ReadingTreatsItAsAbsentAndSavingReplacesItWithTheFile) {
    MemoryDataFolder data;
    data.fs.addFolder(data.file + u"/sub");
    data.fs.addFile(data.file + u"/sub/x", {1, 2, 3});
    data.fs.addFolder(data.temp);
    EXPECT_TRUE(data.load().ok());
    EXPECT_TRUE(data.prompt.messages.empty());

    data.programs = {sampleProgram(u"a")};
    ASSERT_TRUE(data.save().ok);
    EXPECT_EQ(data.fs.files.at(data.file), programsFileBytes(data.programs));
    EXPECT_EQ(data.fs.folders.count(data.file), 0u);
    EXPECT_EQ(data.fs.folders.count(data.temp), 0u);
    EXPECT_FALSE(data.fs.hasFile(data.file + u"/sub/x"));
}

TEST(DataFileSave, CreatesTheDataFolderAndReplacesAFileHoldingItsName) {
    MemoryDataFolder data;
    data.fs.folders.clear();
    data.fs.addFolder(data.shellFolder);
    data.fs.files[data.dataDir] = {9};  // a plain file where the folder belongs
    data.programs = {sampleProgram(u"a")};
    ASSERT_TRUE(data.save().ok);
    EXPECT_EQ(data.fs.folders.count(data.dataDir), 1u);
    EXPECT_EQ(data.fs.files.at(data.file), programsFileBytes(data.programs));

    MemoryDataFolder fresh;
    fresh.fs.folders.clear();
    ASSERT_TRUE(fresh.save().ok);
    EXPECT_TRUE(fresh.fs.folders.count(u"/users/op/AppData"));
    EXPECT_TRUE(fresh.fs.hasFile(fresh.file));
}
