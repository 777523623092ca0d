#include "data/Backup.h"

#include <algorithm>

#include "data/DataFileSave.h"
#include "data/HolidaysFile.h"
#include "data/Md5.h"
#include "data/ProgramsFile.h"
#include "data/SingleFileSystem.h"
#include "data/Text.h"

namespace {

// Far above the largest pair of data files (about 1.8 MB): anything bigger is no backup.
constexpr std::uint64_t maxBackupBytes = 16u << 20;

constexpr std::u16string_view noBackupFileText = u"找不到备份文件：\n%s\n\n ";
constexpr std::u16string_view notABackupText = u"不是本软件的备份文件，不能还原：\n%s\n\n ";
constexpr std::u16string_view truncatedText = u"备份文件不完整，不能还原：\n%s\n\n ";
constexpr std::u16string_view digestText = u"备份文件已损坏（校验码不符），不能还原：\n%s\n\n ";
constexpr std::u16string_view missingPartText = u"该备份文件中没有 {%s}，不能还原：\n%s\n\n请取消勾选 {%s} 再还原\n ";
constexpr std::u16string_view badContentText = u"备份文件中的 {%s} 内容有错误，不能还原：\n%s\n\n ";

std::vector<std::uint8_t> withDigest(std::vector<std::uint8_t> payload) {
    const Md5Digest digest = md5Of(payload.data(), payload.size());
    payload.insert(payload.end(), digest.begin(), digest.end());
    return payload;
}

// A file's bytes as its start-up read finds them: the file, else its companion, else nothing.
struct StoredFile {
    ErrorCode error = errorSuccess;
    bool found = false;
    std::u16string path;  // the path read
    std::vector<std::uint8_t> bytes;
};

ErrorCode readAll(FileHandle& file, std::uint64_t limit, std::vector<std::uint8_t>& bytes) {
    std::uint64_t size = 0;
    if (const ErrorCode error = file.size(size); error != errorSuccess) return error;
    bytes.resize(static_cast<std::size_t>(std::min(size, limit + 1)));
    std::size_t got = 0;
    const ErrorCode error = file.read(bytes.data(), bytes.size(), got);
    bytes.resize(got);
    return error;
}

StoredFile readStored(FileSystem& fs, std::u16string_view path) {
    StoredFile stored;
    for (const std::u16string& candidate : {std::u16string(path), tempPathOf(path)}) {
        stored.path = candidate;
        auto file = openForRead(fs, candidate, stored.error);
        if (file) {
            stored.found = true;
            stored.error = readAll(*file, maxBackupBytes, stored.bytes);
            return stored;
        }
        if (stored.error != errorSuccess) return stored;
    }
    stored.path = path;
    return stored;
}

ErrorCode writeAll(FileSystem& fs, std::u16string_view path, const std::vector<std::uint8_t>& bytes) {
    ErrorCode error = errorSuccess;
    auto file = openForWrite(fs, path, error);
    if (!file) return error;
    error = file->write(bytes.data(), bytes.size());
    if (error == errorSuccess) error = file->flush();
    file.reset();
    // A partial copy or backup would only mislead.
    if (error != errorSuccess) fs.deleteFile(path);
    return error;
}

std::u16string readFailure(FileSystem& fs, const StoredFile& stored) {
    return readFailureText(fs, referenceTexts().read, ReadFailure::io, stored.error, stored.path);
}

std::u16string writeFailure(FileSystem& fs, ErrorCode code, std::u16string_view path) {
    return writeFailureText(fs, referenceTexts().write, code, path);
}

using Loader = ReadResult (*)(const DataFileContext& context);

ReadResult loadProgramsOnly(const DataFileContext& context) {
    std::vector<ProgramRecord> programs;
    return loadPrograms(context, programs);
}

ReadResult loadCalendarOnly(const DataFileContext& context) {
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    return loadHolidays(context, holidays, shiftDays);
}

// The data file's bytes for a backup, checked with its loader; `failure` says why not.
bool takeDataFile(const ScheduleFiles& files, std::u16string_view path, Loader load,
                  const std::vector<std::uint8_t>& emptyFile, std::vector<std::uint8_t>& bytes,
                  BackupOutcome& failure) {
    FileSystem& fs = files.folder.fs;
    StoredFile stored = readStored(fs, path);
    if (stored.error != errorSuccess) {
        failure.ioFailure = true;
        failure.message = readFailure(fs, stored);
        return false;
    }
    if (!stored.found) {
        bytes = emptyFile;
        return true;
    }
    SingleFileSystem single(stored.path, stored.bytes.data(), stored.bytes.size());
    const ReadResult checked = load({{single, files.folder.shellFolder, files.folder.dataDir},
                                     std::u16string(path), nullptr, nullptr});
    if (!checked.ok()) {
        failure.message = checked.message;
        return false;
    }
    bytes = std::move(stored.bytes);
    return true;
}

std::u16string twoDigits(int value) {
    return formatNumber(value, 2);
}

}  // namespace

std::u16string partNames(const BackupParts& parts) {
    std::u16string names;
    const auto add = [&](bool ticked, std::u16string_view name) {
        if (!ticked) return;
        if (!names.empty()) names += u"、";
        names += name;
    };
    add(parts.programs, programsPartName);
    add(parts.holidays, holidaysPartName);
    add(parts.shiftDays, shiftDaysPartName);
    return names;
}

std::u16string defaultBackupName(const DateTime& today) {
    return u"岚铃备份 " + dateText(today.year, today.month, today.day) + u"." + std::u16string(backupExtension);
}

BackupOutcome writeBackup(const ScheduleFiles& files, const BackupParts& parts, std::u16string_view target) {
    BackupOutcome outcome;
    BackupContent content;
    content.parts = parts;
    if (parts.programs && !takeDataFile(files, files.programsFile, loadProgramsOnly, withDigest(programsPayload({})),
                                        content.programsFile, outcome)) {
        return outcome;
    }
    if (parts.calendar() && !takeDataFile(files, files.holidaysFile, loadCalendarOnly,
                                          withDigest(holidaysPayload({}, {})), content.holidaysFile, outcome)) {
        return outcome;
    }
    FileSystem& fs = files.folder.fs;
    if (const ErrorCode error = writeAll(fs, target, encodeBackup(content)); error != errorSuccess) {
        outcome.ioFailure = true;
        outcome.message = writeFailure(fs, error, target);
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

namespace {

std::u16string missingPart(const BackupParts& wanted, const BackupParts& held) {
    if (wanted.programs && !held.programs) return std::u16string(programsPartName);
    if (wanted.holidays && !held.holidays) return std::u16string(holidaysPartName);
    if (wanted.shiftDays && !held.shiftDays) return std::u16string(shiftDaysPartName);
    return {};
}

// The contained file as its loader sees it, under its own name, so that nothing on disk is read.
template <typename Load>
bool loadsInMemory(std::u16string_view name, const std::vector<std::uint8_t>& bytes, Load load) {
    SingleFileSystem single(std::u16string(name), bytes.data(), bytes.size());
    return load({{single, u"", u""}, std::u16string(name), nullptr, nullptr}).ok();
}

}  // namespace

RestoreCheck checkBackup(FileSystem& fs, std::u16string_view path, const BackupParts& wanted) {
    RestoreCheck check;
    const std::u16string shown(path);
    ErrorCode error = errorSuccess;
    auto file = openForRead(fs, path, error);
    if (!file) {
        check.ioFailure = true;
        check.message = error == errorSuccess ? formatText(noBackupFileText, {shown})
                                              : readFailure(fs, StoredFile{error, false, shown, {}});
        return check;
    }
    std::vector<std::uint8_t> bytes;
    error = readAll(*file, maxBackupBytes, bytes);
    file.reset();
    if (error != errorSuccess) {
        check.ioFailure = true;
        check.message = readFailure(fs, StoredFile{error, true, shown, {}});
        return check;
    }

    const DecodedBackup decoded = bytes.size() > maxBackupBytes ? DecodedBackup{BackupFault::notABackup, {}}
                                                                 : decodeBackup(bytes);
    switch (decoded.fault) {
        case BackupFault::none: break;
        case BackupFault::notABackup: check.message = formatText(notABackupText, {shown}); return check;
        case BackupFault::truncated: check.message = formatText(truncatedText, {shown}); return check;
        case BackupFault::digest: check.message = formatText(digestText, {shown}); return check;
    }
    const BackupContent& content = decoded.content;
    if (const std::u16string missing = missingPart(wanted, content.parts); !missing.empty()) {
        check.message = formatText(missingPartText, {missing, shown, missing});
        return check;
    }

    // Every file the backup holds is checked, wanted or not: a backup partly damaged is not trusted.
    RestoreSource& source = check.source;
    source.parts = wanted;
    if (content.parts.programs &&
        !loadsInMemory(programsFileName, content.programsFile,
                       [&](const DataFileContext& context) { return loadPrograms(context, source.programs); })) {
        check.message = formatText(badContentText, {programsPartName, shown});
        return check;
    }
    if (content.parts.calendar() && !loadsInMemory(holidaysFileName, content.holidaysFile,
                                                   [&](const DataFileContext& context) {
                                                       return loadHolidays(context, source.holidays, source.shiftDays);
                                                   })) {
        check.message = formatText(badContentText, {partNames({false, content.parts.holidays,
                                                               content.parts.shiftDays}),
                                                    shown});
        return check;
    }
    if (!wanted.programs) source.programs.clear();
    if (!wanted.holidays) source.holidays.clear();
    if (!wanted.shiftDays) source.shiftDays.clear();
    check.ok = true;
    return check;
}

std::u16string datedCopyPath(std::u16string_view file, const DateTime& now) {
    return std::u16string(file) + u" 还原前 " + dateText(now.year, now.month, now.day) + u" " + twoDigits(now.hour) +
           u"." + twoDigits(now.minute) + u"." + twoDigits(now.second);
}

namespace {

// The current file, if there is one, kept under its dated name; false after the failure's text.
bool keepDatedCopy(const RestoreTarget& target, std::u16string_view file, const DateTime& now,
                   RestoreOutcome& outcome) {
    FileSystem& fs = target.files.folder.fs;
    const StoredFile stored = readStored(fs, file);
    if (stored.error != errorSuccess) {
        outcome.failure = readFailure(fs, stored);
        return false;
    }
    if (!stored.found) return true;
    const std::u16string copy = datedCopyPath(file, now);
    if (const ErrorCode error = writeAll(fs, copy, stored.bytes); error != errorSuccess) {
        outcome.failure = writeFailure(fs, error, copy);
        return false;
    }
    outcome.copies.push_back(copy);
    return true;
}

void carryLastStarts(std::vector<ProgramRecord>& restored, const std::vector<ProgramRecord>& current) {
    for (ProgramRecord& program : restored) {
        const int match = findProgramByName(current, fixedView(program.name));
        if (match >= 0) program.lastStart = current[static_cast<std::size_t>(match)].lastStart;
    }
}

}  // namespace

RestoreOutcome applyRestore(const RestoreTarget& target, const RestoreSource& source, ScheduleLists lists,
                            const DateTime& now) {
    RestoreOutcome outcome;
    const ScheduleFiles& files = target.files;
    const BackupParts& parts = source.parts;
    if ((parts.programs && !keepDatedCopy(target, files.programsFile, now, outcome)) ||
        (parts.calendar() && !keepDatedCopy(target, files.holidaysFile, now, outcome))) {
        if (target.owner) target.owner->showMessage(outcome.failure, MessageIcon::error);
        return outcome;
    }

    if (parts.calendar()) {
        const std::vector<HolidayRecord>& holidays = parts.holidays ? source.holidays : lists.holidays;
        const std::vector<ShiftDayRecord>& shiftDays = parts.shiftDays ? source.shiftDays : lists.shiftDays;
        const SaveResult saved = saveHolidays({files.folder, files.holidaysFile, target.owner,
                                               target.holidaysReadFailed},
                                              holidays, shiftDays);
        if (!saved.ok) {
            outcome.failure = saved.message;
            return outcome;
        }
        if (parts.holidays) lists.holidays = source.holidays;
        if (parts.shiftDays) lists.shiftDays = source.shiftDays;
        outcome.restored.holidays = parts.holidays;
        outcome.restored.shiftDays = parts.shiftDays;
    }
    if (parts.programs) {
        std::vector<ProgramRecord> programs = source.programs;
        carryLastStarts(programs, lists.programs);
        const SaveResult saved =
            savePrograms({files.folder, files.programsFile, target.owner, target.programsReadFailed}, programs);
        if (!saved.ok) {
            outcome.failure = saved.message;
            return outcome;
        }
        lists.programs = std::move(programs);
        outcome.restored.programs = true;
    }
    outcome.complete = true;
    return outcome;
}

std::u16string restoreQuestion(const BackupParts& parts, std::u16string_view dataDir) {
    return formatText(u"确定还原 {%s} ？\n\n当前的数据将被替换，替换前先另存一份在数据文件夹：\n%s\n\n ",
                      {partNames(parts), dataDir});
}

std::u16string backupDoneText(const BackupParts& parts, std::u16string_view path) {
    return formatText(u"备份完成：%s\n\n%s\n\n ", {partNames(parts), path});
}

std::u16string restoreDoneText(const RestoreOutcome& outcome) {
    std::u16string copies;
    for (const std::u16string& copy : outcome.copies) copies += copy + u"\n";
    if (copies.empty()) copies = u"（无）\n";
    return formatText(u"还原完成：%s\n\n还原前的文件已另存为：\n%s\n ", {partNames(outcome.restored), copies});
}

std::u16string restoreStoppedText(const BackupParts& wanted, const BackupParts& restored) {
    const BackupParts left{wanted.programs && !restored.programs, wanted.holidays && !restored.holidays,
                           wanted.shiftDays && !restored.shiftDays};
    const auto orNone = [](std::u16string names) { return names.empty() ? std::u16string(u"无") : names; };
    return formatText(u"还原未完成 ！\n\n已还原：%s\n未还原：%s\n\n ", {orNone(partNames(restored)), orNone(partNames(left))});
}
