#include "web/PlanReasons.h"

#include "data/Text.h"

std::u16string silentReasonText(const SilentProgram& silent, const std::vector<ProgramRecord>& programs,
                                const std::vector<HolidayRecord>& holidays) {
    switch (silent.why.rule) {
        case EligibilityRule::disabled: return u"已禁用";
        case EligibilityRule::dateRangeNotBegun: return u"未到有效期";
        case EligibilityRule::dateRangeOver: return u"已过有效期";
        case EligibilityRule::weekdayNotSelected: return u"这天不在所选的星期";
        case EligibilityRule::monthDayNotSelected: return u"这天不在所选的日期";
        case EligibilityRule::holiday:
            if (silent.why.holidayIndex >= 0 && static_cast<std::size_t>(silent.why.holidayIndex) < holidays.size()) {
                return u"节假日: " + std::u16string(fixedView(holidays[static_cast<std::size_t>(silent.why.holidayIndex)].name));
            }
            return u"节假日";
        case EligibilityRule::eligible: break;
    }
    const bool noTimes = silent.program >= 0 && static_cast<std::size_t>(silent.program) < programs.size() &&
                         programs[static_cast<std::size_t>(silent.program)].startTimeCount <= 0;
    return noTimes ? u"没有开始时间" : u"不会开始";
}
