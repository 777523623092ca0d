// The save protocol: the companion, the recovery of an interrupted save, the replace and the save question.
#include <gtest/gtest.h>

#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

namespace {

using Op = MemoryFileSystem::Op;

const std::u16string writeBusy(const std::u16string& path) {
    return u"写文件失败：\n" + path +
           u"\n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n专家在线 - 主界面左侧点 {帮助栏}";
}

const std::u16string readDeniedOther(const std::u16string& path) {
    return u"读文件失败：\n" + path +
           u"\n拒绝访问\n\n您可尝试 - 修改文件安全属性：\n到目标文件夹 > 右键点击此文件 > 弹出菜单选{属性} > "
           u"打开属性窗口 > 切换到{安全页} > 点{编辑}按钮 > 改当前用户的权限\n\n专家在线 - 主界面左侧点 {帮助栏}";
}

const std::u16string readDeniedAdmin(const std::u16string& path) {
    return u"读文件失败：\n" + path +
           u"\n拒绝访问\n\n您可尝试：\n以管理员身份重新运行  -  用鼠标右键点击软件图标 > 弹出菜单 > "
           u"选择以管理员身份运行\n\n专家在线 - 主界面左侧点 {帮助栏}";
}

const std::u16string saveQuestion(const std::u16string& path) {
    return u"要保存修改吗 ？\n\n" + path + u"\n\n警告 !!\n软件启动时，该文件读取失败，保存会覆盖该文件";
}

}  // namespace

TEST(DataFileInterruptedSave, OnlyTheCompanionIsReadAndTheNextSaveRenamesItFirst) {
    MemoryDataFolder data;
    data.fs.addFile(data.temp, programsFileBytes({sampleProgram(u"from tmp")}));
    const ReadResult read = data.load();
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.path, data.temp);
    ASSERT_EQ(data.programs.size(), 1u);

    // Make the write of the companion fail: the renamed file must already be in place.
    data.fs.failNext(Op::openWrite, data.temp, 1117);
    data.programs.push_back(sampleProgram(u"added"));
    EXPECT_FALSE(data.save().ok);
    EXPECT_EQ(data.fs.files.at(data.file), programsFileBytes({sampleProgram(u"from tmp")}));

    ASSERT_TRUE(data.save().ok);
    EXPECT_FALSE(data.fs.hasFile(data.temp));
    EXPECT_EQ(data.fs.files.at(data.file), programsFileBytes(data.programs));
}

TEST(DataFileInterruptedSave, WithBothFilesTheFileWinsAndTheStaleCompanionIsDeleted) {
    MemoryDataFolder data;
    data.fs.addFile(data.file, programsFileBytes({sampleProgram(u"file")}));
    data.fs.addFile(data.temp, programsFileBytes({sampleProgram(u"tmp"), sampleProgram(u"tmp2")}));
    ASSERT_TRUE(data.load().ok());
    ASSERT_EQ(data.programs.size(), 1u);
    EXPECT_EQ(fixedView(data.programs[0].name), u"file");

    data.fs.failNext(Op::openWrite, data.temp, 1117);
    EXPECT_FALSE(data.save().ok);
    EXPECT_FALSE(data.fs.hasFile(data.temp));
    ASSERT_TRUE(data.save().ok);
    EXPECT_EQ(data.fs.files.at(data.file), programsFileBytes(data.programs));
}

TEST(DataFileAccess, ReadStillDeniedShowsTheWordingForTheUserAndProtectsTheFile) {
    for (const bool unelevatedAdmin : {false, true}) {
        MemoryDataFolder data;
        data.fs.adminUnelevated = unelevatedAdmin;
        const auto original = programsFileBytes({sampleProgram(u"a")});
        data.fs.addFile(data.file, original);
        data.fs.failNext(Op::openRead, data.file, errorAccessDenied, 2);
        const ReadResult read = data.load();
        EXPECT_EQ(read.failure, ReadFailure::io);
        EXPECT_EQ(read.code, errorAccessDenied);
        EXPECT_TRUE(data.programs.empty());
        EXPECT_TRUE(data.readFailed);
        ASSERT_EQ(data.prompt.messages.size(), 1u);
        EXPECT_EQ(data.prompt.messages[0].text,
                  unelevatedAdmin ? readDeniedAdmin(data.file) : readDeniedOther(data.file));

        // The next save asks first; No leaves the file untouched.
        data.programs = {sampleProgram(u"new")};
        data.prompt.answers = {false};
        const SaveResult declined = data.save();
        EXPECT_FALSE(declined.ok);
        EXPECT_TRUE(declined.message.empty());
        EXPECT_EQ(data.prompt.questions, std::vector<std::u16string>{saveQuestion(data.file)});
        EXPECT_EQ(data.fs.files.at(data.file), original);
        EXPECT_TRUE(data.readFailed);

        // Yes writes and clears the flag, so later saves no longer ask.
        data.prompt.answers = {true};
        EXPECT_TRUE(data.save().ok);
        EXPECT_FALSE(data.readFailed);
        EXPECT_EQ(data.fs.files.at(data.file), programsFileBytes(data.programs));
        EXPECT_TRUE(data.save().ok);
        EXPECT_EQ(data.prompt.questions.size(), 2u);
    }
}

TEST(DataFileAccess, WithTheFlagSetASaveWithoutOwnerWritesNothing) {
    MemoryDataFolder data;
    data.readFailed = true;
    data.programs = {sampleProgram(u"a")};
    EXPECT_FALSE(data.save(nullptr).ok);
    EXPECT_FALSE(data.fs.hasFile(data.file));
    EXPECT_FALSE(data.fs.hasFile(data.temp));
}

TEST(DataFileBusy, SavingOverAFileHeldByAnotherProgramKeepsItAndDeletesTheCompanion) {
    MemoryDataFolder data;
    const auto original = programsFileBytes({sampleProgram(u"a")});
    data.fs.addFile(data.file, original);
    data.fs.busy.insert(data.file);
    data.programs = {sampleProgram(u"b")};
    const SaveResult saved = data.save();
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.code, errorSharingViolation);
    ASSERT_EQ(data.prompt.messages.size(), 1u);
    EXPECT_EQ(data.prompt.messages[0].text, writeBusy(data.file));
    EXPECT_EQ(data.prompt.messages[0].icon, MessageIcon::error);
    EXPECT_EQ(data.fs.files.at(data.file), original);
    EXPECT_FALSE(data.fs.hasFile(data.temp));
    EXPECT_EQ(data.programs.size(), 1u);
}

TEST(DataFileOtherCodes, AFailingExistenceCheckNamesThePathExamined) {
    MemoryDataFolder data;
    data.fs.failNext(Op::status, data.file, 1392);
    const SaveResult saved = data.save();
    EXPECT_EQ(saved.code, 1392u);
    EXPECT_EQ(saved.message, u"写文件失败：\n" + data.file + u"\n\nsystem text 1392\n\n专家在线 - 主界面左侧点 {帮助栏}");
}

TEST(DataFileSave, WithoutOwnerFailsSilently) {
    MemoryDataFolder data;
    data.fs.failNext(Op::flush, data.temp, 112);
    const SaveResult saved = data.save(nullptr);
    EXPECT_FALSE(saved.ok);
    EXPECT_FALSE(saved.message.empty());
    EXPECT_TRUE(data.prompt.messages.empty());
}

TEST(DataFileSave, AFailedReplaceDeletesTheCompanionAndKeepsTheOldFile) {
    MemoryDataFolder data;
    const auto original = programsFileBytes({sampleProgram(u"a")});
    data.fs.addFile(data.file, original);
    data.fs.failNext(Op::deleteFile, data.file, errorAccessDenied);
    data.programs = {sampleProgram(u"b")};
    const SaveResult saved = data.save();
    EXPECT_EQ(saved.code, errorAccessDenied);
    EXPECT_EQ(data.fs.files.at(data.file), original);
    EXPECT_FALSE(data.fs.hasFile(data.temp));
}

TEST(DataFileSave, AFailedRenameAfterTheDeleteLeavesACompleteCompanionForTheNextRead) {
    MemoryDataFolder data;
    data.fs.addFile(data.file, programsFileBytes({sampleProgram(u"a")}));
    data.fs.failNext(Op::rename, data.temp, errorAccessDenied);
    data.programs = {sampleProgram(u"b"), sampleProgram(u"c")};
    EXPECT_TRUE(data.save().ok);
    EXPECT_FALSE(data.fs.hasFile(data.file));
    ASSERT_TRUE(data.load().ok());
    EXPECT_EQ(data.programs.size(), 2u);
}
