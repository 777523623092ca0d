// The dialogs "备份" and "还原" of the settings page: templates and controls. Plain macros,
// because the resource compiler reads this file too.
#pragma once

#define IDD_BACKUP_DIALOG 236
#define IDD_RESTORE_DIALOG 237

// The lists to back up or restore
#define IDC_PART_PROGRAMS 1801
#define IDC_PART_HOLIDAYS 1802
#define IDC_PART_SHIFT_DAYS 1803
