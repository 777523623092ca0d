#include <gtest/gtest.h>

#include <numeric>

#include "data/Text.h"
#include "support/HolidaySamples.h"
#include "ui/HolidayCells.h"

TEST(HolidayCells, HolidayRowShowsNameMarkAndBothEndsWithTheirHours) {
    EXPECT_EQ(holidayRowCells(holiday(u"劳动节", {2024, 5, 1, 0, 2024, 5, 5, 24})),
              (CalendarRowCells{u"劳动节", u"√", u"2024-05-01 00:00", u"2024-05-05 24:00"}));
    EXPECT_EQ(holidayRowCells(holiday(u"Mid-Autumn", {1853, 9, 7, 8, 9999, 12, 31, 12}, true)),
              (CalendarRowCells{u"Mid-Autumn", u"禁用×", u"1853-09-07 08:00", u"9999-12-31 12:00"}));
}

TEST(HolidayCells, ShiftDayRowShowsWeekdaysMondayOneToSundaySeven) {
    ShiftDayRecord saturday = shiftDay(2024, 5, 11, 2024, 5, 6);
    setFixed(saturday.remark, u"补5月6日的课");
    EXPECT_EQ(shiftDayRowCells(saturday),
              (CalendarRowCells{u"2024-05-11 (周6)", u"2024-05-06 (周1)", u"√", u"补5月6日的课"}));
    // 2024-04-28 was a Sunday, 2000-02-29 a Tuesday (leap day), 2024-02-04 a Sunday.
    EXPECT_EQ(shiftDayRowCells(shiftDay(2024, 4, 28, 2024, 4, 30, true)),
              (CalendarRowCells{u"2024-04-28 (周7)", u"2024-04-30 (周2)", u"禁用×", u""}));
    EXPECT_EQ(dateWeekdayText(2000, 2, 29), u"2000-02-29 (周2)");
    EXPECT_EQ(dateWeekdayText(2024, 2, 4), u"2024-02-04 (周7)");
    // Each weekday of one week, in order.
    for (int day = 6; day <= 12; ++day) {
        EXPECT_EQ(dateWeekdayText(2024, 5, day), u"2024-05-" + formatNumber(day, 2) + u" (周" +
                                                     formatNumber(day - 5) + u")");
    }
}

TEST(HolidayCells, ColumnsAreTruncatedSharesOfTheListWidth) {
    for (const auto& columns : {holidayListColumns, shiftDayListColumns}) {
        EXPECT_EQ(std::accumulate(columns.begin(), columns.end(), 0,
                                  [](int sum, const ListColumn& column) { return sum + column.width; }),
                  94);
    }
    EXPECT_EQ(holidayListColumns[1].title, u"状态");
    EXPECT_EQ(holidayListColumns[1].align, ColumnAlign::centre);
    EXPECT_EQ(shiftDayListColumns[3].title, u"备注");
    EXPECT_EQ(columnShare(25, 1000), 250);
    EXPECT_EQ(columnShare(29, 1003), 290);  // 290.87
    EXPECT_EQ(columnShare(11, 99), 10);     // 10.89
    EXPECT_EQ(columnShare(11, 0), 0);
}
