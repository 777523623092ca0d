// The log file against real Win32 sharing: another program holding the log open.
#include <gtest/gtest.h>

#include "data/win32/Win32FileSystem.h"
#include "data/win32/Win32TestFiles.h"
#include "scheduler/PlayLog.h"
#include "support/MemoryLogFolder.h"
#include "support/RecordingLogView.h"
#include "support/TempFolder.h"
#include "winutil/UniqueHandle.h"

namespace {

struct Win32LogFolder {
    TempFolder temp;
    Win32FileSystem fs;
    std::u16string shellFolder = temp / u"Roaming";
    std::u16string dataDir = joinPath(shellFolder, u"lvtx.10");
    std::u16string log = joinPath(dataDir, logFileName);
    DataFolder folder{fs, shellFolder, dataDir};
};

}  // namespace

TEST(Win32PlayLog, ALogHeldExclusivelyGivesTheBusyRowAndKeepsItsContent) {
    Win32LogFolder data;
    RecordingLogView view;
    logEvent(view, data.folder, data.log, logSampleTime, u"软件启动");
    const std::string before = readRaw(data.log);
    {
        const UniqueFileHandle held = holdExclusively(data.log);
        ASSERT_TRUE(held);
        logEvent(view, data.folder, data.log, logSampleTime, u"软件关闭");
    }
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[2].time, view.rows[1].time);
    EXPECT_EQ(view.rows[2].text, u"写日志失败 ◆ 被别的程序占用 ◆ " + data.log +
                                     u" ◆ 可尝试:关闭相关程序或重启电脑再试 ◆ 专家在线:主界面左侧点{帮助栏}");
    EXPECT_EQ(readRaw(data.log), before);
}

TEST(Win32PlayLog, AnotherProgramMayReadTheLogWhileALineIsAppended) {
    Win32LogFolder data;
    ASSERT_TRUE(appendLogLine(data.folder, data.log, logSampleTime, u"软件启动").ok);
    const UniqueFileHandle reader(CreateFileW(toWide(data.log).c_str(), GENERIC_READ,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
    EXPECT_TRUE(appendLogLine(data.folder, data.log, logSampleTime, u"软件关闭").ok);
}
