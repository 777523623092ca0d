#include "ui/win32/BackupDialogs.h"

#include <commdlg.h>

#include <optional>
#include <string>

#include "data/Backup.h"
#include "data/Text.h"
#include "data/win32/LocalNow.h"
#include "data/win32/Win32Prompt.h"
#include "scheduler/ScheduleRestore.h"
#include "ui/win32/BackupDialogIds.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/FileDialogs.h"

namespace {

constexpr std::size_t pathUnits = 260;
constexpr wchar_t backupFilter[] = L"备份文件 (*.lvtxbak)\0*.lvtxbak\0所有文件 (*.*)\0*.*\0";

// What one of the dialogs works with: the lists ticked, and where they are kept.
struct BackupRun {
    BackupParts parts = allBackupParts;
    BackupTargets& targets;
};

ScheduleFiles scheduleFilesOf(const BackupTargets& targets) {
    return {targets.programs.folder(), targets.programs.path(), targets.calendar.path()};
}

void showParts(HWND dialog, const BackupRun& run) {
    const BackupParts& parts = run.parts;
    setChecked(dialog, IDC_PART_PROGRAMS, parts.programs);
    setChecked(dialog, IDC_PART_HOLIDAYS, parts.holidays);
    setChecked(dialog, IDC_PART_SHIFT_DAYS, parts.shiftDays);
}

// The ticked lists; false after the hint when none is.
bool takeTicked(HWND dialog, BackupParts& parts, std::u16string_view noneTicked) {
    parts = {isChecked(dialog, IDC_PART_PROGRAMS), isChecked(dialog, IDC_PART_HOLIDAYS),
             isChecked(dialog, IDC_PART_SHIFT_DAYS)};
    if (!parts.any()) showAppMessage(dialog, noneTicked, MessageIcon::information);
    return parts.any();
}

// The backup file from the system's file dialog: a new one to save, or one to open.
std::optional<std::u16string> chooseBackupFile(HWND owner, bool saving) {
    std::u16string path(pathUnits, u'\0');
    if (saving) {
        const std::u16string name = defaultBackupName(localNow());
        path.replace(0, name.size(), name);
    }
    const FileDialogSetUp setUp{backupFilter, L"lvtxbak", saving ? L"保存备份文件" : L"打开备份文件",
                                static_cast<DWORD>(OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                                                   (saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST)),
                                saving};
    if (!showFileDialog(owner, setUp, path)) return std::nullopt;
    return std::u16string(fixedView(path.data(), path.size()));
}

void backUp(HWND dialog, BackupRun& run) {
    BackupParts& parts = run.parts;
    if (!takeTicked(dialog, parts, u"请勾选要备份的内容")) return;
    const auto target = chooseBackupFile(dialog, true);
    if (!target) return;
    const BackupOutcome outcome = writeBackup(scheduleFilesOf(run.targets), parts, *target);
    if (!outcome.ok) {
        showAppMessage(dialog, outcome.message, MessageIcon::warning);
        return;
    }
    showAppMessage(dialog, backupDoneText(parts, *target), MessageIcon::information);
    EndDialog(dialog, IDOK);
}

void restore(HWND dialog, BackupRun& run) {
    BackupParts& parts = run.parts;
    if (!takeTicked(dialog, parts, u"请勾选要还原的内容")) return;
    const auto source = chooseBackupFile(dialog, false);
    if (!source) return;
    const RestoreCheck check = checkBackup(run.targets.fs, *source, parts);
    if (!check.ok) {
        showAppMessage(dialog, check.message, MessageIcon::warning);
        return;
    }
    if (!askAppQuestion(dialog, restoreQuestion(parts, run.targets.programs.folder().dataDir))) return;
    Win32Prompt prompt(dialog);
    // The pages show the restored lists before the closing box, whose message loop lets the
    // scheduler tick.
    const RestoreOutcome outcome =
        restoreSchedule(run.targets.programs, run.targets.calendar, check.source, &prompt, localNow());
    if (outcome.complete) showAppMessage(dialog, restoreDoneText(outcome), MessageIcon::information);
    else showAppMessage(dialog, restoreStoppedText(parts, outcome.restored), MessageIcon::warning);
    EndDialog(dialog, outcome.complete ? IDOK : IDCANCEL);
}

}  // namespace

// Both dialogs open with every list ticked; their one button ("备份…", "还原…") is OK.
void backupFromPage(HWND page, BackupTargets& targets) {
    BackupRun run{allBackupParts, targets};
    runDialog(page, IDD_BACKUP_DIALOG, confirmingDialogProc<BackupRun, showParts, backUp>, &run);
}

void restoreFromPage(HWND page, BackupTargets& targets) {
    BackupRun run{allBackupParts, targets};
    runDialog(page, IDD_RESTORE_DIALOG, confirmingDialogProc<BackupRun, showParts, restore>, &run);
}
