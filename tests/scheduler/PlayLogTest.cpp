// Logging events on screen and in the file, and the command that opens the log file.
#include "scheduler/PlayLog.h"

#include <gtest/gtest.h>

#include "support/MemoryLogFolder.h"
#include "support/RecordingLogView.h"
#include "support/RecordingPrompt.h"

namespace {

using Op = MemoryFileSystem::Op;

struct LogFixture {
    MemoryLogFolder data;
    RecordingLogView view;
    RecordingPrompt prompt;
    std::vector<std::u16string> opened;

    void log(std::u16string_view text) { logEvent(view, data.folder, data.log, logSampleTime, text); }
    void open() {
        openLogFile(data.fs, data.log, prompt, [this](std::u16string_view path) { opened.emplace_back(path); });
    }
};

}  // namespace

TEST(LogEvent, ALockedLogAddsTheEventRowThenTheReasonWithTheSameTime) {
    LogFixture fixture;
    fixture.data.fs.addFile(fixture.data.log, {0xFF, 0xFE});
    fixture.data.fs.busy.insert(fixture.data.log);
    fixture.log(u"上课铃 ◆ 播放结束");
    EXPECT_EQ(fixture.data.bytes(), (std::vector<std::uint8_t>{0xFF, 0xFE}));
    ASSERT_EQ(fixture.view.rows.size(), 2u);
    EXPECT_EQ(fixture.view.rows[0].time, u"2024-03-05 07:08:09");
    EXPECT_EQ(fixture.view.rows[0].text, u"上课铃 ◆ 播放结束");
    EXPECT_EQ(fixture.view.rows[1].time, fixture.view.rows[0].time);
    EXPECT_EQ(fixture.view.rows[1].text, u"写日志失败 ◆ 被别的程序占用 ◆ " + fixture.data.log +
                                             u" ◆ 可尝试:关闭相关程序或重启电脑再试 ◆ 专家在线:主界面左侧点{帮助栏}");
}

TEST(LogRows, AFullListIsEmptiedBeforeTheNextRow) {
    LogFixture fixture;
    for (std::size_t i = 0; i < maxLogRows - 1; ++i) fixture.view.showLogRow(u"t", u"old");
    fixture.log(u"第256行");
    ASSERT_EQ(fixture.view.rows.size(), maxLogRows);
    EXPECT_EQ(fixture.view.rows.back().text, u"第256行");

    fixture.log(u"软件关闭");
    ASSERT_EQ(fixture.view.rows.size(), 1u);
    EXPECT_EQ(fixture.view.rows[0].text, u"软件关闭");
}

TEST(OpenLogFile, AnExistingLogIsHandedToTheEditor) {
    LogFixture fixture;
    fixture.log(u"软件启动");
    fixture.open();
    EXPECT_EQ(fixture.opened, std::vector<std::u16string>{fixture.data.log});
    EXPECT_TRUE(fixture.prompt.messages.empty());
}

TEST(OpenLogFile, BeforeAnyEventTheUserIsToldThereIsNoLogYet) {
    LogFixture fixture;
    fixture.open();
    EXPECT_TRUE(fixture.opened.empty());
    ASSERT_EQ(fixture.prompt.messages.size(), 1u);
    EXPECT_EQ(fixture.prompt.messages[0].text, u"还未生成日志文件     ");
    EXPECT_EQ(fixture.prompt.messages[0].icon, MessageIcon::information);
}

TEST(OpenLogFile, AnUnreadableLogGivesTheReadFailureWarning) {
    LogFixture fixture;
    fixture.log(u"软件启动");
    fixture.data.fs.busy.insert(fixture.data.log);
    fixture.open();
    fixture.data.fs.busy.clear();
    fixture.data.fs.failNext(Op::openRead, fixture.data.log, 1117);
    fixture.open();

    EXPECT_TRUE(fixture.opened.empty());
    const std::u16string& path = fixture.data.log;
    const std::vector<std::u16string> expected{
        u"读文件失败：\n" + path +
            u"\n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n专家在线 - 主界面左侧点 {帮助栏}",
        u"读文件失败：\n" + path + u"\n\nsystem text 1117\n\n专家在线 - 主界面左侧点 {帮助栏}",
    };
    ASSERT_EQ(fixture.prompt.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fixture.prompt.messages[i].text, expected[i]);
        EXPECT_EQ(fixture.prompt.messages[i].icon, MessageIcon::warning);
    }
}
