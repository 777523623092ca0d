#pragma once
// The holiday page's two lists: their columns, whose widths are shares of the list's width,
// and the four cells of one holiday or one shift day.
#include <array>
#include <string>
#include <string_view>

#include "data/HolidayRecord.h"
#include "ui/ListColumns.h"

inline constexpr std::size_t calendarColumnCount = 4;

// Widths in percent of the list's client width.
inline constexpr std::array<ListColumn, calendarColumnCount> holidayListColumns{{
    {u"节假日名称", 25, ColumnAlign::left},
    {u"状态", 11, ColumnAlign::centre},
    {u"开始日期时间", 29, ColumnAlign::left},
    {u"结束日期时间", 29, ColumnAlign::left},
}};

inline constexpr std::array<ListColumn, calendarColumnCount> shiftDayListColumns{{
    {u"a日期", 29, ColumnAlign::left},
    {u"b日期", 29, ColumnAlign::left},
    {u"状态", 11, ColumnAlign::centre},
    {u"备注", 25, ColumnAlign::left},
}};

// "%.4d-%.2d-%.2d (周%d)", the weekday 1 (Monday) to 7 (Sunday).
std::u16string dateWeekdayText(int year, int month, int day);

// "√" for an enabled record, "禁用×" for a disabled one.
std::u16string_view enabledMark(std::int32_t disabled);

using CalendarRowCells = std::array<std::u16string, calendarColumnCount>;
// Name, status, start, end.
CalendarRowCells holidayRowCells(const HolidayRecord& holiday);
// Date a, date b, status, remark.
CalendarRowCells shiftDayRowCells(const ShiftDayRecord& shiftDay);
