#include "web/SilenceToday.h"

#include <cstring>

#include "data/HolidayValidation.h"
#include "data/Text.h"

HolidayRecord silenceHoliday(const DateTime& now) {
    HolidayRecord holiday;
    std::memset(&holiday, 0, sizeof holiday);
    setFixed(holiday.name, silenceHolidayName);
    holiday.range = DateHourRange{now.year, now.month, now.day, now.hour, now.year, now.month, now.day, 24};
    return holiday;
}

WebActionResult silenceRestOfToday(CalendarStore& calendar, const DateTime& now, Prompt& prompt) {
    const HolidayRecord wanted = silenceHoliday(now);
    const int index = findHolidayByName(calendar.holidays(), silenceHolidayName);
    SaveResult saved;
    if (index >= 0) {
        const HolidayRecord& held = calendar.holidays()[static_cast<std::size_t>(index)];
        const DateHourRange& r = held.range;
        const bool coversRest = held.disabled == 0 && r.startYear == now.year && r.startMonth == now.month &&
                                r.startDay == now.day && r.startHour <= now.hour && r.endYear == now.year &&
                                r.endMonth == now.month && r.endDay == now.day && r.endHour == 24;
        if (coversRest) return {};
        saved = calendar.modify(index, wanted, prompt);
    } else {
        const std::u16string full = holidayCapacityMessage(calendar.holidays().size());
        if (!full.empty()) return {WebOutcome::refused, full};
        saved = calendar.add(wanted, prompt);
    }
    if (!saved.ok) return {WebOutcome::refused, saved.message.empty() ? u"节假日未保存" : saved.message};
    return {};
}
