#pragma once
// A checked backup restored into the lists in use: the files are saved first (each kept as a
// dated copy), then the owners take the restored lists, and only the plays that the new
// programs make wrong stop.
#include "data/Backup.h"
#include "data/CalendarStore.h"
#include "scheduler/ProgramStore.h"

// `owner` gets the save questions and the failures' boxes; null keeps them silent.
RestoreOutcome restoreSchedule(ProgramStore& programs, CalendarStore& calendar, const RestoreSource& source,
                               Prompt* owner, const DateTime& now);
