#pragma once
// The settings page's "备份…" and "还原…": the dialogs "备份" and "还原", the backup file chosen
// in the system's file dialog. A restore hands the checked lists to their owners, whose views
// show them anew; only the plays the restored programs make wrong stop.
#include <windows.h>

#include "data/CalendarStore.h"
#include "data/FileSystem.h"
#include "scheduler/ProgramStore.h"

struct BackupTargets {
    ProgramStore& programs;
    CalendarStore& calendar;
    FileSystem& fs;  // where the backup file is read
};

void backupFromPage(HWND page, BackupTargets& targets);
void restoreFromPage(HWND page, BackupTargets& targets);
