#include <gtest/gtest.h>

#include "data/Text.h"
#include "shell/Watchdog.h"
#include "shell/WatchdogLaunch.h"

namespace {

constexpr std::uint64_t minute = 60 * 1000;

WatchVerdict judge(const ProgramEnd& end, int recentRestarts = 0) {
    return judgeEnd(end, false, recentRestarts);
}

}  // namespace

TEST(Watchdog, OnlyAnEndThatIsNeitherAnnouncedNorZeroBringsTheProgramBack) {
    // 退出程序, the end of Windows, a failed start-up check: each announced, each with 0.
    EXPECT_EQ(judge({false, true, 0}), WatchVerdict::leave);
    // A fault in the teardown after the operator chose to quit is not a reason to come back.
    EXPECT_EQ(judge({false, true, 0xC0000005}), WatchVerdict::leave);
    // Someone else's TerminateProcess with 0 cannot be told from a normal exit.
    EXPECT_EQ(judge({false, false, 0}), WatchVerdict::leave);
    // Killed, or a fault the handler never saw.
    EXPECT_EQ(judge({false, false, 1}), WatchVerdict::restart);
    EXPECT_EQ(judge({false, false, 0xC0000409}), WatchVerdict::restart);
    // The crash handler reports before its message; that copy's later exit is no longer watched.
    EXPECT_EQ(judge({true, false, 0xC0000094}), WatchVerdict::restart);
    EXPECT_EQ(judgeEnd({false, false, 1}, true, 0), WatchVerdict::systemEnding);
    EXPECT_EQ(judgeEnd({false, true, 1}, true, 0), WatchVerdict::leave);
}

TEST(Watchdog, AFourthCrashWithinTenMinutesEndsTheLoopButOlderRestartsAgeOut) {
    RestartHistory history;
    const auto crashAt = [&](std::uint64_t nowMs) {
        const WatchVerdict verdict = judge({true, false, 0xC0000094}, history.recent(nowMs));
        if (verdict == WatchVerdict::restart) history.record(nowMs);
        return verdict;
    };
    const std::uint64_t start = 5 * minute;  // a tick count some time after boot
    EXPECT_EQ(crashAt(start), WatchVerdict::restart);
    EXPECT_EQ(crashAt(start + 1 * minute), WatchVerdict::restart);
    EXPECT_EQ(crashAt(start + 9 * minute), WatchVerdict::restart);
    EXPECT_EQ(crashAt(start + 10 * minute - 1), WatchVerdict::crashLoop);
    // Ten minutes after the first restart only two lie in the window.
    EXPECT_EQ(crashAt(start + 10 * minute), WatchVerdict::restart);
    EXPECT_EQ(crashAt(start + 10 * minute + 1), WatchVerdict::crashLoop);
    // A normal exit is judged the same however many restarts came before it.
    EXPECT_EQ(judge({false, true, 0}, history.recent(start + 10 * minute + 2)), WatchVerdict::leave);
}

TEST(Watchdog, PrivateCommandLinesCarryTheHandlesAndTheOperatorsFlags) {
    const WatchHandles handles{0x1A4, 0x2B8};
    const Launch watcher = parseLaunch(watcherArguments(0x7C, handles, {true, true}));
    EXPECT_EQ(watcher.role, LaunchRole::watcher);
    EXPECT_EQ(watcher.programProcess, 0x7Cu);
    EXPECT_EQ(watcher.handles.crashEvent, 0x1A4u);
    EXPECT_EQ(watcher.handles.endReport, 0x2B8u);
    EXPECT_TRUE(watcher.flags.startHidden && watcher.flags.lockAtStart);

    const Launch restarted = parseLaunch(restartArguments(handles, {true, false}));
    EXPECT_EQ(restarted.role, LaunchRole::restartedProgram);
    EXPECT_EQ(restarted.handles.endReport, 0x2B8u);
    EXPECT_TRUE(restarted.flags.startHidden);
    EXPECT_FALSE(restarted.flags.lockAtStart);
    EXPECT_EQ(restartArguments(handles, {}), u"/lvtx-restarted:420,696");

    // The operator's own command lines read exactly as before.
    const Launch logon = parseLaunch(u" 3 ");
    EXPECT_EQ(logon.role, LaunchRole::program);
    EXPECT_TRUE(logon.flags.startHidden && logon.flags.lockAtStart);
    // A private line that does not parse whole is an unknown argument: no role, no flags.
    for (const std::u16string_view broken :
         {u"/lvtx-watchdog:1,2 1", u"/lvtx-watchdog:1,2,3,4", u"/lvtx-restarted:1,x 1", u"/lvtx-restarted:1,2,1",
          u"/lvtx-restarted:", u"/lvtx-watchdog:1,2,3 13"}) {
        const Launch launch = parseLaunch(broken);
        EXPECT_EQ(launch.role == LaunchRole::watcher, broken == u"/lvtx-watchdog:1,2,3 13") << toUtf8(broken);
        EXPECT_FALSE(launch.flags.startHidden || launch.flags.lockAtStart) << toUtf8(broken);
    }
}

TEST(Watchdog, LogLinesAndTheCrashMessageNameTheCodeAndWhatFollows) {
    EXPECT_EQ(watchLogLine(WatchVerdict::restart, 0xDEAD), u"软件异常终止 - 0x0000dead ◆ 已自动重启");
    EXPECT_EQ(watchLogLine(WatchVerdict::crashLoop, 0xC0000094),
              u"软件异常终止 - 0xc0000094 ◆ 10分钟内异常终止超过3次 ◆ 不再自动重启");
    const std::u16string tail = u"\n\n专家在线咨询 - 先按 PrtSc 键屏幕截图\n\n\n官网 / 专家在线 - 点确定后弹出网页\n ";
    // Without a watcher's answer the message is the one the program always showed.
    EXPECT_EQ(crashMessageText(0xC0000094, RestartAnswer::none), u"软件异常终止 - 0xc0000094\n" + tail);
    EXPECT_EQ(crashMessageText(0xC0000094, RestartAnswer::restarting),
              u"软件异常终止 - 0xc0000094\n软件正在自动重启，定时播放随即恢复\n" + tail);
    EXPECT_NE(crashMessageText(0xC0000094, answerFor(WatchVerdict::crashLoop)).find(u"不再自动重启"),
              std::u16string::npos);
}
