#pragma once
// Whether a program may play at a moment, apart from its start times: its date range and
// day selection judged on the shift-day-mapped date, the holidays on the real time.
#include <string_view>
#include <vector>

#include "data/DateRange.h"
#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"

enum class EligibilityRule {
    eligible,
    disabled,
    dateRangeNotBegun,
    dateRangeOver,
    weekdayNotSelected,
    monthDayNotSelected,
    holiday,
};

struct Eligibility {
    EligibilityRule rule = EligibilityRule::eligible;
    int holidayIndex = -1;  // with EligibilityRule::holiday
};

// What the calendar says of one moment, the same for every program: the date the shift days
// map it to and the first holiday in force. The tick works it out once for all programs.
struct CalendarDay {
    DateTime mapped;
    int holidayIndex = -1;
};
CalendarDay calendarDayOf(const DateTime& now, const std::vector<HolidayRecord>& holidays,
                          const std::vector<ShiftDayRecord>& shiftDays);
Eligibility eligibilityOf(const ProgramRecord& program, const CalendarDay& day);

// The first rule of programEligible that stops the program; `disabled` is not examined.
Eligibility eligibilityOf(const ProgramRecord& program, const DateTime& now,
                          const std::vector<HolidayRecord>& holidays, const std::vector<ShiftDayRecord>& shiftDays);

bool programEligible(const ProgramRecord& program, const DateTime& now, const std::vector<HolidayRecord>& holidays,
                     const std::vector<ShiftDayRecord>& shiftDays);

// Column 1 of the program list: "√", "已过有效期" or "未到有效期" by the real `now`.
std::u16string_view validityCellText(const ProgramRecord& program, const DateTime& now);
inline constexpr std::u16string_view enabledCellText = u"√";
inline constexpr std::u16string_view disabledCellText = u"禁用×";
