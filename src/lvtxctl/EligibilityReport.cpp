#include "lvtxctl/EligibilityReport.h"

#include "data/Text.h"
#include "scheduler/Eligibility.h"
#include "ui/ProgramCells.h"

namespace {

std::string ruleText(const ProgramRecord& program, const DateTime& now, const std::vector<HolidayRecord>& holidays,
                     const std::vector<ShiftDayRecord>& shiftDays) {
    // The tick tests the flag before it asks programEligible.
    if (program.disabled != 0) return "disabled";
    const Eligibility eligibility = eligibilityOf(program, now, holidays, shiftDays);
    switch (eligibility.rule) {
        case EligibilityRule::eligible: return "eligible";
        case EligibilityRule::disabled: return "disabled";
        case EligibilityRule::dateRangeNotBegun: return "date-range-not-begun";
        case EligibilityRule::dateRangeOver: return "date-range-over";
        case EligibilityRule::weekdayNotSelected: return "weekday-not-selected";
        case EligibilityRule::monthDayNotSelected: return "month-day-not-selected";
        case EligibilityRule::holiday: break;
    }
    return "holiday " + toUtf8(fixedView(holidays[static_cast<std::size_t>(eligibility.holidayIndex)].name));
}

}  // namespace

std::string eligibilityReport(const std::vector<ProgramRecord>& programs, const DateTime& now,
                              const std::vector<HolidayRecord>& holidays,
                              const std::vector<ShiftDayRecord>& shiftDays) {
    std::string report;
    for (const ProgramRecord& program : programs) {
        report += toUtf8(fixedView(program.name));
        report += '\t';
        report += ruleText(program, now, holidays, shiftDays);
        report += '\t';
        report += toUtf8(programStatusText(program, now));
        report += '\n';
    }
    return report;
}
