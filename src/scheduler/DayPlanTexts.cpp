#include "scheduler/DayPlanTexts.h"

#include "data/Text.h"

namespace {

const ProgramRecord& programAt(const PlanLists& lists, int index) {
    return lists.programs.at(static_cast<std::size_t>(index));
}

std::u16string dayChoiceReason(std::u16string_view rule, const ProgramRecord& program) {
    const std::u16string chosen = daySelectionSummary(program);
    std::u16string text(rule);
    if (!chosen.empty()) text.append(u"（").append(chosen).append(u"）");
    return text;
}

}  // namespace

std::u16string planGoverningText(const DayPlan& plan, const PlanLists& lists) {
    std::u16string text;
    if (plan.shiftDayIndex >= 0) {
        const ShiftDayRecord& shift = lists.shiftDays.at(static_cast<std::size_t>(plan.shiftDayIndex));
        text.append(u"调休：按 ").append(dateText(shift.bYear, shift.bMonth, shift.bDay)).append(u" 的安排播放");
    }
    if (plan.holidayIndex >= 0) {
        const HolidayRecord& holiday = lists.holidays.at(static_cast<std::size_t>(plan.holidayIndex));
        if (!text.empty()) text.append(u"；");
        text.append(u"节假日：").append(fixedView(holiday.name));
        text.append(u"（").append(dateRangeText(holiday.range)).append(u"）");
    }
    return text;
}

std::u16string_view playModeText(const ProgramRecord& program) {
    return program.delayable != 0 ? u"可等待" : u"准时播";
}

PlanStartCells planStartCells(const PlannedStart& start, const PlanLists& lists) {
    const ProgramRecord& program = programAt(lists, start.program);
    const DateTime& t = start.time;
    return {timeOfDayText(TimeOfDay{t.hour, t.minute, t.second}), std::u16string(fixedView(program.name)),
            std::u16string(fixedView(program.path)), durationText(program), std::u16string(playModeText(program))};
}

std::u16string silenceReasonText(const SilentProgram& silent, const PlanLists& lists) {
    const ProgramRecord& program = programAt(lists, silent.program);
    const DateHourRange& range = program.dateRange;
    std::u16string text;
    switch (silent.why.rule) {
        case EligibilityRule::disabled:
            return u"已禁用";
        case EligibilityRule::dateRangeNotBegun:
            text.append(u"未到有效期（")
                .append(dateHourText(range.startYear, range.startMonth, range.startDay, range.startHour))
                .append(u" 起）");
            return text;
        case EligibilityRule::dateRangeOver:
            text.append(u"已过有效期（")
                .append(dateHourText(range.endYear, range.endMonth, range.endDay, range.endHour))
                .append(u" 止）");
            return text;
        case EligibilityRule::weekdayNotSelected:
            return dayChoiceReason(u"非所选周几", program);
        case EligibilityRule::monthDayNotSelected:
            return dayChoiceReason(u"非所选几号", program);
        case EligibilityRule::holiday:
            text.append(u"节假日：").append(fixedView(lists.holidays.at(static_cast<std::size_t>(silent.why.holidayIndex)).name));
            return text;
        case EligibilityRule::eligible:
            break;
    }
    // Every rule lets it play at its start times, so it has none.
    return u"没有开始时间";
}
