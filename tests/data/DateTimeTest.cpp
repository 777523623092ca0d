#include <gtest/gtest.h>

#include "data/DateTime.h"

TEST(DateTime, LeapYearsFollowTheGregorianRule) {
    EXPECT_TRUE(isValidDate(2000, 2, 29));
    EXPECT_TRUE(isValidDate(2024, 2, 29));
    EXPECT_FALSE(isValidDate(1900, 2, 29));
    EXPECT_FALSE(isValidDate(2100, 2, 29));
    EXPECT_FALSE(isValidDate(2023, 2, 29));
}

TEST(DateTime, ValidDatesLieWithinTheYearsAndMonthLengths) {
    EXPECT_TRUE(isValidDate(1853, 1, 1));
    EXPECT_FALSE(isValidDate(1852, 12, 31));
    EXPECT_TRUE(isValidDate(9999, 12, 31));
    EXPECT_FALSE(isValidDate(10000, 1, 1));
    EXPECT_FALSE(isValidDate(2024, 4, 31));
    EXPECT_TRUE(isValidDate(2024, 5, 31));
    EXPECT_FALSE(isValidDate(2024, 13, 1));
    EXPECT_FALSE(isValidDate(2024, 0, 1));
    EXPECT_FALSE(isValidDate(2024, 1, 0));
}

TEST(DateTime, RangeStartMustLieStrictlyBeforeItsEnd) {
    EXPECT_FALSE(isValidRange({2024, 9, 1, 8, 2024, 9, 1, 8}));
    EXPECT_TRUE(isValidRange({2024, 9, 1, 8, 2024, 9, 1, 9}));
    EXPECT_TRUE(isValidRange({2024, 9, 1, 24, 2024, 9, 2, 0}));
    EXPECT_FALSE(isValidRange({2024, 9, 2, 0, 2024, 9, 1, 24}));
    EXPECT_FALSE(isValidRange({2024, 9, 1, 0, 2024, 9, 1, 25}));
    EXPECT_FALSE(isValidRange({2024, 9, 1, -1, 2024, 9, 2, 0}));
    EXPECT_FALSE(isValidRange({2023, 2, 29, 0, 2024, 1, 1, 0}));
    EXPECT_TRUE(isValidRange({2000, 1, 1, 0, 2099, 12, 31, 24}));
}

TEST(DateTime, TimesOfDayAndTheResetStamp) {
    EXPECT_TRUE(isValidTimeOfDay({23, 59, 59}));
    EXPECT_FALSE(isValidTimeOfDay({24, 0, 0}));
    EXPECT_FALSE(isValidTimeOfDay({0, 60, 0}));
    EXPECT_FALSE(isValidTimeOfDay({0, 0, -1}));
    const DateTime reset = resetStamp();
    EXPECT_EQ(reset.year, 2000);
    EXPECT_EQ(reset.month, 1);
    EXPECT_EQ(reset.day, 1);
    EXPECT_EQ(reset.dayOfWeek, 6);
    EXPECT_EQ(reset.hour, 12);
    EXPECT_EQ(reset.minute + reset.second + reset.milliseconds, 0);
}

TEST(DateTime, DifferencesAndAdditionAcrossDaysMonthsAndLeapYears) {
    const DateTime start{2024, 2, 4, 28, 23, 59, 30, 0};
    const DateTime later = addSeconds(start, 31);
    EXPECT_EQ(later.month, 2);
    EXPECT_EQ(later.day, 29);
    EXPECT_EQ(later.dayOfWeek, 4);  // Thursday
    EXPECT_EQ(later.hour, 0);
    EXPECT_EQ(later.second, 1);
    EXPECT_EQ(secondsBetween(start, later), 31);
    const DateTime yearEnd = addSeconds(DateTime{2023, 12, 0, 31, 23, 59, 59, 0}, 1);
    EXPECT_EQ(yearEnd.year, 2024);
    EXPECT_EQ(yearEnd.month, 1);
    EXPECT_EQ(yearEnd.day, 1);
    EXPECT_EQ(yearEnd.dayOfWeek, 1);  // Monday
    const DateTime back = addSeconds(DateTime{2024, 3, 5, 1, 0, 0, 10, 0}, -11);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 29);
    EXPECT_EQ(back.second, 59);
    // Truncated toward zero, milliseconds included.
    EXPECT_EQ(secondsBetween(DateTime{2024, 1, 1, 1, 0, 0, 0, 500}, DateTime{2024, 1, 1, 1, 0, 0, 1, 0}), 0);
    EXPECT_EQ(secondsBetween(DateTime{2024, 1, 1, 1, 0, 0, 16, 500}, DateTime{2024, 1, 1, 1, 0, 0, 0, 0}), -16);
    EXPECT_EQ(millisecondsBetween(resetStamp(), DateTime{2000, 1, 6, 2, 12, 0, 0, 0}), 86400000);
}
