#include "ui/ProgramCells.h"

#include <algorithm>

#include "data/Text.h"
#include "scheduler/Eligibility.h"

namespace {

constexpr std::size_t summarizedStartTimes = 5;

}  // namespace

std::u16string startTimeSummary(std::span<const TimeOfDay> times) {
    std::u16string text;
    const std::size_t shown = std::min(times.size(), summarizedStartTimes);
    for (std::size_t i = 0; i < shown; ++i) {
        if (i > 0) text += u", ";
        text += timeOfDayText(times[i]);
    }
    if (times.size() > summarizedStartTimes) text += u" …";
    return text;
}

std::u16string startTimeSummary(const ProgramRecord& program) {
    const int count = std::clamp(program.startTimeCount, 0, maxStartTimes);
    return startTimeSummary(std::span<const TimeOfDay>(program.startTimes, static_cast<std::size_t>(count)));
}

std::u16string_view programStatusText(const ProgramRecord& program, const DateTime& now) {
    return program.disabled != 0 ? disabledCellText : validityCellText(program, now);
}

std::array<std::u16string, programColumnCount> programRowCells(const ProgramRecord& program, const DateTime& now) {
    return {std::u16string(fixedView(program.name)),
            std::u16string(programStatusText(program, now)),
            startTimeSummary(program),
            durationText(program),
            std::u16string(fixedView(program.path)),
            formatNumber(program.volume),
            daySelectionSummary(program),
            dateRangeText(program.dateRange)};
}
