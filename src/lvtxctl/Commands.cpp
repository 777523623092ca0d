#include "lvtxctl/Commands.h"

#include <string>
#include <vector>

#include "data/HolidaysFile.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "lvtxctl/Console.h"
#include "lvtxctl/DataKinds.h"
#include "lvtxctl/EligibilityReport.h"
#include "lvtxctl/Moment.h"
#include "lvtxctl/SchedulePlan.h"

namespace {

// The file `path` in its DataDir as the tool reads it: without an owner window, so the message
// comes back in the result instead of a box, and without a read-failed flag, as the tool never saves.
DataFileContext toolFile(FileSystem& fs, std::u16string_view path) {
    const std::u16string dataDir(parentFolder(path));
    return {{fs, std::u16string(parentFolder(dataDir)), dataDir}, std::u16string(path), nullptr, nullptr};
}

// Writes the message of a failed read and gives its exit code.
int reportFailure(const ReadResult& result) {
    writeError(toUtf8(result.message) + "\n");
    return result.failure == ReadFailure::content ? exitContent : exitIo;
}

// Reads the file as the program does at start-up. A nonzero result is the exit code,
// its message already written to stderr.
int readFile(FileSystem& fs, std::u16string_view path, std::string_view kindName, std::u16string_view musicDir,
             LoadedFile& loaded) {
    const DataKind* kind = kindName.empty() ? findKindByPath(path) : findKindByName(kindName);
    if (kind == nullptr) {
        writeError("lvtxctl: cannot tell the kind of " + toUtf8(path) +
                   " from its name; give --kind programs|holidays|settings|instant|web\n");
        return exitUsage;
    }
    loaded = kind->load(toolFile(fs, path), musicDir);
    return loaded.result.ok() ? exitOk : reportFailure(loaded.result);
}

}  // namespace

int runShow(FileSystem& fs, std::u16string_view path, std::string_view kindName, std::u16string_view musicDir) {
    LoadedFile loaded;
    if (const int code = readFile(fs, path, kindName, musicDir, loaded); code != exitOk) return code;
    // Texts come from toUtf8, which never yields invalid UTF-8; replace keeps dump from throwing regardless.
    writeOutput(loaded.document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n");
    return exitOk;
}

int runCheck(FileSystem& fs, std::u16string_view path, std::string_view kindName, std::u16string_view musicDir) {
    LoadedFile loaded;
    if (const int code = readFile(fs, path, kindName, musicDir, loaded); code != exitOk) return code;
    writeOutput("ok: " + loaded.summary + "\n");
    return exitOk;
}

namespace {

// Loads the programs and holiday files of `dataDir` as the program does; a nonzero result is
// the exit code, every failing file's message already written.
int loadSchedule(FileSystem& fs, std::u16string_view dataDir, std::vector<ProgramRecord>& programs,
                 std::vector<HolidayRecord>& holidays, std::vector<ShiftDayRecord>& shiftDays) {
    const ReadResult programsRead = loadPrograms(toolFile(fs, joinPath(dataDir, programsFileName)), programs);
    const ReadResult holidaysRead =
        loadHolidays(toolFile(fs, joinPath(dataDir, holidaysFileName)), holidays, shiftDays);
    // The program would go on with an empty list, which answers nothing about the schedule.
    if (!programsRead.ok()) {
        const int code = reportFailure(programsRead);
        if (!holidaysRead.ok()) reportFailure(holidaysRead);
        return code;
    }
    if (!holidaysRead.ok()) return reportFailure(holidaysRead);
    return exitOk;
}

bool parseMomentOption(std::string_view option, std::string_view text, DateTime& moment) {
    if (parseMoment(text, moment)) return true;
    writeError("lvtxctl: " + std::string(option) + " wants a valid local time as \"YYYY-MM-DD HH:MM:SS\", not \"" +
               std::string(text) + "\"\n");
    return false;
}

}  // namespace

int runEligible(FileSystem& fs, std::u16string_view dataDir, std::string_view momentText) {
    DateTime now;
    if (!parseMomentOption("--at", momentText, now)) return exitUsage;
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    if (const int code = loadSchedule(fs, dataDir, programs, holidays, shiftDays); code != exitOk) return code;
    writeOutput(eligibilityReport(programs, now, holidays, shiftDays));
    return exitOk;
}

int runPlan(FileSystem& fs, std::u16string_view dataDir, std::string_view fromText, std::string_view toText) {
    DateTime from;
    DateTime to;
    if (!parseMomentOption("--from", fromText, from) || !parseMomentOption("--to", toText, to)) return exitUsage;
    if (millisecondsBetween(from, to) < 0) {
        writeError("lvtxctl: --to lies before --from\n");
        return exitUsage;
    }
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    if (const int code = loadSchedule(fs, dataDir, programs, holidays, shiftDays); code != exitOk) return code;
    writeOutput(schedulePlan(fs, std::move(programs), holidays, shiftDays, from, to));
    return exitOk;
}
