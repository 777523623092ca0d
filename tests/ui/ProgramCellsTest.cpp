#include <gtest/gtest.h>

#include "data/Text.h"
#include "support/ProgramSamples.h"
#include "ui/ProgramCells.h"

namespace {

const DateTime noon{2024, 5, 5, 3, 12, 0, 0, 0};  // Friday 2024-05-03

ProgramRecord withTimes(int count) {
    ProgramRecord program = sampleProgram(u"打铃");
    program.startTimeCount = count;
    for (int i = 0; i < count && i < maxStartTimes; ++i) program.startTimes[i] = TimeOfDay{8, i, 5};
    return program;
}

}  // namespace

TEST(ProgramCells, StartTimeSummaryShowsFiveTimesThenAnEllipsis) {
    EXPECT_EQ(startTimeSummary(withTimes(0)), u"");
    EXPECT_EQ(startTimeSummary(withTimes(1)), u"08:00:05");
    EXPECT_EQ(startTimeSummary(withTimes(5)), u"08:00:05, 08:01:05, 08:02:05, 08:03:05, 08:04:05");
    EXPECT_EQ(startTimeSummary(withTimes(6)), u"08:00:05, 08:01:05, 08:02:05, 08:03:05, 08:04:05 …");
    // A count from a damaged record never reads past the array nor below zero.
    ProgramRecord broken = withTimes(maxStartTimes);
    broken.startTimeCount = 100000;
    EXPECT_EQ(startTimeSummary(broken), startTimeSummary(withTimes(maxStartTimes)));
    broken.startTimeCount = -3;
    EXPECT_EQ(startTimeSummary(broken), u"");
}

TEST(ProgramCells, DaySelectionSummaryFollowsTheActiveKindOnly) {
    ProgramRecord program = sampleProgram(u"课间操");
    for (int day = 0; day < 7; ++day) program.weekdays[day] = day < 5 ? 1 : 0;
    program.monthDays[0] = 1;
    EXPECT_EQ(daySelectionSummary(program), u"每周:12345");
    for (auto& day : program.weekdays) day = 1;
    EXPECT_EQ(daySelectionSummary(program), u"每周:1234567");
    for (auto& day : program.weekdays) day = 0;
    EXPECT_EQ(daySelectionSummary(program), u"每周:");

    program.byWeekday = 0;
    program.monthDays[14] = 1;
    program.monthDays[30] = 7;  // any nonzero flag counts as set
    EXPECT_EQ(daySelectionSummary(program), u"每月:1,15,31");
    for (auto& day : program.monthDays) day = 0;
    program.weekdays[2] = 1;
    EXPECT_EQ(daySelectionSummary(program), u"");
}

TEST(ProgramCells, StatusIsDisabledFirstThenTheDateRangeAtNow) {
    ProgramRecord program = sampleProgram(u"升旗");
    program.dateRange = DateHourRange{2024, 5, 3, 0, 2024, 5, 3, 24};
    EXPECT_EQ(programStatusText(program, noon), u"√");
    program.dateRange = DateHourRange{2024, 5, 1, 0, 2024, 5, 2, 24};
    EXPECT_EQ(programStatusText(program, noon), u"已过有效期");
    program.dateRange = DateHourRange{2024, 5, 4, 0, 2024, 6, 1, 24};
    EXPECT_EQ(programStatusText(program, noon), u"未到有效期");
    program.disabled = 1;
    EXPECT_EQ(programStatusText(program, noon), u"禁用×");
    program.dateRange = DateHourRange{2024, 5, 3, 0, 2024, 5, 3, 24};
    EXPECT_EQ(programStatusText(program, noon), u"禁用×");
}

TEST(ProgramCells, RowHoldsTheEightCellsInColumnOrder) {
    ProgramRecord program = sampleProgram(u"午休音乐");
    program.isFile = 0;
    program.songCount = 3;
    program.volume = 65;
    setFixed(program.path, u"D:\\音乐\\午休");
    const auto cells = programRowCells(program, noon);
    EXPECT_EQ(cells[0], u"午休音乐");
    EXPECT_EQ(cells[statusColumn], u"√");
    EXPECT_EQ(cells[2], u"08:00:00, 09:30:15");
    EXPECT_EQ(cells[3], u"3首");
    EXPECT_EQ(cells[4], u"D:\\音乐\\午休");
    EXPECT_EQ(cells[5], u"65");
    EXPECT_EQ(cells[6], u"每周:12345");
    EXPECT_EQ(cells[7], u"2000-01-01 00:00 ~ 2099-12-31 24:00");

    program.countMode = 0;
    program.seconds = 90;
    EXPECT_EQ(programRowCells(program, noon)[3], u"90秒");
}
