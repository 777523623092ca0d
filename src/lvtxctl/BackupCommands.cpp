#include "lvtxctl/BackupCommands.h"

#include <ctime>
#include <string>
#include <vector>

#include "data/Backup.h"
#include "data/HolidaysFile.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "lvtxctl/Commands.h"
#include "lvtxctl/Console.h"

namespace {

// The files of `dataDir` as the tool writes them: no owner window, so every failure comes back
// as text, and no read-failed flag, as the tool reads nothing at a start-up.
ScheduleFiles filesIn(FileSystem& fs, std::u16string_view dataDir) {
    return {{fs, std::u16string(parentFolder(dataDir)), std::u16string(dataDir)},
            joinPath(dataDir, programsFileName),
            joinPath(dataDir, holidaysFileName)};
}

// The local time that names the dated copies.
DateTime localTimeNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    const auto field = [](int value) { return static_cast<std::uint16_t>(value); };
    return DateTime{field(local->tm_year + 1900), field(local->tm_mon + 1), field(local->tm_wday), field(local->tm_mday),
                    field(local->tm_hour),        field(local->tm_min),     field(local->tm_sec),  0};
}

int fail(std::u16string_view message, bool ioFailure) {
    writeError(toUtf8(message) + "\n");
    return ioFailure ? exitIo : exitContent;
}

}  // namespace

int runBackup(FileSystem& fs, std::u16string_view dataDir, std::u16string_view out, const BackupParts& parts) {
    // Missing files back up as empty lists; a mistyped folder must not pass for an empty schedule.
    if (const PathStatus status = fs.status(dataDir); !status.exists || !status.isFolder) {
        writeError("lvtxctl: " + toUtf8(dataDir) + " is no data folder\n");
        return exitIo;
    }
    const BackupOutcome outcome = writeBackup(filesIn(fs, dataDir), parts, out);
    if (!outcome.ok) return fail(outcome.message, outcome.ioFailure);
    writeOutput("ok: " + toUtf8(partNames(parts)) + " -> " + toUtf8(out) + "\n");
    return exitOk;
}

int runRestore(FileSystem& fs, std::u16string_view dataDir, std::u16string_view backup, const BackupParts& parts,
               bool programRuns) {
    if (programRuns) {
        writeError("lvtxctl: the program is running on " + toUtf8(dataDir) +
                   " and would overwrite a restore with its next save; quit it first\n");
        return exitIo;
    }
    const RestoreCheck check = checkBackup(fs, backup, parts);
    if (!check.ok) return fail(check.message, check.ioFailure);

    const ScheduleFiles files = filesIn(fs, dataDir);
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    // The list of the holiday file that is not restored stays as the file holds it.
    if (parts.holidays != parts.shiftDays) {
        const ReadResult current = loadHolidays({files.folder, files.holidaysFile, nullptr, nullptr}, holidays, shiftDays);
        if (!current.ok()) return fail(current.message, current.failure == ReadFailure::io);
    }
    const RestoreOutcome outcome =
        applyRestore({files, nullptr, nullptr, nullptr}, check.source, {programs, holidays, shiftDays}, localTimeNow());
    if (!outcome.complete) return fail(outcome.failure + u"\n\n" + restoreStoppedText(parts, outcome.restored), true);
    std::string text = "ok: " + toUtf8(partNames(outcome.restored)) + " restored\n";
    for (const std::u16string& copy : outcome.copies) text += "kept: " + toUtf8(copy) + "\n";
    writeOutput(text);
    return exitOk;
}
