// The watchdog seen from outside: the program killed or faulting comes back within seconds and
// rings its next bell, the crash message no longer holds the new copy back, the operator's exit
// stays an exit, and a crash loop stops after the third restart. The play log tells each step.
#include <windows.h>

#include <memory>
#include <vector>

#include "e2e/LvtxTest.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/LocalTime.h"
#include "e2e/driver/MessageBoxes.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/TrayIcon.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Watchdog.h"
#include "e2e/driver/Windows.h"

namespace {

constexpr DWORD restartLimitS = 5;
constexpr DWORD boxTimeoutMs = 15000;
// The exception code of the test environment's fault: an integer division by zero.
constexpr DWORD divideByZero = 0xC0000094;
constexpr int bellDelayS = 20;

const std::wstring bellName = L"上课铃";
const std::wstring restartedLine = L"软件异常终止 - 0xc0000094 ◆ 已自动重启";

StartTime startTimeOf(const SYSTEMTIME& time) {
    return {time.wHour, time.wMinute, time.wSecond};
}

std::vector<std::wstring> textsOf(const std::vector<LogLine>& lines) {
    std::vector<std::wstring> texts;
    for (const LogLine& line : lines) texts.push_back(line.text);
    return texts;
}

class WatchdogTest : public LvtxTest {
protected:
    void SetUp() override {
        LvtxTest::SetUp();
        // Unlike every other end-to-end test: watched copies, which fault on request.
        ASSERT_TRUE(SetEnvironmentVariableW(L"LVTX_E2E_NO_WATCHDOG", nullptr));
        ASSERT_TRUE(SetEnvironmentVariableW(L"LVTX_E2E_CRASH", L"1"));
        ASSERT_FALSE(watcherRunning()) << "a watcher of an earlier test still runs";
    }

    // As the installer does: the watchers first, so that nothing restarts what is ended next.
    void TearDown() override {
        EXPECT_TRUE(stopWatchers(10000));
        EXPECT_TRUE(endEveryCopy(startUpTimeoutMs));
        SetEnvironmentVariableW(L"LVTX_E2E_CRASH", nullptr);
    }

    // A program that does not fall due while the test runs, so the list shows when start-up is done.
    TestProgram quietProgram() {
        const SYSTEMTIME earlier = addSeconds(localNowToSecond(), -1800);
        return {L"午休", tone(L"quiet", 400), {startTimeOf(earlier)}};
    }

    // The bell rings `bellDelayS` after now; a running copy does not read the file again, the
    // copy started after it does.
    SYSTEMTIME writeBellAfterDelay() {
        const SYSTEMTIME due = addSeconds(localNowToSecond(), bellDelayS);
        writePrograms({quietProgram(), {bellName, tone(L"bell", 1000), {startTimeOf(due)}}});
        return due;
    }

    // The copies live until TearDown has stopped the watchers: a copy ended any earlier would be
    // started again.
    LvtxApp& startCopy(const std::wstring& arguments) {
        copies_.push_back(std::make_unique<LvtxApp>());
        startApp(*copies_.back(), arguments, 1);
        return *copies_.back();
    }

    // The copy the watcher started after process `pid`, once it lists `programCount` programs;
    // null when none came.
    LvtxApp* restartedCopy(DWORD pid, size_t programCount) {
        const DWORD restarted = waitForOtherCopy(pid, startUpTimeoutMs);
        if (restarted == 0) return nullptr;
        copies_.push_back(std::make_unique<LvtxApp>());
        LvtxApp& app = *copies_.back();
        const std::wstring failure = app.adopt(restarted, startUpTimeoutMs);
        EXPECT_TRUE(failure.empty()) << testing::PrintToString(failure);
        if (!failure.empty() || !app.waitForPrograms(programCount, startUpTimeoutMs)) return nullptr;
        return &app;
    }

    std::vector<LogLine> logFile() const {
        const auto bytes = readFileBytes(logPath());
        return bytes ? parseLogFile(*bytes).value_or(std::vector<LogLine>{}) : std::vector<LogLine>{};
    }

    // The log file's line of the bell's start, within a few seconds of its start time.
    std::optional<LogLine> bellStarted(const SYSTEMTIME& due) {
        std::optional<LogLine> started;
        const DWORD waitMs = static_cast<DWORD>(secondsBetween(localNowToSecond(), due) + 5) * 1000;
        waitUntil(
            [&] {
                for (const LogLine& line : logFile()) {
                    if (line.text == bellName + L" ◆ 开始播放") started = line;
                }
                return started.has_value();
            },
            waitMs, 200);
        return started;
    }

    std::vector<std::unique_ptr<LvtxApp>> copies_;
};

long long secondsAfter(const SYSTEMTIME& from, const std::wstring& logTime) {
    const auto time = parseLogTime(logTime);
    return time ? secondsBetween(from, *time) : -1000;
}

TEST_F(WatchdogTest, AKilledCopyComesBackWithItsLogonFlagsAndRingsTheNextBell) {
    writePrograms({quietProgram()});
    // The logon start's argument "1": hidden in the notification area.
    LvtxApp& first = startCopy(L"1");
    ASSERT_TRUE(watcherRunning());
    const SYSTEMTIME due = writeBellAfterDelay();
    const std::vector<DWORD> before = programProcessIds();
    ASSERT_EQ(before.size(), 2u) << "the copy and its watcher";
    const SYSTEMTIME killed = localNowToSecond();
    first.process().terminate(0xDEAD);

    // Back as a process within seconds; its window follows when Wine has started it.
    const DWORD back = waitForNewProgramProcess(before, restartLimitS * 1000);
    EXPECT_NE(back, 0u) << "no new copy within " << restartLimitS << " s";
    LvtxApp* second = restartedCopy(first.process().id(), 2);
    ASSERT_NE(second, nullptr) << "no copy came back after the kill";
    EXPECT_EQ(second->process().id(), back);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(second->mainWindow()); }, 15000))
        << "the restarted copy did not start hidden, as its logon start asked";
    EXPECT_TRUE(hasTrayIcon(second->mainWindow(), 0));

    const auto bell = bellStarted(due);
    ASSERT_TRUE(bell.has_value()) << describe(logFile());
    const long long late = secondsAfter(due, bell->time);
    EXPECT_GE(late, 0);
    EXPECT_LE(late, 1);
    const std::vector<LogLine> lines = logFile();
    const std::vector<std::wstring> expected = {L"软件启动", L"软件异常终止 - 0x0000dead ◆ 已自动重启", L"软件启动",
                                                bellName + L" ◆ 开始播放"};
    ASSERT_GE(lines.size(), expected.size()) << describe(lines);
    EXPECT_EQ(textsOf({lines.begin(), lines.begin() + 4}), expected) << describe(lines);
    EXPECT_LE(secondsAfter(killed, lines[1].time), static_cast<long long>(restartLimitS)) << describe(lines);
}

TEST_F(WatchdogTest, ACrashMessageTellsOfTheRestartWhileTheNewCopyAlreadyRings) {
    writePrograms({quietProgram()});
    LvtxApp& first = startCopy(L"");
    const DWORD crashedPid = first.process().id();
    const SYSTEMTIME due = writeBellAfterDelay();
    const std::vector<DWORD> before = programProcessIds();
    const SYSTEMTIME crashed = localNowToSecond();
    ASSERT_TRUE(requestCrash(first.mainWindow()));

    const auto box = waitForMessageBox(crashedPid, boxTimeoutMs);
    ASSERT_TRUE(box.has_value()) << "no crash message; exit code "
                                 << first.process().waitForExit(0).value_or(STILL_ACTIVE) << "\n"
                                 << describe(logFile());
    EXPECT_TRUE(box->caption.starts_with(mainTitlePrefix)) << "the caption is the window's title";
    EXPECT_EQ(box->text.rfind(L"软件异常终止 - 0xc0000094\n软件正在自动重启，定时播放随即恢复\n", 0), 0u);
    EXPECT_NE(box->text.find(L"先按 PrtSc 键屏幕截图"), std::wstring::npos);

    // The message waits for OK; the new copy passes the single-instance check meanwhile.
    EXPECT_NE(waitForNewProgramProcess(before, restartLimitS * 1000), 0u) << "no new copy within " << restartLimitS << " s";
    LvtxApp* second = restartedCopy(crashedPid, 2);
    ASSERT_NE(second, nullptr) << "the crash message held the restart back";
    const auto bell = bellStarted(due);
    ASSERT_TRUE(bell.has_value()) << describe(logFile());
    EXPECT_TRUE(messageBoxShown(crashedPid)) << "the bell rang only after OK";

    ASSERT_TRUE(answerMessageBox(*box, IDOK, boxTimeoutMs));
    EXPECT_EQ(first.process().waitForExit(boxTimeoutMs), divideByZero);
    // The crashed copy's own end is no longer watched: no third copy.
    EXPECT_EQ(waitForOtherCopy(second->process().id(), 3000), 0u);
    EXPECT_TRUE(second->process().running());

    const std::vector<LogLine> lines = logFile();
    const std::vector<std::wstring> expected = {L"软件启动", restartedLine, L"软件启动", bellName + L" ◆ 开始播放"};
    ASSERT_GE(lines.size(), expected.size()) << describe(lines);
    EXPECT_EQ(textsOf({lines.begin(), lines.begin() + 4}), expected) << describe(lines);
    EXPECT_LE(secondsAfter(crashed, lines[1].time), static_cast<long long>(restartLimitS)) << describe(lines);
}

TEST_F(WatchdogTest, ASecondStartFindsTheProgramNotTheWatcherAndTheOperatorsExitStaysAnExit) {
    writePrograms({quietProgram()});
    LvtxApp& first = startCopy(L"");
    ASSERT_TRUE(watcherRunning());

    ProgramProcess second;
    ASSERT_EQ(second.start(programExe(), L""), 0u);
    const auto notice = waitForMessageBox(second.id(), startUpTimeoutMs);
    ASSERT_TRUE(notice.has_value());
    EXPECT_NE(notice->text.find(L"软件已在运行"), std::wstring::npos);
    ASSERT_TRUE(answerMessageBox(*notice, IDOK, boxTimeoutMs));
    EXPECT_EQ(second.waitForExit(boxTimeoutMs), 0u);
    DWORD titled = 0;
    GetWindowThreadProcessId(findTopLevelWindow(0, mainTitlePrefix), &titled);
    EXPECT_EQ(titled, first.process().id()) << "the only main window is the running copy's";

    EXPECT_EQ(first.exitThroughCloseDialog(boxTimeoutMs), 0u);
    EXPECT_TRUE(waitUntil([] { return !watcherRunning(); }, 5000)) << "the watcher outlived a normal exit";
    EXPECT_EQ(waitForOtherCopy(first.process().id(), 3000), 0u) << "a normal exit was restarted";
    const std::vector<LogLine> lines = logFile();
    EXPECT_EQ(textsOf(lines), (std::vector<std::wstring>{L"软件启动", L"软件关闭"})) << describe(lines);
}

TEST_F(WatchdogTest, FourCrashesInARowStopAfterTheThirdRestart) {
    writePrograms({quietProgram()});
    LvtxApp* current = &startCopy(L"");
    for (int crash = 1; crash <= 4; ++crash) {
        SCOPED_TRACE(crash);
        const DWORD pid = current->process().id();
        ASSERT_TRUE(requestCrash(current->mainWindow()));
        const auto box = waitForMessageBox(pid, boxTimeoutMs);
        ASSERT_TRUE(box.has_value());
        const bool last = crash == 4;
        EXPECT_EQ(box->text.find(L"软件正在自动重启") != std::wstring::npos, !last);
        EXPECT_EQ(box->text.find(L"10分钟内异常终止超过3次，不再自动重启") != std::wstring::npos, last);
        LvtxApp* next = last ? nullptr : restartedCopy(pid, 1);
        ASSERT_TRUE(last || next != nullptr) << "no restart after crash " << crash;
        ASSERT_TRUE(answerMessageBox(*box, IDOK, boxTimeoutMs));
        EXPECT_EQ(current->process().waitForExit(boxTimeoutMs), divideByZero);
        current = next;
    }
    EXPECT_EQ(waitForOtherCopy(0, 3000), 0u) << "a fourth restart";
    EXPECT_FALSE(watcherRunning());

    const std::vector<LogLine> lines = logFile();
    const std::vector<std::wstring> expected = {
        L"软件启动", restartedLine, L"软件启动", restartedLine, L"软件启动", restartedLine, L"软件启动",
        L"软件异常终止 - 0xc0000094 ◆ 10分钟内异常终止超过3次 ◆ 不再自动重启"};
    EXPECT_EQ(textsOf(lines), expected) << describe(lines);
}

}  // namespace
