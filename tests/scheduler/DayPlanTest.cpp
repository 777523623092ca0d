#include <gtest/gtest.h>

#include <random>

#include "data/Text.h"
#include "scheduler/DayPlan.h"
#include "support/HolidaySamples.h"
#include "support/MemoryFileSystem.h"
#include "support/ProgramSamples.h"

namespace {

ProgramRecord weekdayBell(std::u16string_view name, int hour) {
    ProgramRecord bell = sampleProgram(name, hour);
    bell.startTimeCount = 1;
    return bell;
}

}  // namespace

// A school week around a shift Sunday and a sports day: what rings and why the rest won't.
TEST(DayPlan, AShiftSundayRingsAsItsWeekdayAndAHolidaySilencesWithItsName) {
    MemoryFileSystem fs;
    ProgramRecord weekend = weekdayBell(u"周末广播", 9);
    for (int d = 0; d < 7; ++d) weekend.weekdays[d] = d >= 5 ? 1 : 0;
    ProgramRecord off = weekdayBell(u"停用铃", 10);
    off.disabled = 1;
    const std::vector<ProgramRecord> programs{weekdayBell(u"上课铃", 8), weekend, off};
    const std::vector<HolidayRecord> holidays{holiday(u"运动会", {2026, 10, 14, 0, 2026, 10, 14, 24})};
    // Sunday 2026-10-11 plays as Friday 2026-10-09.
    const std::vector<ShiftDayRecord> shiftDays{shiftDay(2026, 10, 11, 2026, 10, 9)};

    const DayPlan sunday = dayPlan(fs, programs, holidays, shiftDays, 2026, 10, 11);
    EXPECT_EQ(sunday.shiftDayIndex, 0);
    EXPECT_EQ(sunday.holidayIndex, -1);
    ASSERT_EQ(sunday.starts.size(), 1u);
    EXPECT_EQ(sunday.starts[0].program, 0);
    EXPECT_EQ(sunday.starts[0].time.hour, 8);
    ASSERT_EQ(sunday.silent.size(), 2u);
    EXPECT_EQ(sunday.silent[0].why.rule, EligibilityRule::weekdayNotSelected) << "a shift day plays as a weekday";
    EXPECT_EQ(sunday.silent[1].why.rule, EligibilityRule::disabled);

    const DayPlan sportsDay = dayPlan(fs, programs, holidays, shiftDays, 2026, 10, 14);
    EXPECT_EQ(sportsDay.shiftDayIndex, -1);
    EXPECT_EQ(sportsDay.holidayIndex, 0);
    EXPECT_TRUE(sportsDay.starts.empty());
    EXPECT_EQ(sportsDay.silent[0].why.rule, EligibilityRule::holiday);
    EXPECT_EQ(sportsDay.silent[0].why.holidayIndex, 0);
}

// Random lists over many days, the last days of months and a leap day among them: every
// program either starts or is silent with a reason, and one that may play at a start time starts.
TEST(DayPlan, EveryProgramStartsOrHasAReasonAndAnEligibleOneStarts) {
    MemoryFileSystem fs;
    std::mt19937 random(11);
    for (int round = 0; round < 6; ++round) {
        std::vector<ProgramRecord> programs;
        for (int p = 0; p < 6; ++p) {
            std::u16string name = u"节目";
            name += formatNumber(p);
            ProgramRecord program = weekdayBell(name, 6 + static_cast<int>(random() % 12));
            for (int d = 0; d < 7; ++d) program.weekdays[d] = static_cast<std::int32_t>(random() % 2);
            program.disabled = random() % 5 == 0 ? 1 : 0;
            programs.push_back(program);
        }
        const std::vector<HolidayRecord> holidays{
            holiday(u"假期", {2024, 2, 28, 12, 2024, 3, 1, 24}, random() % 2 == 0)};
        const std::vector<ShiftDayRecord> shiftDays{shiftDay(2024, 2, 29, 2024, 2, 26), shiftDay(2024, 3, 2, 2024, 2, 27)};
        for (int day = 26; day <= 33; ++day) {
            const int month = day <= 29 ? 2 : 3;
            const int date = day <= 29 ? day : day - 29;
            const DayPlan plan = dayPlan(fs, programs, holidays, shiftDays, 2024, month, date);
            std::vector<int> seen(programs.size(), 0);
            for (const PlannedStart& start : plan.starts) seen[static_cast<std::size_t>(start.program)] = 1;
            for (const SilentProgram& silent : plan.silent) {
                EXPECT_EQ(seen[static_cast<std::size_t>(silent.program)], 0);
                seen[static_cast<std::size_t>(silent.program)] = 1;
                EXPECT_NE(silent.why.rule, EligibilityRule::eligible) << "day " << month << "-" << date;
            }
            for (std::size_t p = 0; p < programs.size(); ++p) {
                EXPECT_EQ(seen[p], 1);
                const TimeOfDay& t = programs[p].startTimes[0];
                DateTime at_ = at(2024, month, date, t.hour, t.minute, t.second);
                const bool mayPlay = programs[p].disabled == 0 && programEligible(programs[p], at_, holidays, shiftDays);
                bool started = false;
                for (const PlannedStart& start : plan.starts) started = started || start.program == static_cast<int>(p);
                EXPECT_EQ(started, mayPlay) << toUtf8(fixedView(programs[p].name)) << " on " << month << "-" << date;
            }
        }
    }
}

// What the web console shows as next: a bell that has rung is not next again while its late-start
// window is still open; one the program has not rung yet (as after a start-up) still is.
TEST(DayPlan, TheNextStartSkipsABellThatHasJustRung) {
    MemoryFileSystem fs;
    std::vector<ProgramRecord> programs{weekdayBell(u"上课铃", 8), weekdayBell(u"下课铃", 9)};
    const DateTime rang = dateTimeAt(2026, 10, 12, TimeOfDay{8, 0, 0});
    const DateTime now = addSeconds(rang, 5);

    const auto fresh = nextPlannedStart(fs, programs, {}, {}, now, 86400);
    ASSERT_TRUE(fresh.has_value());
    EXPECT_EQ(fresh->program, 0) << "not rung yet: it starts late";
    EXPECT_EQ(secondsBetween(now, fresh->time), 1);

    programs[0].lastStart = rang;
    const auto next = nextPlannedStart(fs, programs, {}, {}, now, 86400);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->program, 1);
    EXPECT_EQ(next->time.hour, 9);

    programs[1].disabled = 1;
    const auto tomorrow = nextPlannedStart(fs, programs, {}, {}, now, 86400);
    ASSERT_TRUE(tomorrow.has_value());
    EXPECT_EQ(tomorrow->program, 0);
    EXPECT_EQ(tomorrow->time.day, 13);
    EXPECT_FALSE(nextPlannedStart(fs, programs, {}, {}, now, 3600).has_value()) << "nothing within the hour";
}
