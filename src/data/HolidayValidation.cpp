#include "data/HolidayValidation.h"

#include <cstring>

#include "data/Text.h"

namespace {

bool dateBefore(int y1, int m1, int d1, int y2, int m2, int d2) {
    if (y1 != y2) return y1 < y2;
    if (m1 != m2) return m1 < m2;
    return d1 < d2;
}

}  // namespace

std::variant<HolidayRecord, HolidayFailure> checkHoliday(const std::vector<HolidayRecord>& holidays, int modifying,
                                                          const HolidayInput& input) {
    const std::u16string_view name = trimText(input.name);
    if (name.empty()) return HolidayFailure{u"请输入节假日名称", MessageIcon::information, holidayNameField};
    const int existing = findHolidayByName(holidays, name.substr(0, holidayNameCapacity - 1));
    if (existing != -1 && existing != modifying) {
        return HolidayFailure{u"该节假日已存在", MessageIcon::warning, holidayNameField};
    }
    const auto startHour = validateInteger(input.startHour, 0, 24);
    if (!startHour) return HolidayFailure{u"开始时间，输入无效", MessageIcon::warning, holidayStartHourField};
    const auto endHour = validateInteger(input.endHour, 0, 24);
    if (!endHour) return HolidayFailure{u"结束时间，输入无效", MessageIcon::warning, holidayEndHourField};
    // The file's reader refuses dates outside the calendar it knows, and with them the whole file.
    if (!isValidDate(input.startYear, input.startMonth, input.startDay)) {
        return HolidayFailure{u"开始日期无效，年份须在 1853 至 9999 之间", MessageIcon::warning, holidayStartDateField};
    }
    if (!isValidDate(input.endYear, input.endMonth, input.endDay)) {
        return HolidayFailure{u"结束日期无效，年份须在 1853 至 9999 之间", MessageIcon::warning, holidayEndDateField};
    }
    if (dateBefore(input.endYear, input.endMonth, input.endDay, input.startYear, input.startMonth, input.startDay)) {
        return HolidayFailure{u"要求： 结束日期  ≥  开始日期", MessageIcon::warning, holidayEndDateField};
    }
    const bool sameDate = input.startYear == input.endYear && input.startMonth == input.endMonth &&
                          input.startDay == input.endDay;
    if (sameDate && *startHour >= *endHour) {
        return HolidayFailure{u"要求： 结束时间  >  开始时间", MessageIcon::warning, holidayEndHourField};
    }

    HolidayRecord record;
    std::memset(&record, 0, sizeof record);
    setFixed(record.name, name);
    record.disabled = input.disabled ? 1 : 0;
    record.range = DateHourRange{input.startYear, input.startMonth, input.startDay, *startHour,
                                 input.endYear,   input.endMonth,   input.endDay,   *endHour};
    return record;
}

std::variant<ShiftDayRecord, ShiftDayFailure> checkShiftDay(const std::vector<ShiftDayRecord>& shiftDays, int modifying,
                                                             const ShiftDayInput& input) {
    if (!isValidDate(input.aYear, input.aMonth, input.aDay)) {
        return ShiftDayFailure{u"a日期无效，年份须在 1853 至 9999 之间", MessageIcon::warning, shiftDayADateField};
    }
    if (!isValidDate(input.bYear, input.bMonth, input.bDay)) {
        return ShiftDayFailure{u"b日期无效，年份须在 1853 至 9999 之间", MessageIcon::warning, shiftDayBDateField};
    }
    const int existing = findShiftDay(shiftDays, input.aYear, input.aMonth, input.aDay);
    if (existing != -1 && existing != modifying) {
        return ShiftDayFailure{u"该a日期已存在，不可重复", MessageIcon::warning, shiftDayADateField};
    }
    if (input.aYear == input.bYear && input.aMonth == input.bMonth && input.aDay == input.bDay) {
        return ShiftDayFailure{u"要求： a日期  ≠  b日期", MessageIcon::warning, shiftDayADateField};
    }
    ShiftDayRecord record;
    std::memset(&record, 0, sizeof record);
    record.aYear = input.aYear;
    record.aMonth = input.aMonth;
    record.aDay = input.aDay;
    record.bYear = input.bYear;
    record.bMonth = input.bMonth;
    record.bDay = input.bDay;
    record.disabled = input.disabled ? 1 : 0;
    setFixed(record.remark, trimText(input.remark));
    return record;
}

std::u16string holidayCapacityMessage(std::size_t count) {
    if (count < static_cast<std::size_t>(maxHolidays)) return {};
    return formatText(u"最多 %s 个节假日\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
                      {formatNumber(maxHolidays)});
}

std::u16string shiftDayCapacityMessage(std::size_t count) {
    if (count < static_cast<std::size_t>(maxShiftDays)) return {};
    return formatText(u"最多 %s 个调休\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
                      {formatNumber(maxShiftDays)});
}
