#include <gtest/gtest.h>

#include <map>

#include "scheduler/Scheduler.h"
#include "support/JobBench.h"

namespace {

class RecordingProgramList : public ProgramListView {
public:
    std::map<int, std::u16string> cells;
    int reads = 0;
    int writes = 0;
    std::u16string validityText(int row) override {
        ++reads;
        return cells[row];
    }
    void setValidityText(int row, std::u16string_view text) override {
        cells[row] = text;
        ++writes;
    }
};

struct ScheduleBench : JobBench {
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    RecordingProgramList list;
    Schedule schedule{programs, holidays, shiftDays, list};

    ProgramRecord program(std::u16string_view name, std::initializer_list<TimeOfDay> starts, bool onTime = true) {
        ProgramRecord p = fileProgram(name, u"/music/" + std::u16string(name) + u".mp3");
        p.startTimeCount = 0;
        for (const TimeOfDay& t : starts) p.startTimes[p.startTimeCount++] = t;
        for (auto& day : p.weekdays) day = 1;
        p.delayable = onTime ? 0 : 1;
        p.lastStart = resetStamp();
        return p;
    }
    ProgramRecord seconds(std::u16string_view name, TimeOfDay start, int length) {
        ProgramRecord p = program(name, {start});
        p.countMode = 0;
        p.seconds = length;
        return p;
    }
    void tickOnce() { schedulerTick(schedule, play, services, clock); }
    // Moves the clock second by second until `end` (exclusive), `ticks` ticks a second.
    void runUntil(const DateTime& end, int ticks = 1) {
        while (millisecondsBetween(clock, end) > 0) {
            for (int t = 0; t < ticks; ++t) tickOnce();
            clock = addSeconds(clock, 1);
        }
    }
    // Every "开始播放" line: its time and text.
    std::vector<std::pair<std::u16string, std::u16string>> starts() const {
        std::vector<std::pair<std::u16string, std::u16string>> found;
        for (const auto& e : logged) {
            if (e.text.find(u"开始播放") != std::u16string::npos) {
                found.emplace_back(timeOfDayText({e.time.hour, e.time.minute, e.time.second}), e.text);
            }
        }
        return found;
    }
    bool logContains(std::u16string_view text) const {
        for (const auto& e : logged) {
            if (e.text == text) return true;
        }
        return false;
    }
};

}  // namespace

TEST(Scheduler, CountModeIsDueFromSecond0ThroughSecond14Only) {
    for (const int late : {0, 14}) {
        ScheduleBench bench;
        bench.programs = {bench.program(u"铃", {{8, 0, 0}})};
        bench.clock = at(2024, 9, 2, 8, 0, late);
        bench.tickOnce();
        EXPECT_EQ(bench.play.nowPlaying.size(), 1u) << late;
        EXPECT_TRUE(sameInstant(bench.programs[0].lastStart, at(2024, 9, 2, 8, 0, 0))) << "the start instant, not now";
    }
    ScheduleBench missed;
    missed.programs = {missed.program(u"铃", {{8, 0, 0}})};
    missed.clock = at(2024, 9, 2, 8, 0, 15);
    missed.runUntil(at(2024, 9, 3, 7, 59, 59));
    EXPECT_TRUE(missed.starts().empty());

    ScheduleBench lastSeconds;
    lastSeconds.programs = {lastSeconds.program(u"晚", {{23, 59, 50}})};
    lastSeconds.clock = at(2024, 9, 2, 23, 59, 59);
    lastSeconds.tickOnce();
    EXPECT_EQ(lastSeconds.play.nowPlaying.size(), 1u);
}

TEST(Scheduler, ASecondsModeProgramStartsLateAndEndsWithItsWindow) {
    ScheduleBench bench;
    bench.programs = {bench.seconds(u"广播操", {8, 0, 0}, 600)};
    bench.clock = at(2024, 9, 2, 8, 5, 0);
    bench.runUntil(at(2024, 9, 2, 8, 10, 5), 20);
    ASSERT_EQ(bench.starts().size(), 1u);
    EXPECT_EQ(bench.starts()[0].first, u"08:05:00");
    ASSERT_FALSE(bench.logged.empty());
    EXPECT_EQ(bench.logged.back().text, u"广播操 ◆ 播放结束");
    EXPECT_EQ(timeOfDayText({bench.logged.back().time.hour, bench.logged.back().time.minute,
                             bench.logged.back().time.second}),
              u"08:10:00");

    ScheduleBench tooLate;
    tooLate.programs = {tooLate.seconds(u"广播操", {8, 0, 0}, 600)};
    tooLate.clock = at(2024, 9, 2, 8, 10, 0);
    tooLate.runUntil(at(2024, 9, 3, 8, 0, 1), 2);
    ASSERT_EQ(tooLate.starts().size(), 1u);
    EXPECT_EQ(tooLate.logged.front().time.day, 3);
}

TEST(Scheduler, NoWindowReachesIntoTheNextDate) {
    ScheduleBench bench;
    bench.programs = {bench.seconds(u"夜", {23, 55, 0}, 900)};
    bench.clock = at(2024, 9, 3, 0, 5, 0);
    bench.runUntil(at(2024, 9, 3, 0, 10, 0));
    EXPECT_TRUE(bench.starts().empty());
}

TEST(Scheduler, AWholeDayRingsEachStartTimeOnceInOrder) {
    ScheduleBench bench;
    bench.programs = {bench.program(u"上课", {{8, 0, 0}, {9, 0, 0}, {14, 0, 0}}),
                      bench.program(u"下课", {{8, 45, 0}, {9, 45, 0}}, false)};
    bench.programs[0].weekdays[5] = bench.programs[0].weekdays[6] = 0;
    bench.script.endAfterPolls = 100;
    bench.clock = at(2024, 9, 6, 0, 0, 0);  // a Friday, then the weekend
    bench.runUntil(at(2024, 9, 8, 23, 59, 59), 2);
    std::vector<std::u16string> times;
    for (const auto& [time, text] : bench.starts()) times.push_back(time + u" " + text);
    EXPECT_EQ(times, (std::vector<std::u16string>{
                         u"08:00:00 上课 ◆ 开始播放", u"08:45:00 下课 ◆ 开始播放", u"09:00:00 上课 ◆ 开始播放",
                         u"09:45:00 下课 ◆ 开始播放", u"14:00:00 上课 ◆ 开始播放", u"08:45:00 下课 ◆ 开始播放",
                         u"09:45:00 下课 ◆ 开始播放", u"08:45:00 下课 ◆ 开始播放", u"09:45:00 下课 ◆ 开始播放"}));
}

TEST(Scheduler, TheClockSetBackMoreThan15SecondsResetsTheLastStart) {
    ScheduleBench bench;
    bench.programs = {bench.program(u"铃", {{8, 0, 0}})};
    bench.clock = at(2024, 9, 2, 8, 0, 5);
    bench.tickOnce();
    ASSERT_EQ(bench.view.appended, 1);

    bench.clock = at(2024, 9, 2, 7, 59, 45);  // exactly 15 s before the last start: kept
    bench.runUntil(at(2024, 9, 2, 8, 0, 10));
    EXPECT_EQ(bench.view.appended, 1);

    bench.clock = at(2024, 9, 2, 7, 59, 44);  // 16 s before: reset, and the start rings again
    bench.runUntil(at(2024, 9, 2, 8, 0, 10));
    EXPECT_EQ(bench.view.appended, 2);
}

TEST(Scheduler, TheClockSetBackDuringASecondsPlayStopsItAndRingsAgain) {
    ScheduleBench bench;
    bench.programs = {bench.seconds(u"操", {10, 0, 0}, 300)};
    bench.clock = at(2024, 9, 2, 10, 0, 0);
    bench.runUntil(at(2024, 9, 2, 10, 1, 0), 2);
    bench.clock = at(2024, 9, 2, 9, 59, 0);
    bench.runUntil(at(2024, 9, 2, 10, 0, 2), 2);
    EXPECT_TRUE(bench.logContains(u"操 ◆ 终止播放… ◆ 系统时间倒退"));
    EXPECT_EQ(bench.starts().size(), 2u);
}

TEST(Scheduler, TwoOnTimeProgramsInOneTickTheLaterPlays) {
    ScheduleBench bench;
    bench.programs = {bench.program(u"甲", {{8, 0, 0}}), bench.program(u"乙", {{8, 0, 0}})};
    bench.clock = at(2024, 9, 2, 8, 0, 0);
    bench.tickOnce();
    ASSERT_EQ(bench.play.nowPlaying.size(), 1u);
    EXPECT_EQ(fixedView(bench.play.nowPlaying[0].program.name), u"乙");
    EXPECT_TRUE(bench.logContains(u"甲 ◆ 终止播放 ◆ 别的节目要播: 乙 ◆ 参看:节目属性→准时播/可延迟"));
}

TEST(Scheduler, ADelayableProgramQueuesAndStartsWhenThePlayingOneEnds) {
    ScheduleBench bench;
    bench.programs = {bench.program(u"长曲", {{8, 0, 0}}), bench.program(u"通知", {{8, 0, 10}}, false)};
    bench.clock = at(2024, 9, 2, 8, 0, 0);
    bench.runUntil(at(2024, 9, 2, 8, 0, 11));
    ASSERT_EQ(bench.play.nowPlaying.size(), 2u);
    EXPECT_EQ(bench.view.rows[1][1], u"排队等候");
    EXPECT_TRUE(bench.logContains(u"通知 ◆ 排队等候 ◆ 等正在播的播完 ◆ 参看:节目属性→准时播/可延迟"));
    bench.head()->atEnd = true;
    bench.tickOnce();
    ASSERT_EQ(bench.play.nowPlaying.size(), 1u);
    EXPECT_NE(bench.head(), nullptr);
    EXPECT_EQ(bench.starts().back().second, u"通知 ◆ 开始播放");
}

TEST(Scheduler, DisabledProgramsNeverStartButForgetTheirLastStartWhenTheClockGoesBack) {
    ScheduleBench bench;
    bench.programs = {bench.program(u"停", {{8, 0, 0}})};
    bench.programs[0].disabled = 1;
    bench.programs[0].lastStart = at(2024, 9, 2, 9, 0, 0);
    bench.list.cells[0] = u"禁用×";
    bench.clock = at(2024, 9, 2, 8, 0, 0);
    bench.tickOnce();
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_TRUE(sameInstant(bench.programs[0].lastStart, resetStamp()));
    EXPECT_EQ(bench.list.cells[0], u"禁用×");
}

TEST(Scheduler, TheValidityCellIsReadOnceAMinuteAndWrittenOnlyWhenItChanges) {
    ScheduleBench bench;
    bench.programs = {bench.program(u"期", {{8, 0, 0}})};
    bench.programs[0].dateRange = {2024, 9, 2, 10, 2024, 9, 2, 11};
    bench.clock = at(2024, 9, 2, 9, 59, 0);
    bench.runUntil(at(2024, 9, 2, 11, 2, 0), 20);
    EXPECT_EQ(bench.list.writes, 3);
    EXPECT_EQ(bench.list.reads, 63);
    EXPECT_EQ(bench.list.cells[0], u"已过有效期");

    // A cell written wrongly within a minute waits for the next one; a clock set back is a new minute.
    bench.tickOnce();
    bench.list.cells[0] = u"√";
    bench.runUntil(at(2024, 9, 2, 11, 3, 0), 20);
    EXPECT_EQ(bench.list.cells[0], u"√");
    bench.runUntil(at(2024, 9, 2, 11, 3, 1));
    EXPECT_EQ(bench.list.cells[0], u"已过有效期");
    bench.clock = at(2024, 9, 2, 10, 30, 0);
    bench.tickOnce();
    EXPECT_EQ(bench.list.cells[0], u"√");
}

TEST(Scheduler, PlayNowPreemptsEverythingAndStopSelectedStopsEachSelectedRow) {
    ScheduleBench bench;
    bench.programs = {bench.program(u"甲", {{8, 0, 0}}), bench.program(u"乙", {{8, 0, 1}}, false),
                      bench.program(u"丙", {{8, 0, 2}}, false)};
    bench.clock = at(2024, 9, 2, 8, 0, 0);
    bench.runUntil(at(2024, 9, 2, 8, 0, 3));
    ASSERT_EQ(bench.play.nowPlaying.size(), 3u);
    ProgramRecord manual = bench.program(u"丁", {{12, 0, 0}}, false);
    playNow(manual, 2, bench.play, bench.services, bench.clock);
    ASSERT_EQ(bench.play.nowPlaying.size(), 1u);
    EXPECT_EQ(bench.view.rows[0][0], u"丁(手动)");
    EXPECT_EQ(bench.play.nowPlaying[0].program.songCount, 2);
    EXPECT_TRUE(bench.logContains(u"甲 ◆ 终止播放… ◆ 别的节目要播: 丁(手动)"));
    EXPECT_TRUE(bench.logContains(u"丙 ◆ 终止播放 ◆ 别的节目要播: 丁(手动)"));

    for (int i = 0; i < 3; ++i) appendJob(bench.play, bench.services, makeJob(bench.programs[i], false));
    stopSelected({1, 2, 3}, bench.play, bench.services, bench.clock);
    ASSERT_EQ(bench.play.nowPlaying.size(), 1u);
    EXPECT_EQ(fixedView(bench.play.nowPlaying[0].program.name), u"丁");
    EXPECT_TRUE(bench.logContains(u"丙 ◆ 终止播放 ◆ 用户终止播放"));
}
