#include <gtest/gtest.h>

#include "data/Text.h"
#include "support/HolidaySamples.h"
#include "support/MemoryFileSystem.h"
#include "support/ProgramSamples.h"
#include "ui/PlanCsv.h"

namespace {

ProgramRecord bell(std::u16string_view name, int hour) {
    ProgramRecord program = sampleProgram(name, hour);
    program.startTimeCount = 1;
    return program;
}

std::string utf8(std::u16string_view text) { return toUtf8(text); }

}  // namespace

// A week around a shift Sunday inside a sports week: the lines above the lists, the rows of the
// starts, a reason for every silent program, and the sheet the staff room prints.
TEST(PlanCsv, AShiftSundayInsideASportsWeekReadsAsTheOperatorNeedsIt) {
    MemoryFileSystem fs;
    ProgramRecord lesson = bell(u"上课铃", 8);
    lesson.delayable = 0;
    ProgramRecord music = bell(u"午间音乐", 12);
    music.isFile = 0;
    setFixed(music.path, u"D:\\音乐");
    music.countMode = 1;
    music.songCount = 3;
    music.delayable = 1;
    ProgramRecord off = bell(u"停用铃", 9);
    off.disabled = 1;
    ProgramRecord monthly = bell(u"月考铃", 10);
    monthly.byWeekday = 0;
    monthly.monthDays[0] = monthly.monthDays[14] = 1;
    ProgramRecord later = bell(u"新学期铃", 11);
    later.dateRange = {2027, 2, 20, 0, 2027, 7, 1, 24};
    ProgramRecord over = bell(u"旧铃", 11);
    over.dateRange = {2025, 9, 1, 0, 2026, 1, 20, 24};
    ProgramRecord weekend = bell(u"周末广播", 7);
    for (int d = 0; d < 7; ++d) weekend.weekdays[d] = d >= 5 ? 1 : 0;
    ProgramRecord timeless = bell(u"无时间", 7);
    timeless.startTimeCount = 0;
    const std::vector<ProgramRecord> programs{lesson, music, off, monthly, later, over, weekend, timeless};
    // Sunday 2026-10-11 plays as Friday 2026-10-09; the sports afternoon holds on Tuesday 10-13.
    const std::vector<HolidayRecord> holidays{holiday(u"运动会", {2026, 10, 13, 12, 2026, 10, 13, 18})};
    std::vector<ShiftDayRecord> shiftDays{shiftDay(2026, 10, 11, 2026, 10, 9)};
    const PlanLists lists{programs, holidays, shiftDays};

    const DayPlan sunday = dayPlan(fs, programs, holidays, shiftDays, 2026, 10, 11);
    EXPECT_EQ(utf8(planGoverningText(sunday, lists)), "调休：按 2026-10-09 的安排播放");
    ASSERT_EQ(sunday.starts.size(), 2u);
    const PlanStartCells first = planStartCells(sunday.starts[0], lists);
    EXPECT_EQ(utf8(first[0] + u"|" + first[1] + u"|" + first[2] + u"|" + first[3] + u"|" + first[4]),
              "08:00:00|上课铃|D:\\铃声\\上课铃.mp3|1遍|准时播");
    const PlanStartCells second = planStartCells(sunday.starts[1], lists);
    EXPECT_EQ(utf8(second[2] + u"|" + second[3] + u"|" + second[4]), "D:\\音乐|3首|可等待");
    std::vector<std::string> reasons;
    for (const SilentProgram& silent : sunday.silent) {
        reasons.push_back(utf8(fixedView(programs[static_cast<std::size_t>(silent.program)].name)) + " " +
                          utf8(silenceReasonText(silent, lists)));
    }
    EXPECT_EQ(reasons, (std::vector<std::string>{"停用铃 已禁用", "月考铃 非所选几号（每月:1,15）",
                                                 "新学期铃 未到有效期（2027-02-20 00:00 起）",
                                                 "旧铃 已过有效期（2026-01-20 24:00 止）",
                                                 "周末广播 非所选周几（每周:67）", "无时间 没有开始时间"}));

    const DayPlan sports = dayPlan(fs, programs, holidays, shiftDays, 2026, 10, 13);
    EXPECT_EQ(utf8(planGoverningText(sports, lists)), "节假日：运动会（2026-10-13 12:00 ~ 2026-10-13 18:00）");
    ASSERT_EQ(sports.starts.size(), 1u) << "the morning bell still rings";
    EXPECT_EQ(utf8(silenceReasonText(sports.silent.at(0), lists)), "节假日：运动会") << "the midday music";

    // A shift day that falls inside the holiday: both govern, the holiday silences.
    shiftDays.push_back(shiftDay(2026, 10, 13, 2026, 10, 9));
    const DayPlan both = dayPlan(fs, programs, holidays, shiftDays, 2026, 10, 13);
    EXPECT_EQ(utf8(planGoverningText(both, lists)),
              "调休：按 2026-10-09 的安排播放；节假日：运动会（2026-10-13 12:00 ~ 2026-10-13 18:00）");
    EXPECT_TRUE(planGoverningText(dayPlan(fs, programs, holidays, shiftDays, 2026, 10, 12), lists).empty());

    const DayPlan saturday = dayPlan(fs, programs, holidays, shiftDays, 2026, 10, 10);
    const std::string csv = planCsv({{2026, 10, 10, saturday}, {2026, 10, 11, sunday}}, lists);
    EXPECT_EQ(csv,
              "\xEF\xBB\xBF"
              "日期,时间,节目名称,播放内容,时长,播放方式,当日安排\r\n"
              "2026-10-10 (周6),07:00:00,周末广播,D:\\铃声\\上课铃.mp3,1遍,准时播,\r\n"
              "2026-10-11 (周7),08:00:00,上课铃,D:\\铃声\\上课铃.mp3,1遍,准时播,调休：按 2026-10-09 的安排播放\r\n"
              "2026-10-11 (周7),12:00:00,午间音乐,D:\\音乐,3首,可等待,调休：按 2026-10-09 的安排播放\r\n");
    const std::vector<HolidayRecord> allDay{holiday(u"国庆", {2026, 10, 1, 0, 2026, 10, 8, 24})};
    const PlanLists holidayLists{programs, allDay, shiftDays};
    EXPECT_EQ(planCsv({{2026, 10, 2, dayPlan(fs, programs, allDay, shiftDays, 2026, 10, 2)}}, holidayLists),
              "\xEF\xBB\xBF日期,时间,节目名称,播放内容,时长,播放方式,当日安排\r\n"
              "2026-10-02 (周5),,（这一天没有节目播放）,,,,节假日：国庆（2026-10-01 00:00 ~ 2026-10-08 24:00）\r\n");
}

// Names are the operator's own text: separators are quoted, and nothing runs as a formula.
TEST(PlanCsv, CsvFieldsQuoteSeparatorsAndNeverStartAFormula) {
    EXPECT_EQ(csvField(u"上课铃"), "上课铃");
    EXPECT_EQ(csvField(u"铃,声"), "\"铃,声\"");
    EXPECT_EQ(csvField(u"\"大\"课间"), "\"\"\"大\"\"课间\"");
    EXPECT_EQ(csvField(u"两\r\n行"), "\"两\r\n行\"");
    EXPECT_EQ(csvField(u"=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(csvField(u"+1"), "'+1");
    EXPECT_EQ(csvField(u"-铃"), "'-铃");
    EXPECT_EQ(csvField(u"@铃"), "'@铃");
    EXPECT_EQ(csvField(u"𠀀,铃"), "\"𠀀,铃\"") << "a character outside the basic plane survives quoting";
    EXPECT_EQ(csvField(u""), "");
    EXPECT_EQ(utf8(planCsvName(2026, 12, 9, 1)), "播放计划 2026-12-09.csv");
    EXPECT_EQ(utf8(planCsvName(2026, 12, 9, 7)), "播放计划 2026-12-09 起7天.csv");
}
