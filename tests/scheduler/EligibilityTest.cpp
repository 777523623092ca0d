#include <gtest/gtest.h>

#include <cstring>

#include "scheduler/Eligibility.h"
#include "support/HolidaySamples.h"
#include "support/ProgramSamples.h"

namespace {

ProgramRecord onWeekdays(std::initializer_list<int> mondayFirst) {
    ProgramRecord program = sampleProgram(u"p");
    std::memset(program.weekdays, 0, sizeof program.weekdays);
    for (const int day : mondayFirst) program.weekdays[day] = 1;
    return program;
}

const std::vector<HolidayRecord> noHolidays;
const std::vector<ShiftDayRecord> noShiftDays;

}  // namespace

TEST(Eligibility, DateRangeFromItsStartHourThroughMinute00OfItsEndHour) {
    ProgramRecord program = onWeekdays({0, 1, 2, 3, 4, 5, 6});
    program.dateRange = {2024, 5, 1, 8, 2024, 5, 1, 10};
    EXPECT_EQ(eligibilityOf(program, at(2024, 5, 1, 7, 59, 59), noHolidays, noShiftDays).rule,
              EligibilityRule::dateRangeNotBegun);
    EXPECT_EQ(validityCellText(program, at(2024, 5, 1, 7, 59, 59)), u"未到有效期");
    EXPECT_TRUE(programEligible(program, at(2024, 5, 1, 8), noHolidays, noShiftDays));
    EXPECT_TRUE(programEligible(program, at(2024, 5, 1, 10, 0, 59), noHolidays, noShiftDays));
    EXPECT_EQ(validityCellText(program, at(2024, 5, 1, 10, 0, 59)), u"√");
    EXPECT_EQ(eligibilityOf(program, at(2024, 5, 1, 10, 1), noHolidays, noShiftDays).rule,
              EligibilityRule::dateRangeOver);
    EXPECT_EQ(validityCellText(program, at(2024, 5, 1, 10, 1)), u"已过有效期");
}

TEST(Eligibility, WeekdaysAndMonthDays) {
    const ProgramRecord weekend = onWeekdays({5, 6});
    EXPECT_TRUE(programEligible(weekend, at(2024, 10, 12, 9), noHolidays, noShiftDays));   // Saturday
    EXPECT_TRUE(programEligible(weekend, at(2024, 10, 13, 9), noHolidays, noShiftDays));   // Sunday
    EXPECT_EQ(eligibilityOf(weekend, at(2024, 10, 14, 9), noHolidays, noShiftDays).rule,  // Monday
              EligibilityRule::weekdayNotSelected);

    ProgramRecord day31 = sampleProgram(u"月末");
    day31.byWeekday = 0;
    day31.monthDays[30] = 1;
    EXPECT_TRUE(programEligible(day31, at(2024, 10, 31, 9), noHolidays, noShiftDays));
    EXPECT_EQ(eligibilityOf(day31, at(2024, 11, 30, 9), noHolidays, noShiftDays).rule,
              EligibilityRule::monthDayNotSelected);
    EXPECT_EQ(eligibilityOf(day31, at(2024, 10, 30, 9), noHolidays, noShiftDays).rule,
              EligibilityRule::monthDayNotSelected);
}

TEST(Eligibility, AShiftDayMapsTheDateForRangeAndDaysButNotForHolidaysOrTheCell) {
    const std::vector<ShiftDayRecord> shifts{shiftDay(2024, 10, 12, 2024, 10, 8)};
    const ProgramRecord tuesday = onWeekdays({1});
    const ProgramRecord saturday = onWeekdays({5});
    for (const int hour : {0, 8, 23}) {
        EXPECT_TRUE(programEligible(tuesday, at(2024, 10, 12, hour, 59, 59), noHolidays, shifts)) << hour;
        EXPECT_FALSE(programEligible(saturday, at(2024, 10, 12, hour), noHolidays, shifts)) << hour;
    }

    ProgramRecord ended = tuesday;
    ended.dateRange = {2024, 9, 1, 0, 2024, 10, 10, 24};
    EXPECT_TRUE(programEligible(ended, at(2024, 10, 12, 8), noHolidays, shifts));
    EXPECT_EQ(validityCellText(ended, at(2024, 10, 12, 8)), u"已过有效期");

    const std::vector<HolidayRecord> covering{holiday(u"秋假", {2024, 10, 12, 0, 2024, 10, 12, 24})};
    const Eligibility verdict = eligibilityOf(tuesday, at(2024, 10, 12, 8), covering, shifts);
    EXPECT_EQ(verdict.rule, EligibilityRule::holiday);
    EXPECT_EQ(verdict.holidayIndex, 0);
    // A holiday on date b does not reach the shift day.
    const std::vector<HolidayRecord> onDateB{holiday(u"b", {2024, 10, 8, 0, 2024, 10, 8, 24})};
    EXPECT_TRUE(programEligible(tuesday, at(2024, 10, 12, 8), onDateB, shifts));

    const std::vector<ShiftDayRecord> disabledShift{shiftDay(2024, 10, 12, 2024, 10, 8, true)};
    EXPECT_TRUE(programEligible(saturday, at(2024, 10, 12, 8), noHolidays, disabledShift));
}

TEST(Eligibility, HolidaysSuppressEverythingUnlessDisabled) {
    const ProgramRecord everyDay = onWeekdays({0, 1, 2, 3, 4, 5, 6});
    const std::vector<HolidayRecord> national{holiday(u"国庆", {2024, 10, 1, 0, 2024, 10, 7, 24})};
    for (int day = 1; day <= 7; ++day) {
        EXPECT_FALSE(programEligible(everyDay, at(2024, 10, day, 12), national, noShiftDays)) << day;
    }
    EXPECT_TRUE(programEligible(everyDay, at(2024, 10, 8, 0), national, noShiftDays));
    const std::vector<HolidayRecord> disabled{holiday(u"国庆", {2024, 10, 1, 0, 2024, 10, 7, 24}, true)};
    EXPECT_TRUE(programEligible(everyDay, at(2024, 10, 3, 12), disabled, noShiftDays));
    const std::vector<HolidayRecord> minute{holiday(u"一分钟", {2024, 5, 1, 24, 2024, 5, 2, 0})};
    EXPECT_TRUE(programEligible(everyDay, at(2024, 5, 1, 23, 59, 59), minute, noShiftDays));
    EXPECT_FALSE(programEligible(everyDay, at(2024, 5, 2, 0, 0, 30), minute, noShiftDays));
    EXPECT_TRUE(programEligible(everyDay, at(2024, 5, 2, 0, 1, 0), minute, noShiftDays));
}
