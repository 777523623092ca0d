// The start-up read: the file, its companion or nothing, and the access repair on the way.
#include <gtest/gtest.h>

#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

TEST(DataFileRead, NeitherFileNorCompanionIsAnEmptyListWithoutMessage) {
    MemoryDataFolder data;
    data.programs.push_back(sampleProgram(u"stale"));
    EXPECT_TRUE(data.load().ok());
    EXPECT_TRUE(data.programs.empty());
    EXPECT_TRUE(data.prompt.messages.empty());
    EXPECT_FALSE(data.readFailed);
}

TEST(DataFileRead, AMissingDataFolderIsNoFailure) {
    MemoryDataFolder data;
    data.fs.folders.clear();
    EXPECT_TRUE(data.load().ok());
    EXPECT_FALSE(data.readFailed);
}

TEST(DataFileAccess, DeniedReadIsRepairedOnFolderAndFileThenRead) {
    MemoryDataFolder data;
    data.fs.addFile(data.file, programsFileBytes({sampleProgram(u"a")}));
    data.fs.denied.insert(data.file);
    ASSERT_TRUE(data.load().ok());
    EXPECT_EQ(data.programs.size(), 1u);
    EXPECT_EQ(data.fs.repaired, (std::vector<std::u16string>{data.dataDir, data.file}));
}

TEST(DataFileAccess, DeniedFolderCheckIsRepairedOnceAndNotAgainOnOpen) {
    MemoryDataFolder data;
    data.fs.addFile(data.file, programsFileBytes({sampleProgram(u"a")}));
    data.fs.denied.insert(data.dataDir);
    ASSERT_TRUE(data.load().ok());
    EXPECT_EQ(data.fs.repaired, (std::vector<std::u16string>{data.dataDir}));
}

TEST(DataFileBusy, ReadingAFileHeldByAnotherProgram) {
    MemoryDataFolder data;
    data.fs.addFile(data.file, programsFileBytes({sampleProgram(u"a")}));
    data.fs.busy.insert(data.file);
    const ReadResult read = data.load();
    EXPECT_EQ(read.code, errorSharingViolation);
    EXPECT_TRUE(data.readFailed);
    ASSERT_EQ(data.prompt.messages.size(), 1u);
    EXPECT_EQ(data.prompt.messages[0].text,
              u"读文件失败：\n" + data.file +
                  u"\n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n专家在线 - 主界面左侧点 {帮助栏}");
}
