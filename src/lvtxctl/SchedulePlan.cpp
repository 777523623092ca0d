#include "lvtxctl/SchedulePlan.h"

#include "data/Text.h"
#include "scheduler/DayPlan.h"

namespace {

std::string stampText(const DateTime& t) {
    return toUtf8(formatNumber(t.year, 4) + u"-" + formatNumber(t.month, 2) + u"-" + formatNumber(t.day, 2) + u" " +
                  formatNumber(t.hour, 2) + u":" + formatNumber(t.minute, 2) + u":" + formatNumber(t.second, 2));
}

}  // namespace

std::string schedulePlan(FileSystem& fs, std::vector<ProgramRecord> programs,
                         const std::vector<HolidayRecord>& holidays, const std::vector<ShiftDayRecord>& shiftDays,
                         const DateTime& from, const DateTime& to) {
    std::string plan;
    for (const PlannedStart& start : plannedStarts(fs, programs, holidays, shiftDays, from, to)) {
        plan += stampText(start.time) + "\t" + toUtf8(fixedView(programs[static_cast<std::size_t>(start.program)].name)) + "\n";
    }
    return plan;
}
