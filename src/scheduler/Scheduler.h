#pragma once
// The scheduler's tick: advance what plays, then examine every program once and start or
// queue those whose start time has come. Driven every 50 ms by TimedPlayController.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/PlayJob.h"
#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"
#include "scheduler/Eligibility.h"

inline constexpr int countModeWindowSeconds = 15;
inline constexpr int preemptionFadeMs = 600;

// Column 1 of the program list (the validity cell). Its text changes only with the minute, and
// whoever else writes a row writes the text of that moment, so the tick compares the cells in
// the first tick of a minute only: reading a cell back costs more than the rest of a tick.
class ProgramListView {
public:
    virtual ~ProgramListView() = default;
    virtual std::u16string validityText(int row) = 0;
    virtual void setValidityText(int row, std::u16string_view text) = 0;

    // The minute whose texts the cells were last compared with; none before the first tick.
    std::optional<DateTime> comparedMinute;
};

// A program list nobody sees: the tick still runs, no cell is kept.
class NoProgramList : public ProgramListView {
public:
    std::u16string validityText(int) override { return {}; }
    void setValidityText(int, std::u16string_view) override {}
};

// What one tick works on; AppState holds the lists.
struct Schedule {
    std::vector<ProgramRecord>& programs;
    const std::vector<HolidayRecord>& holidays;
    const std::vector<ShiftDayRecord>& shiftDays;
    ProgramListView& programList;
};

// Whether start time `start` is due at `now` (its window never reaches into another date).
bool startTimeDue(const ProgramRecord& program, const TimeOfDay& start, const DateTime& now);

// Writes the validity cell only when its text changes, so an unchanged cell is never redrawn.
void updateValidityCell(const ProgramRecord& program, int row, const DateTime& now, ProgramListView& view);

// Returns true when it appended a job. `day` is calendarDayOf(now) for the schedule's
// holidays and shift days.
bool checkProgram(Schedule& schedule, TimedPlay& play, JobServices& services, std::size_t row, const DateTime& now,
                  const CalendarDay& day);
// Every program in list order: its validity cell (when the minute is new), then checkProgram.
void checkDuePrograms(Schedule& schedule, TimedPlay& play, JobServices& services, const DateTime& now);
// One tick; `now` is the local time with milliseconds 0, read once by the caller.
void schedulerTick(Schedule& schedule, TimedPlay& play, JobServices& services, const DateTime& now);

// "立即播此节目" after the amount was entered: pre-empts everything and queues a manual job.
void playNow(const ProgramRecord& program, int amount, TimedPlay& play, JobServices& services, const DateTime& now);
// "终止本次播放" on the selected rows of the now-playing list (ascending).
void stopSelected(const std::vector<int>& selectedRows, TimedPlay& play, JobServices& services, const DateTime& now);

std::u16string queuedText(std::u16string_view name);
std::u16string onTimeReason(std::u16string_view name);
std::u16string manualReason(std::u16string_view name);
