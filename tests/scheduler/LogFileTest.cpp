// The log file in memory: its bytes, the size limit, the repairs and the failure texts.
#include "scheduler/LogFile.h"

#include <gtest/gtest.h>

#include "support/MemoryLogFolder.h"

namespace {

using Op = MemoryFileSystem::Op;

const std::u16string firstLine = u"2024-03-05 07:08:09   软件启动\r\n";

std::u16string deniedAdmin(const std::u16string& path) {
    return u"写日志失败 ◆ 拒绝访问 ◆ " + path +
           u" ◆ 尝试以管理员身份重运行：用鼠标右键点击软件图标->弹出菜单->选择以管理员身份运行 ◆ "
           u"专家在线:主界面左侧点{帮助栏}";
}

std::u16string deniedOther(const std::u16string& path) {
    return u"写日志失败 ◆ 拒绝访问 ◆ " + path +
           u" ◆ 专家在线:主界面左侧点{帮助栏} ◆ 可尝试修改文件安全属性：到目标文件夹->右键点击此文件->"
           u"弹出菜单选{属性}->打开属性窗口->切换到{安全页}->点{编辑}按钮->改当前用户的权限";
}

LogAppend appendSample(MemoryLogFolder& data) {
    return appendLogLine(data.folder, data.log, logSampleTime, u"软件启动");
}

std::vector<std::uint8_t> markedLog(std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0x41);
    bytes[0] = 0xFF;
    bytes[1] = 0xFE;
    return bytes;
}

}  // namespace

TEST(LogFileLines, TheFirstEventOnAFreshSystemCreatesDataDirAndAMarkedFile) {
    MemoryLogFolder data;
    ASSERT_TRUE(appendSample(data).ok);
    EXPECT_TRUE(data.fs.folders.count(data.dataDir));
    // Little-endian units, three spaces before the text, CR LF and no terminating zero.
    const std::vector<std::uint8_t> head{0xFF, 0xFE, '2', 0, '0', 0, '2', 0, '4', 0, '-', 0, '0', 0, '3', 0};
    const std::vector<std::uint8_t> tail{' ', 0,    ' ',  0,    ' ',  0,    0x6F, 0x8F, 0xF6, 0x4E,
                                         0x2F, 0x54, 0xA8, 0x52, '\r', 0,    '\n', 0};
    const std::vector<std::uint8_t>& bytes = data.bytes();
    ASSERT_EQ(bytes.size(), 2 + 2 * firstLine.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - static_cast<std::ptrdiff_t>(tail.size())));
    EXPECT_EQ(bytes, withMark(firstLine));
}

TEST(LogFileLimit, AFileOfExactlyTheLimitIsAppendedToAndOneByteMoreStartsAfresh) {
    MemoryLogFolder data;
    data.fs.addFile(data.log, markedLog(2'097'151));
    ASSERT_TRUE(appendSample(data).ok);
    std::vector<std::uint8_t> expected = markedLog(2'097'151);
    const std::vector<std::uint8_t> line = utf16le(firstLine);
    expected.insert(expected.end(), line.begin(), line.end());
    EXPECT_EQ(data.bytes(), expected);

    data.fs.addFile(data.log, markedLog(2'097'152));
    ASSERT_TRUE(appendSample(data).ok);
    EXPECT_EQ(data.bytes(), withMark(firstLine));
}

TEST(LogFileMark, FilesWithoutTheMarkAreReplaced) {
    const std::vector<std::vector<std::uint8_t>> unmarked{{}, {0xFF}, {0xFE, 0xFF, 'a', 0}, {'l', 'o', 'g', '\n'}};
    for (const auto& old : unmarked) {
        MemoryLogFolder data;
        data.fs.addFile(data.log, old);
        ASSERT_TRUE(appendSample(data).ok);
        EXPECT_EQ(data.bytes(), withMark(firstLine)) << old.size() << " old bytes";
    }
}

TEST(LogFileMark, AFileUnreadableForAnotherReasonKeepsItsLines) {
    MemoryLogFolder data;
    data.fs.addFile(data.log, {0x41, 0x42});
    data.fs.failNext(Op::openRead, data.log, 1117);
    ASSERT_TRUE(appendSample(data).ok);
    EXPECT_EQ(data.bytes().size(), 2 + 2 * firstLine.size());
    EXPECT_EQ(data.bytes()[0], 0x41);
}

TEST(LogFileFolderInPlace, AFolderWithContentIsRemovedAndTheFileWritten) {
    MemoryLogFolder data;
    data.fs.addFile(data.log + u"/inner/old.txt", {1, 2, 3});
    ASSERT_TRUE(appendSample(data).ok);
    EXPECT_FALSE(data.fs.hasFile(data.log + u"/inner/old.txt"));
    EXPECT_EQ(data.bytes(), withMark(firstLine));
}

TEST(LogFileFolderInPlace, AFolderThatResistsIsRemovedCheckedAfterOneRepairOfDataDir) {
    MemoryLogFolder data;
    data.fs.addFile(data.log + u"/old.txt", {1});
    data.fs.denied.insert(data.log);
    ASSERT_TRUE(appendSample(data).ok);
    EXPECT_EQ(std::count(data.fs.repaired.begin(), data.fs.repaired.end(), data.dataDir), 1);

    data.fs.files.erase(data.log);
    data.fs.addFile(data.log + u"/held.txt", {1});
    data.fs.busy.insert(data.log + u"/held.txt");
    EXPECT_EQ(appendSample(data).message, u"写日志失败 ◆ 被别的程序占用 ◆ " + data.log +
                                              u" ◆ 可尝试:关闭相关程序或重启电脑再试 ◆ 专家在线:主界面左侧点{帮助栏}");
}

TEST(LogFileAccess, TheDeniedWordingDependsOnTheUnelevatedAdministrator) {
    for (const bool unelevated : {true, false}) {
        MemoryLogFolder data;
        data.fs.adminUnelevated = unelevated;
        data.fs.failNext(Op::status, data.log, 5, 2);
        const LogAppend result = appendSample(data);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, unelevated ? deniedAdmin(data.log) : deniedOther(data.log));
        EXPECT_EQ(data.fs.repaired, std::vector<std::u16string>{data.dataDir});
    }
}

TEST(LogFileAccess, ADeniedOpenIsRepairedAndRetriedOncePerCall) {
    MemoryLogFolder data;
    data.fs.addFile(data.log, markedLog(2));
    data.fs.failNext(Op::openRead, data.log, 5);
    ASSERT_TRUE(appendSample(data).ok);
    EXPECT_EQ(data.fs.repaired, (std::vector<std::u16string>{data.dataDir, data.log}));

    data.fs.repaired.clear();
    data.fs.failNext(Op::openRead, data.log, 5);
    data.fs.failNext(Op::openAppend, data.log, 5);
    EXPECT_EQ(appendSample(data).message, deniedOther(data.log));
    EXPECT_EQ(data.fs.repaired, (std::vector<std::u16string>{data.dataDir, data.log}));
}

TEST(LogFileOtherCodes, TheSystemTextComesBeforeThePath) {
    MemoryLogFolder data;
    data.fs.failNext(Op::createFolder, data.dataDir, 1117);
    EXPECT_EQ(appendSample(data).message,
              u"写日志失败 ◆ system text 1117 ◆ " + data.log + u" ◆ 专家在线:主界面左侧点{帮助栏}");

    data.fs.addFile(data.log, markedLog(2));
    data.fs.failNext(Op::write, data.log, 112);
    EXPECT_EQ(appendSample(data).message,
              u"写日志失败 ◆ system text 112 ◆ " + data.log + u" ◆ 专家在线:主界面左侧点{帮助栏}");
    EXPECT_EQ(data.bytes(), markedLog(2));
}

TEST(LogFileOtherCodes, TheMessageIsCutToItsRowLimitOnAWholeCharacter) {
    MemoryLogFolder data;
    const std::u16string prefix = u"写日志失败 ◆ 拒绝访问 ◆ ";
    const std::u16string path = std::u16string(maxLogMessageUnits - prefix.size() - 1, u'x') + u"😀tail";
    data.fs.failNext(Op::createFolder, data.dataDir, 5);
    const LogAppend result = appendLogLine(data.folder, path, logSampleTime, u"软件启动");
    EXPECT_EQ(result.message.size(), maxLogMessageUnits - 1);
    EXPECT_EQ(result.message.back(), u'x');
}
