#include "scheduler/Scheduler.h"

#include <algorithm>

#include "audio/JobTexts.h"
#include "data/Text.h"

namespace {

DateTime withTimeOfDay(DateTime day, const TimeOfDay& time) {
    day.hour = static_cast<std::uint16_t>(time.hour);
    day.minute = static_cast<std::uint16_t>(time.minute);
    day.second = static_cast<std::uint16_t>(time.second);
    day.milliseconds = 0;
    return day;
}

int secondsOfDay(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

bool sameMinute(const DateTime& a, const DateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute;
}

}  // namespace

std::u16string queuedText(std::u16string_view name) {
    return formatText(u"%s ◆ 排队等候 ◆ 等正在播的播完 ◆ 参看:节目属性→准时播/可延迟", {name});
}

std::u16string onTimeReason(std::u16string_view name) {
    return formatText(u"别的节目要播: %s ◆ 参看:节目属性→准时播/可延迟", {name});
}

std::u16string manualReason(std::u16string_view name) {
    return formatText(u"别的节目要播: %s(手动)", {name});
}

bool startTimeDue(const ProgramRecord& program, const TimeOfDay& start, const DateTime& now) {
    // `now` has milliseconds 0, so whole seconds of the day compare exactly.
    const std::int64_t t = secondsOfDay(now.hour, now.minute, now.second);
    const std::int64_t s = secondsOfDay(start.hour, start.minute, start.second);
    const std::int64_t window = program.countMode != 0 ? countModeWindowSeconds : program.seconds;
    return s <= t && t < s + window;
}

void updateValidityCell(const ProgramRecord& program, int row, const DateTime& now, ProgramListView& view) {
    const std::u16string_view wanted = validityCellText(program, now);
    if (view.validityText(row) != wanted) view.setValidityText(row, wanted);
}

bool checkProgram(Schedule& schedule, TimedPlay& play, JobServices& services, std::size_t row, const DateTime& now,
                  const CalendarDay& day) {
    ProgramRecord& program = schedule.programs[row];
    // A clock set back means the recorded start may lie in the future: forget it.
    if (secondsBetween(program.lastStart, now) < -clockBackToleranceSeconds) program.lastStart = resetStamp();
    if (program.disabled != 0) return false;
    if (eligibilityOf(program, day).rule != EligibilityRule::eligible) return false;

    // The first start time in stored order that is due and lies after the last trigger. The
    // window test is the cheap one, so it goes first.
    const DateTime* due = nullptr;
    DateTime candidate;
    for (int i = 0; i < program.startTimeCount && i < maxStartTimes; ++i) {
        if (!startTimeDue(program, program.startTimes[i], now)) continue;
        candidate = withTimeOfDay(now, program.startTimes[i]);
        if (millisecondsBetween(program.lastStart, candidate) > 0) {
            due = &candidate;
            break;
        }
    }
    if (!due) return false;

    const std::u16string name(fixedView(program.name));
    if (program.delayable == 0) {
        stopAllJobs(play, services, onTimeReason(name), preemptionFadeMs, now);
    } else if (!play.nowPlaying.empty()) {
        services.log(now, queuedText(name));
    }
    program.lastStart = *due;
    const bool waits = program.delayable != 0 && !play.nowPlaying.empty();
    appendJob(play, services, makeJob(program, false));
    if (waits) services.view.setCell(static_cast<int>(play.nowPlaying.size() - 1), progressColumn, waitingText);
    return true;
}

void checkDuePrograms(Schedule& schedule, TimedPlay& play, JobServices& services, const DateTime& now) {
    const CalendarDay day = calendarDayOf(now, schedule.holidays, schedule.shiftDays);
    ProgramListView& list = schedule.programList;
    const bool compareCells = !list.comparedMinute || !sameMinute(*list.comparedMinute, now);
    list.comparedMinute = now;
    for (std::size_t row = 0; row < schedule.programs.size(); ++row) {
        const ProgramRecord& program = schedule.programs[row];
        if (compareCells && program.disabled == 0) updateValidityCell(program, static_cast<int>(row), now, list);
        checkProgram(schedule, play, services, row, now, day);
    }
}

void schedulerTick(Schedule& schedule, TimedPlay& play, JobServices& services, const DateTime& now) {
    advanceJobs(play, services, now);
    checkDuePrograms(schedule, play, services, now);
}

void playNow(const ProgramRecord& program, int amount, TimedPlay& play, JobServices& services, const DateTime& now) {
    PlayJob job = makeJob(program, true);
    if (program.countMode != 0) job.program.songCount = amount;
    else job.program.seconds = amount;
    job.program.lastStart = now;
    job.program.lastStart.milliseconds = 0;
    stopAllJobs(play, services, manualReason(fixedView(program.name)), preemptionFadeMs, job.program.lastStart);
    appendJob(play, services, std::move(job));
}

void stopSelected(const std::vector<int>& selectedRows, TimedPlay& play, JobServices& services, const DateTime& now) {
    std::vector<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    // Each stop removes its row, so every later selected row has moved up by one.
    for (std::size_t k = 0; k < rows.size(); ++k) {
        stopJob(play, services, static_cast<std::size_t>(rows[k]) - k, userStopReason, userStopFadeMs, now);
    }
}
