#include "data/ProgramRecord.h"

#include <cstring>

#include "data/Text.h"

ProgramRecord defaultProgram() {
    ProgramRecord record;
    std::memset(&record, 0, sizeof record);
    record.isFile = 1;
    record.sequential = 0;
    record.volume = 80;
    record.startTimeCount = 1;
    record.startTimes[0] = TimeOfDay{22, 10, 10};
    record.countMode = 1;
    record.songCount = 1;
    record.seconds = 600;
    record.lastStart = resetStamp();
    record.byWeekday = 1;
    for (auto& day : record.weekdays) day = 1;
    record.dateRange = DateHourRange{2000, 1, 1, 0, 2099, 12, 31, 24};
    return record;
}

int findProgramByName(const std::vector<ProgramRecord>& programs, std::u16string_view name) {
    for (std::size_t i = 0; i < programs.size(); ++i) {
        if (equalsNoCase(fixedView(programs[i].name), name)) return static_cast<int>(i);
    }
    return -1;
}

std::u16string dateText(int year, int month, int day) {
    return formatNumber(year, 4) + u"-" + formatNumber(month, 2) + u"-" + formatNumber(day, 2);
}

std::u16string dateHourText(int year, int month, int day, int hour) {
    return dateText(year, month, day) + u" " + formatNumber(hour, 2) + u":00";
}

std::u16string dateRangeText(const DateHourRange& r) {
    return dateHourText(r.startYear, r.startMonth, r.startDay, r.startHour) + u" ~ " +
           dateHourText(r.endYear, r.endMonth, r.endDay, r.endHour);
}

std::u16string durationText(const ProgramRecord& program) {
    if (program.countMode == 0) return formatNumber(program.seconds) + u"秒";
    return formatNumber(program.songCount) + (program.isFile ? u"遍" : u"首");
}

std::u16string daySelectionSummary(const ProgramRecord& program) {
    if (program.byWeekday != 0) {
        std::u16string text = u"每周:";
        for (int day = 0; day < 7; ++day) {
            if (program.weekdays[day] != 0) text += static_cast<char16_t>(u'1' + day);
        }
        return text;
    }
    std::u16string days;
    for (int day = 0; day < 31; ++day) {
        if (program.monthDays[day] == 0) continue;
        if (!days.empty()) days += u',';
        days += formatNumber(day + 1);
    }
    return days.empty() ? days : u"每月:" + days;
}

std::u16string timeOfDayText(const TimeOfDay& time) {
    return formatNumber(time.hour, 2) + u":" + formatNumber(time.minute, 2) + u":" + formatNumber(time.second, 2);
}
