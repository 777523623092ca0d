#include "scheduler/Eligibility.h"

CalendarDay calendarDayOf(const DateTime& now, const std::vector<HolidayRecord>& holidays,
                          const std::vector<ShiftDayRecord>& shiftDays) {
    return CalendarDay{applyShiftDay(shiftDays, now), holidayInForceIndex(holidays, now)};
}

Eligibility eligibilityOf(const ProgramRecord& program, const CalendarDay& calendar) {
    const DateTime& day = calendar.mapped;
    switch (dateRangeStatus(program.dateRange, day)) {
        case RangeStatus::notBegun: return {EligibilityRule::dateRangeNotBegun};
        case RangeStatus::over: return {EligibilityRule::dateRangeOver};
        case RangeStatus::inside: break;
    }
    if (program.byWeekday != 0) {
        const int index = day.dayOfWeek == 0 ? 6 : day.dayOfWeek - 1;
        if (index < 0 || index > 6 || program.weekdays[index] == 0) return {EligibilityRule::weekdayNotSelected};
    } else if (day.day < 1 || day.day > 31 || program.monthDays[day.day - 1] == 0) {
        return {EligibilityRule::monthDayNotSelected};
    }
    if (calendar.holidayIndex >= 0) return {EligibilityRule::holiday, calendar.holidayIndex};
    return {};
}

Eligibility eligibilityOf(const ProgramRecord& program, const DateTime& now,
                          const std::vector<HolidayRecord>& holidays, const std::vector<ShiftDayRecord>& shiftDays) {
    return eligibilityOf(program, calendarDayOf(now, holidays, shiftDays));
}

bool programEligible(const ProgramRecord& program, const DateTime& now, const std::vector<HolidayRecord>& holidays,
                     const std::vector<ShiftDayRecord>& shiftDays) {
    return eligibilityOf(program, now, holidays, shiftDays).rule == EligibilityRule::eligible;
}

std::u16string_view validityCellText(const ProgramRecord& program, const DateTime& now) {
    switch (dateRangeStatus(program.dateRange, now)) {
        case RangeStatus::notBegun: return u"未到有效期";
        case RangeStatus::over: return u"已过有效期";
        case RangeStatus::inside: break;
    }
    return enabledCellText;
}
