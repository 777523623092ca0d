// Saving and reading the programs file through the real Win32 file system, with the
// exact texts the operator sees when another program holds the file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/FolderRepair.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "data/win32/Win32FileSystem.h"
#include "data/win32/Win32TestFiles.h"
#include "support/RecordingPrompt.h"
#include "support/TempFolder.h"
#include "winutil/UniqueHandle.h"

namespace {

std::vector<ProgramRecord> programsNamed(std::initializer_list<std::u16string_view> names) {
    std::vector<ProgramRecord> programs;
    for (const std::u16string_view name : names) {
        ProgramRecord program = defaultProgram();
        setFixed(program.name, name);
        programs.push_back(program);
    }
    return programs;
}

std::vector<std::u16string> namesOf(const std::vector<ProgramRecord>& programs) {
    std::vector<std::u16string> names;
    for (const ProgramRecord& program : programs) names.emplace_back(fixedView(program.name));
    return names;
}

class Win32DataFileTest : public ::testing::Test {
protected:
    // The programs as a fresh start-up reads them back.
    std::vector<std::u16string> reloadedNames() {
        std::vector<ProgramRecord> programs;
        const ReadResult result = loadPrograms({folder, target, nullptr, nullptr}, programs);
        EXPECT_TRUE(result.ok()) << toUtf8(result.message);
        return namesOf(programs);
    }

    Win32FileSystem fs;
    TempFolder temp;
    DataFolder folder{fs, temp / u"Roaming", temp / u"Roaming\\lvtx.10"};
    std::u16string target = joinPath(folder.dataDir, programsFileName);
    std::u16string companion = tempPathOf(target);
    RecordingPrompt prompt;
    bool readFailed = false;

    DataFileContext programsFile(Prompt* owner) { return {folder, target, owner, &readFailed}; }
};

TEST_F(Win32DataFileTest, ASaveCreatesTheFoldersAndReadsBack) {
    const SaveResult saved = savePrograms(programsFile(&prompt), programsNamed({u"早操", u"眼保健操"}));
    EXPECT_TRUE(saved.ok) << toUtf8(saved.message);
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_TRUE(fs.status(target).exists);
    EXPECT_EQ(fs.status(companion).error, errorFileNotFound);
    EXPECT_EQ(reloadedNames(), (std::vector<std::u16string>{u"早操", u"眼保健操"}));
}

TEST_F(Win32DataFileTest, SavingOverAFileHeldByAnotherProgramKeepsTheOldFile) {
    ASSERT_TRUE(savePrograms(programsFile(nullptr), programsNamed({u"上课铃"})).ok);
    const std::string before = readRaw(target);
    UniqueFileHandle hold = holdExclusively(target);
    ASSERT_TRUE(hold);

    const SaveResult saved = savePrograms(programsFile(&prompt), programsNamed({u"下课铃"}));

    const std::u16string expected = u"写文件失败：\n" + target +
                                    u"\n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n"
                                    u"专家在线 - 主界面左侧点 {帮助栏}";
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.code, errorSharingViolation);
    EXPECT_EQ(saved.message, expected);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, expected);
    EXPECT_EQ(prompt.messages[0].icon, MessageIcon::error);
    EXPECT_EQ(fs.status(companion).error, errorFileNotFound);
    EXPECT_FALSE(readFailed);

    hold.reset();
    EXPECT_EQ(readRaw(target), before);
    EXPECT_EQ(reloadedNames(), std::vector<std::u16string>{u"上课铃"});
}

TEST_F(Win32DataFileTest, ReadingAFileHeldByAnotherProgramFailsAndGuardsTheNextSave) {
    ASSERT_TRUE(savePrograms(programsFile(nullptr), programsNamed({u"上课铃"})).ok);
    const std::string before = readRaw(target);
    UniqueFileHandle hold = holdExclusively(target);
    ASSERT_TRUE(hold);

    std::vector<ProgramRecord> programs = programsNamed({u"残留"});
    const ReadResult read = loadPrograms(programsFile(&prompt), programs);

    const std::u16string expected = u"读文件失败：\n" + target +
                                    u"\n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n"
                                    u"专家在线 - 主界面左侧点 {帮助栏}";
    EXPECT_EQ(read.failure, ReadFailure::io);
    EXPECT_EQ(read.code, errorSharingViolation);
    EXPECT_EQ(read.message, expected);
    EXPECT_TRUE(programs.empty());
    EXPECT_TRUE(readFailed);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, expected);
    EXPECT_EQ(prompt.messages[0].icon, MessageIcon::error);

    hold.reset();
    EXPECT_FALSE(savePrograms(programsFile(&prompt), programsNamed({u"下课铃"})).ok);
    EXPECT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(readRaw(target), before);
    EXPECT_TRUE(readFailed);
}

TEST_F(Win32DataFileTest, ACompanionLeftByAnInterruptedSaveIsReadAndThenPutInPlace) {
    ASSERT_TRUE(savePrograms(programsFile(nullptr), programsNamed({u"午休"})).ok);
    ASSERT_EQ(fs.renameFile(target, companion), errorSuccess);

    std::vector<ProgramRecord> programs;
    const ReadResult read = loadPrograms(programsFile(&prompt), programs);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.path, companion);
    EXPECT_EQ(namesOf(programs), std::vector<std::u16string>{u"午休"});

    EXPECT_TRUE(savePrograms(programsFile(&prompt), programsNamed({u"午休", u"放学"})).ok);
    EXPECT_EQ(fs.status(companion).error, errorFileNotFound);
    EXPECT_EQ(reloadedNames(), (std::vector<std::u16string>{u"午休", u"放学"}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(Win32DataFileTest, AFolderInPlaceOfTheFileIsAbsentForReadingAndRemovedBySaving) {
    ASSERT_EQ(ensureDataFolder(fs, folder.shellFolder, folder.dataDir), errorSuccess);
    ASSERT_EQ(fs.createFolder(target), errorSuccess);
    ASSERT_EQ(fs.createFolder(joinPath(target, u"子目录")), errorSuccess);
    const std::u16string lockedFile = joinPath(joinPath(target, u"子目录"), u"只读.mp3");
    ASSERT_TRUE(writeRaw(lockedFile, "x"));
    ASSERT_TRUE(SetFileAttributesW(toWide(lockedFile).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

    std::vector<ProgramRecord> programs;
    EXPECT_TRUE(loadPrograms(programsFile(&prompt), programs).ok());
    EXPECT_TRUE(programs.empty());

    EXPECT_TRUE(savePrograms(programsFile(&prompt), programsNamed({u"升旗"})).ok);
    EXPECT_FALSE(fs.status(target).isFolder);
    EXPECT_EQ(reloadedNames(), std::vector<std::u16string>{u"升旗"});
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
