#pragma once
// The checks of a holiday or shift day entered in its dialog, in the order the dialog
// applies them; the first failure is shown and the dialog stays open.
#include <string>
#include <variant>
#include <vector>

#include "data/HolidayRecord.h"
#include "data/InputValidation.h"

enum HolidayField { holidayNameField, holidayStartDateField, holidayStartHourField, holidayEndDateField,
                    holidayEndHourField };
enum ShiftDayField { shiftDayADateField, shiftDayBDateField, shiftDayRemarkField };
using HolidayFailure = InputFailure<HolidayField>;
using ShiftDayFailure = InputFailure<ShiftDayField>;

struct HolidayInput {
    std::u16string name;
    int startYear, startMonth, startDay;
    std::u16string startHour;
    int endYear, endMonth, endDay;
    std::u16string endHour;
    bool disabled;
};

struct ShiftDayInput {
    int aYear, aMonth, aDay;
    int bYear, bMonth, bDay;
    std::u16string remark;
    bool disabled;
};

// `modifying` is the index of the record being changed, or -1 when adding.
std::variant<HolidayRecord, HolidayFailure> checkHoliday(const std::vector<HolidayRecord>& holidays, int modifying,
                                                          const HolidayInput& input);
std::variant<ShiftDayRecord, ShiftDayFailure> checkShiftDay(const std::vector<ShiftDayRecord>& shiftDays, int modifying,
                                                             const ShiftDayInput& input);

// The refusal shown instead of the dialog when the list is full, or nothing.
std::u16string holidayCapacityMessage(std::size_t count);
std::u16string shiftDayCapacityMessage(std::size_t count);
