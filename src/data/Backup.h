#pragma once
// Backup and restore of the schedule data (BackupFile.h has the file's layout). A backup takes
// the data files as stored, after checking them with their own loaders. A restore first reads
// and checks the whole backup, every file inside it through its loader, and changes nothing
// when anything is wrong; then it keeps the current files as dated copies in the data folder
// and replaces them through the ordinary save of each data file.
#include <string>
#include <string_view>
#include <vector>

#include "data/BackupFile.h"
#include "data/DataFile.h"
#include "data/DateTime.h"
#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"

// The data files of one data folder.
struct ScheduleFiles {
    DataFolder folder;
    std::u16string programsFile;
    std::u16string holidaysFile;
};

// The names of the lists as the dialogs and messages show them.
inline constexpr std::u16string_view programsPartName = u"节目单";
inline constexpr std::u16string_view holidaysPartName = u"节假日";
inline constexpr std::u16string_view shiftDaysPartName = u"调休";

// "节目单、调休": the ticked lists in that order.
std::u16string partNames(const BackupParts& parts);

// "岚铃备份 2026-12-09.lvtxbak"
std::u16string defaultBackupName(const DateTime& today);

struct BackupOutcome {
    bool ok = false;
    bool ioFailure = false;  // the system refused a read or write; otherwise a file's content is wrong
    std::u16string message;  // the failure's text; empty on success
};

// Writes a backup of `parts` (at least one) to `target`. A missing data file counts as the
// empty file the program would write for its empty lists.
BackupOutcome writeBackup(const ScheduleFiles& files, const BackupParts& parts, std::u16string_view target);

// What a checked backup restores.
struct RestoreSource {
    BackupParts parts;  // the lists to restore, all present in the backup
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
};

struct RestoreCheck {
    bool ok = false;
    bool ioFailure = false;  // the backup could not be read; otherwise its content is wrong
    std::u16string message;  // why the backup cannot be restored
    RestoreSource source;
};

// Reads the whole backup at `path` and checks it for restoring `wanted` (at least one list).
RestoreCheck checkBackup(FileSystem& fs, std::u16string_view path, const BackupParts& wanted);

// The lists in use, replaced by a restore.
struct ScheduleLists {
    std::vector<ProgramRecord>& programs;
    std::vector<HolidayRecord>& holidays;
    std::vector<ShiftDayRecord>& shiftDays;
};

// Where a restore writes and who answers for it: `owner` gets the save question of a file whose
// start-up read failed and every failure's box; null keeps them silent.
struct RestoreTarget {
    ScheduleFiles files;
    Prompt* owner = nullptr;
    bool* programsReadFailed = nullptr;
    bool* holidaysReadFailed = nullptr;
};

struct RestoreOutcome {
    bool complete = false;
    BackupParts restored;                // the lists now replaced, in the files and in `lists`
    std::vector<std::u16string> copies;  // the dated copies of the files as they were
    std::u16string failure;  // why it stopped; empty also when the operator declined a save
};

// "定时播t 还原前 2026-12-09 10.30.15": where the file is kept before a restore at `now`.
std::u16string datedCopyPath(std::u16string_view file, const DateTime& now);

// Replaces the lists of `source` in the files and in `lists`. A list not restored keeps its
// current records, also when it shares the holiday file with one that is. Each restored
// program keeps the last start of the current program of its name, so a start it just
// triggered does not ring again. The holiday file is saved first, so nothing asks or fails
// between the programs' replacement and the caller's reaction to it; when the programs file
// then fails, the holidays and shift days stay restored and the outcome says so.
RestoreOutcome applyRestore(const RestoreTarget& target, const RestoreSource& source, ScheduleLists lists,
                            const DateTime& now);

// Asked before a checked backup replaces anything.
std::u16string restoreQuestion(const BackupParts& parts, std::u16string_view dataDir);
// What the operator reads when it is over.
std::u16string backupDoneText(const BackupParts& parts, std::u16string_view path);
std::u16string restoreDoneText(const RestoreOutcome& outcome);
std::u16string restoreStoppedText(const BackupParts& wanted, const BackupParts& restored);
