// The scheduler seen from outside: programs written to the data folder ring, queue and
// pre-empt at their seconds, as the log list and the log file both show.
#include <windows.h>

#include "e2e/LvtxTest.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/LocalTime.h"
#include "e2e/driver/MessageBoxes.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/Wait.h"

namespace {

// Long enough for start-up under Wine; the test fails, not waits, when start-up is slower.
constexpr int leadSeconds = 12;

StartTime startTimeOf(const SYSTEMTIME& time) {
    return {time.wHour, time.wMinute, time.wSecond};
}

const std::wstring preemptReason = L" ◆ 参看:节目属性→准时播/可延迟";

bool queuedRowShown(const LvtxApp& app, const std::wstring& playing, const std::wstring& waiting) {
    const auto rows = app.rows(nowPlayingListId);
    return rows && rows->size() == 2 && (*rows)[0].at(0) == playing && (*rows)[1].at(0) == waiting &&
           (*rows)[1].at(1) == L"排队等候";
}

TEST_F(LvtxTest, ProgramsRingQueueAndPreemptAtTheirSeconds) {
    const SYSTEMTIME due = addSeconds(localNowToSecond(), leadSeconds);
    // A rings first; B, delayable, falls due while A plays and waits for it; C, on time,
    // falls due while B plays and stops it.
    const std::wstring a = L"上课铃", b = L"眼保健操", c = L"广播通知";
    TestProgram first{a, tone(L"a", 3000), {startTimeOf(due)}};
    TestProgram queued{b, tone(L"b", 4000), {startTimeOf(addSeconds(due, 1))}};
    queued.delayable = true;
    TestProgram preempting{c, tone(L"c", 500), {startTimeOf(addSeconds(due, 5))}};
    writePrograms({first, queued, preempting});

    LvtxApp app;
    startApp(app, L"", 3);
    ASSERT_GT(secondsBetween(localNowToSecond(), due), 0) << "start-up took longer than the lead time";

    EXPECT_TRUE(waitUntil([&] { return queuedRowShown(app, a, b); }, (leadSeconds + 4) * 1000, 100))
        << "no 排队等候 row for the delayable program behind the playing one";

    const std::wstring lastLine = c + L" ◆ 播放结束";
    std::vector<LogLine> shown;
    ASSERT_TRUE(waitUntil(
        [&] {
            shown = logRows(app);
            return hasLine(shown, lastLine);
        },
        15000, 100))
        << describe(shown);

    const std::vector<std::wstring> expected = {
        L"软件启动",
        a + L" ◆ 开始播放",
        b + L" ◆ 排队等候 ◆ 等正在播的播完" + preemptReason,
        a + L" ◆ 播放结束",
        b + L" ◆ 开始播放",
        b + L" ◆ 终止播放… ◆ 别的节目要播: " + c + preemptReason,
        c + L" ◆ 开始播放",
        lastLine,
    };
    std::vector<std::wstring> texts;
    for (const LogLine& line : shown) texts.push_back(line.text);
    ASSERT_EQ(texts, expected) << describe(shown);

    // Seconds after A's start time. Each start within the second after its start time; each
    // end after the tone's length, allowing a second for the fade-in and the end's detection.
    enum { aStart = 1, bQueued, aEnd, bStart, bStopped, cStart, cEnd };
    std::vector<long long> at;
    for (const LogLine& line : shown) {
        const auto time = parseLogTime(line.time);
        ASSERT_TRUE(time.has_value());
        at.push_back(secondsBetween(due, *time));
    }
    EXPECT_GE(at[aStart], 0);
    EXPECT_LE(at[aStart], 1);
    EXPECT_GE(at[bQueued], 1);
    EXPECT_LE(at[bQueued], 2);
    EXPECT_GE(at[aEnd] - at[aStart], 3);
    EXPECT_LE(at[aEnd] - at[aStart], 4);
    EXPECT_EQ(at[bStart], at[aEnd]) << "the queued program starts when the first ends";
    EXPECT_GE(at[bStopped], 5);
    EXPECT_LE(at[bStopped], 6);
    EXPECT_GE(at[cStart], at[bStopped]);
    EXPECT_LE(at[cStart], at[bStopped] + 1);
    EXPECT_GE(at[cEnd], at[cStart]);
    EXPECT_LE(at[cEnd], at[cStart] + 1);

    // The file holds the same lines as the screen, with the same times.
    const auto bytes = readFileBytes(logPath());
    ASSERT_TRUE(bytes.has_value());
    const auto written = parseLogFile(*bytes);
    ASSERT_TRUE(written.has_value()) << "not UTF-16LE with FF FE, or a line breaks the time format";
    EXPECT_EQ(*written, shown) << describe(*written);
}

// After a power cut nobody may be there to press OK: the messages of damaged files wait while
// the bells ring, and come one after another in the order the files are read.
TEST_F(LvtxTest, ABellRingsWhileAStartUpMessageWaitsForOk) {
    const SYSTEMTIME due = addSeconds(localNowToSecond(), leadSeconds);
    writePrograms({{L"上课铃", tone(L"bell", 1000), {startTimeOf(due)}}});
    ASSERT_TRUE(writeFileBytes(dataFolder_ + L"\\节假日t", "not a holidays file"));
    ASSERT_TRUE(writeFileBytes(dataFolder_ + L"\\设置t", "not a settings file"));

    LvtxApp app;
    startApp(app, L"", 1);
    const DWORD pid = app.process().id();
    const auto holidays = waitForMessageBox(pid, startUpTimeoutMs);
    ASSERT_TRUE(holidays.has_value());
    EXPECT_NE(holidays->text.find(L"节假日t"), std::wstring::npos);
    EXPECT_NE(holidays->text.find(L"文件内容有错误"), std::wstring::npos);

    const std::wstring started = L"上课铃 ◆ 开始播放";
    EXPECT_TRUE(waitUntil([&] { return hasLine(logRows(app), started); }, (leadSeconds + 4) * 1000, 100))
        << describe(logRows(app));
    EXPECT_TRUE(messageBoxShown(pid)) << "the bell rang while the message was still open";

    ASSERT_TRUE(answerMessageBox(*holidays, IDOK, 5000));
    const auto settings = waitForMessageBox(pid, 5000);
    ASSERT_TRUE(settings.has_value());
    EXPECT_NE(settings->text.find(L"设置t"), std::wstring::npos);
    ASSERT_TRUE(answerMessageBox(*settings, IDOK, 5000));
}

}  // namespace
