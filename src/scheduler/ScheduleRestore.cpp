#include "scheduler/ScheduleRestore.h"

#include <utility>

RestoreOutcome restoreSchedule(ProgramStore& programs, CalendarStore& calendar, const RestoreSource& source,
                               Prompt* owner, const DateTime& now) {
    // Worked on copies: the lists in use change together once the files are saved, so no box
    // of a save shows one list restored and the other not.
    std::vector<ProgramRecord> restoredPrograms = programs.programs();
    std::vector<HolidayRecord> holidays = calendar.holidays();
    std::vector<ShiftDayRecord> shiftDays = calendar.shiftDays();
    const ScheduleFiles files{programs.folder(), programs.path(), calendar.path()};
    const RestoreOutcome outcome =
        applyRestore({files, owner, &programs.readFailed(), &calendar.readFailed()}, source,
                     {restoredPrograms, holidays, shiftDays}, now);
    if (outcome.restored.calendar()) calendar.restored(std::move(holidays), std::move(shiftDays));
    if (outcome.restored.programs) programs.restored(std::move(restoredPrograms));
    return outcome;
}
