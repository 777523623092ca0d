#include "ui/HolidayCells.h"

#include "data/ProgramRecord.h"
#include "data/Text.h"
#include "scheduler/Eligibility.h"

std::u16string dateWeekdayText(int year, int month, int day) {
    const int weekday = weekdayOf(year, month, day);
    return dateText(year, month, day) + u" (周" + formatNumber(weekday == 0 ? 7 : weekday) + u")";
}

std::u16string_view enabledMark(std::int32_t disabled) {
    return disabled != 0 ? disabledCellText : enabledCellText;
}

CalendarRowCells holidayRowCells(const HolidayRecord& holiday) {
    const DateHourRange& r = holiday.range;
    return {std::u16string(fixedView(holiday.name)), std::u16string(enabledMark(holiday.disabled)),
            dateHourText(r.startYear, r.startMonth, r.startDay, r.startHour),
            dateHourText(r.endYear, r.endMonth, r.endDay, r.endHour)};
}

CalendarRowCells shiftDayRowCells(const ShiftDayRecord& shiftDay) {
    return {dateWeekdayText(shiftDay.aYear, shiftDay.aMonth, shiftDay.aDay),
            dateWeekdayText(shiftDay.bYear, shiftDay.bMonth, shiftDay.bDay),
            std::u16string(enabledMark(shiftDay.disabled)), std::u16string(fixedView(shiftDay.remark))};
}
