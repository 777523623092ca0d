#include <gtest/gtest.h>

#include <random>

#include "data/DateRange.h"
#include "support/HolidaySamples.h"

TEST(DateRange, BothEndsAreIncludedAtMinuteResolution) {
    const DateHourRange range{2024, 5, 1, 8, 2024, 5, 1, 10};
    EXPECT_EQ(dateRangeStatus(range, at(2024, 5, 1, 7, 59, 59)), RangeStatus::notBegun);
    EXPECT_EQ(dateRangeStatus(range, at(2024, 5, 1, 8, 0, 0)), RangeStatus::inside);
    EXPECT_EQ(dateRangeStatus(range, at(2024, 5, 1, 10, 0, 59)), RangeStatus::inside);
    EXPECT_EQ(dateRangeStatus(range, at(2024, 5, 1, 10, 1, 0)), RangeStatus::over);
}

TEST(DateRange, EndHour24CoversTheWholeEndDateAndHour0OnlyItsFirstMinute) {
    EXPECT_EQ(dateRangeStatus({2024, 5, 1, 0, 2024, 5, 5, 24}, at(2024, 5, 5, 23, 59, 59)), RangeStatus::inside);
    EXPECT_EQ(dateRangeStatus({2024, 5, 1, 0, 2024, 5, 5, 24}, at(2024, 5, 6, 0, 0, 0)), RangeStatus::over);
    EXPECT_EQ(dateRangeStatus({2024, 5, 1, 0, 2024, 5, 5, 0}, at(2024, 5, 5, 0, 0, 59)), RangeStatus::inside);
    EXPECT_EQ(dateRangeStatus({2024, 5, 1, 0, 2024, 5, 5, 0}, at(2024, 5, 5, 0, 1, 0)), RangeStatus::over);
    // Hour 24 of one day and hour 0 of the next: one minute, 00:00 of the second day.
    const DateHourRange minute{2024, 5, 1, 24, 2024, 5, 2, 0};
    EXPECT_EQ(dateRangeStatus(minute, at(2024, 5, 1, 23, 59, 59)), RangeStatus::notBegun);
    EXPECT_EQ(dateRangeStatus(minute, at(2024, 5, 2, 0, 0, 30)), RangeStatus::inside);
    EXPECT_EQ(dateRangeStatus(minute, at(2024, 5, 2, 0, 1, 0)), RangeStatus::over);
}

TEST(DateRange, TheFastTestAgreesWithTheTextComparisonEverywhere) {
    std::mt19937 random(20241012);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    // Mostly near one another so that every field decides some comparisons, plus wild values
    // (wide years, out-of-range fields) where the text order is not the calendar order.
    for (int i = 0; i < 200000; ++i) {
        const bool wild = i % 10 == 0;
        const int baseYear = pick(2023, 2025);
        const auto year = [&] { return wild ? pick(0, 12000) : baseYear + pick(0, 1); };
        const auto small = [&](int low, int high) { return wild ? pick(0, 120) : pick(low, high); };
        const DateHourRange range{year(), small(1, 3), small(1, 3), small(0, 24),
                                  year(), small(1, 3), small(1, 3), small(0, 24)};
        DateTime moment{static_cast<std::uint16_t>(year()), static_cast<std::uint16_t>(small(1, 3)), 0,
                        static_cast<std::uint16_t>(small(1, 3)), static_cast<std::uint16_t>(small(0, 24)),
                        static_cast<std::uint16_t>(wild ? pick(0, 200) : pick(0, 1) * 59),
                        static_cast<std::uint16_t>(pick(0, 59)), 0};
        ASSERT_EQ(dateRangeStatus(range, moment), dateRangeStatusByText(range, moment))
            << "range " << range.startYear << "-" << range.startMonth << "-" << range.startDay << " "
            << range.startHour << " ~ " << range.endYear << "-" << range.endMonth << "-" << range.endDay << " "
            << range.endHour << " at " << moment.year << "-" << moment.month << "-" << moment.day << " "
            << moment.hour << ":" << moment.minute;
    }
}
