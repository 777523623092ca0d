#include <gtest/gtest.h>

#include "data/HolidayRecord.h"
#include "support/HolidaySamples.h"

TEST(Weekday, KnownDatesAndInvalidOnes) {
    EXPECT_EQ(weekdayOf(2024, 10, 12), 6);  // Saturday
    EXPECT_EQ(weekdayOf(2024, 10, 8), 2);   // Tuesday
    EXPECT_EQ(weekdayOf(2024, 10, 13), 0);  // Sunday
    EXPECT_EQ(weekdayOf(2000, 1, 1), 6);
    EXPECT_EQ(weekdayOf(2024, 2, 29), 4);   // January and February count as months of the year before
    EXPECT_EQ(weekdayOf(2024, 3, 1), 5);
    EXPECT_EQ(weekdayOf(1853, 1, 1), 6);
    EXPECT_EQ(weekdayOf(2023, 2, 29), -1);
    // Consecutive days step through the week.
    int previous = weekdayOf(1999, 12, 31);
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= daysInMonth(2000, month); ++day) {
            const int weekday = weekdayOf(2000, month, day);
            ASSERT_EQ(weekday, (previous + 1) % 7) << month << "-" << day;
            previous = weekday;
        }
    }
}

TEST(ShiftDay, ASaturdayPlayedAsATuesdayKeepsTheTimeOfDay) {
    const std::vector<ShiftDayRecord> shifts{shiftDay(2024, 10, 12, 2024, 10, 8)};
    DateTime now = at(2024, 10, 12, 7, 30, 15);
    now.milliseconds = 250;
    const DateTime mapped = applyShiftDay(shifts, now);
    EXPECT_EQ(mapped.year, 2024);
    EXPECT_EQ(mapped.month, 10);
    EXPECT_EQ(mapped.day, 8);
    EXPECT_EQ(mapped.dayOfWeek, 2);
    EXPECT_EQ(mapped.hour, 7);
    EXPECT_EQ(mapped.minute, 30);
    EXPECT_EQ(mapped.second, 15);
    EXPECT_EQ(mapped.milliseconds, 250);
    EXPECT_TRUE(sameInstant(applyShiftDay(shifts, at(2024, 10, 13, 7)), at(2024, 10, 13, 7)));
}

TEST(ShiftDay, DisabledAndInvalidRecordsAreSkippedAndTheFirstValidOneWins) {
    const std::vector<ShiftDayRecord> shifts{
        shiftDay(2024, 10, 12, 2024, 10, 7, true),   // disabled
        shiftDay(2024, 10, 12, 2023, 2, 29),         // date b invalid
        shiftDay(2024, 10, 12, 2024, 10, 9),         // wins
        shiftDay(2024, 10, 12, 2024, 10, 10),
    };
    EXPECT_EQ(applyShiftDay(shifts, at(2024, 10, 12, 9)).day, 9);
    EXPECT_EQ(findShiftDay(shifts, 2024, 10, 12), 0);  // enabled or not
    EXPECT_EQ(findShiftDay(shifts, 2024, 10, 13), -1);
    const std::vector<ShiftDayRecord> onlyDisabled{shiftDay(2024, 10, 12, 2024, 10, 8, true)};
    EXPECT_EQ(applyShiftDay(onlyDisabled, at(2024, 10, 12, 9)).day, 12);
}

TEST(Holiday, InForceFromTheStartHourThroughMinute00OfTheEndHour) {
    const std::vector<HolidayRecord> holidays{holiday(u"劳动节", {2024, 5, 1, 0, 2024, 5, 5, 24}),
                                              holiday(u"半天", {2024, 6, 3, 8, 2024, 6, 3, 12})};
    EXPECT_TRUE(holidayInForce(holidays, at(2024, 5, 1, 0, 0)));
    EXPECT_TRUE(holidayInForce(holidays, at(2024, 5, 5, 23, 59, 59)));
    EXPECT_FALSE(holidayInForce(holidays, at(2024, 5, 6, 0, 0)));
    EXPECT_FALSE(holidayInForce(holidays, at(2024, 6, 3, 7, 59, 59)));
    EXPECT_EQ(holidayInForceIndex(holidays, at(2024, 6, 3, 12, 0, 59)), 1);
    EXPECT_FALSE(holidayInForce(holidays, at(2024, 6, 3, 12, 1)));
}

TEST(Holiday, DisabledHolidaysHaveNoEffectAndTheFirstInForceIsNamed) {
    std::vector<HolidayRecord> holidays{holiday(u"a", {2024, 10, 1, 0, 2024, 10, 7, 24}, true),
                                        holiday(u"b", {2024, 10, 3, 0, 2024, 10, 3, 24}),
                                        holiday(u"c", {2024, 10, 1, 0, 2024, 10, 7, 24})};
    EXPECT_EQ(holidayInForceIndex(holidays, at(2024, 10, 2, 10)), 2);
    EXPECT_EQ(holidayInForceIndex(holidays, at(2024, 10, 3, 10)), 1);
    EXPECT_EQ(findHolidayByName(holidays, u"B"), 1);
    EXPECT_EQ(setHolidaysDisabled(holidays, {1, 2}, true), 2);
    EXPECT_FALSE(holidayInForce(holidays, at(2024, 10, 3, 10)));
    EXPECT_EQ(setHolidaysDisabled(holidays, {0, 1, 2}, true), 0);  // nothing changed: nothing to save
    EXPECT_EQ(setHolidaysDisabled(holidays, {0}, false), 1);
}

TEST(HolidaySorts, ByNameByStartAndByDateA) {
    std::vector<HolidayRecord> holidays{holiday(u"b", {2024, 5, 1, 8, 2024, 5, 2, 0}),
                                        holiday(u"C", {2024, 1, 1, 0, 2024, 1, 2, 0}),
                                        holiday(u"a", {2024, 5, 1, 7, 2030, 1, 1, 0})};
    ASSERT_TRUE(sortHolidaysByName(holidays));
    EXPECT_EQ(fixedView(holidays[0].name), u"a");
    EXPECT_EQ(fixedView(holidays[2].name), u"C");
    ASSERT_TRUE(sortHolidaysByStart(holidays));
    EXPECT_EQ(fixedView(holidays[0].name), u"C");
    EXPECT_EQ(fixedView(holidays[1].name), u"a");  // the start hour decides; the end is no key

    std::vector<ShiftDayRecord> shifts{shiftDay(2024, 10, 12, 2024, 10, 8), shiftDay(2024, 2, 4, 2024, 2, 9),
                                       shiftDay(2023, 12, 30, 2024, 1, 2)};
    ASSERT_TRUE(sortShiftDaysByADate(shifts));
    EXPECT_EQ(shifts[0].aYear, 2023);
    EXPECT_EQ(shifts[1].aMonth, 2);
    std::vector<HolidayRecord> single{holidays[0]};
    EXPECT_FALSE(sortHolidaysByName(single));  // fewer than two: left alone, not saved
}
