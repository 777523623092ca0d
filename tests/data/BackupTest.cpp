#include <gtest/gtest.h>

#include <cstring>

#include "data/Backup.h"
#include "data/HolidaysFile.h"
#include "support/HolidaySamples.h"
#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

namespace {

const DateTime restoreTime = at(2026, 12, 9, 10, 30, 5);

// A data folder with a programs file and a holiday file, and the lists the program holds.
struct ScheduleFolder : MemoryDataFolder {
    std::u16string holidayFile = dataDir + u"/节假日t";
    std::u16string backup = u"/media/usb/岚铃备份 2026-12-09.lvtxbak";
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    bool holidaysReadFailed = false;

    ScheduleFolder() { fs.addFolder(u"/media/usb"); }

    ScheduleFiles files() { return {folder, file, holidayFile}; }

    void store(const std::vector<ProgramRecord>& newPrograms, const std::vector<HolidayRecord>& newHolidays,
               const std::vector<ShiftDayRecord>& newShiftDays) {
        programs = newPrograms;
        holidays = newHolidays;
        shiftDays = newShiftDays;
        fs.addFile(file, programsFileBytes(programs));
        fs.addFile(holidayFile, withDigest(holidaysPayload(holidays, shiftDays)));
    }

    BackupOutcome backUp(const BackupParts& parts) { return writeBackup(files(), parts, backup); }

    // The operator's restore: the whole backup checked, then applied only when it holds.
    RestoreCheck check(const BackupParts& wanted) { return checkBackup(fs, backup, wanted); }
    RestoreOutcome restore(const RestoreSource& source) {
        return applyRestore({files(), &prompt, &readFailed, &holidaysReadFailed}, source,
                            {programs, holidays, shiftDays}, restoreTime);
    }
};

const std::vector<ProgramRecord> schoolDay{sampleProgram(u"上课铃", 8), sampleProgram(u"眼保健操", 10)};
const std::vector<HolidayRecord> springBreak{holiday(u"春节", {2027, 2, 5, 0, 2027, 2, 20, 24})};
const std::vector<ShiftDayRecord> workingSaturday{shiftDay(2027, 2, 27, 2027, 2, 22)};

std::vector<std::uint8_t> bytesOf(const MemoryFileSystem& fs, const std::u16string& path) {
    const auto found = fs.files.find(path);
    return found == fs.files.end() ? std::vector<std::uint8_t>{} : found->second;
}

bool sameRecords(const auto& a, const auto& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0);
}

}  // namespace

TEST(BackupFile, EveryCutAndEveryChangedByteIsRefusedAndASoundOneRoundTrips) {
    const BackupContent content{{true, false, true}, programsFileBytes(schoolDay),
                                withDigest(holidaysPayload(springBreak, workingSaturday))};
    const std::vector<std::uint8_t> bytes = encodeBackup(content);
    ASSERT_EQ(bytes.size(), 8 + 4 + 4 + content.programsFile.size() + 4 + content.holidaysFile.size() + 16);

    const DecodedBackup decoded = decodeBackup(bytes);
    ASSERT_EQ(decoded.fault, BackupFault::none);
    EXPECT_TRUE(decoded.content.parts.programs && !decoded.content.parts.holidays && decoded.content.parts.shiftDays);
    EXPECT_EQ(decoded.content.programsFile, content.programsFile);
    EXPECT_EQ(decoded.content.holidaysFile, content.holidaysFile);

    for (std::size_t size = 8; size < bytes.size(); size += 97) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_NE(decodeBackup(cut).fault, BackupFault::none) << "cut at " << size;
    }
    EXPECT_EQ(decodeBackup({bytes.begin(), bytes.begin() + 20}).fault, BackupFault::truncated);
    for (std::size_t at = 0; at < bytes.size(); at += 89) {
        std::vector<std::uint8_t> changed = bytes;
        changed[at] ^= 0x40;
        EXPECT_NE(decodeBackup(changed).fault, BackupFault::none) << "byte " << at;
    }
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_EQ(decodeBackup(longer).fault, BackupFault::digest);
    EXPECT_EQ(decodeBackup({'P', 'K', 3, 4}).fault, BackupFault::notABackup);
    // A sound digest over a mark this version never writes: a later format.
    EXPECT_EQ(decodeBackup(encodeBackup({{}, {}, {}})).fault, BackupFault::notABackup);
}

TEST(Backup, AFullBackupRestoresBothFilesByteForByteAndKeepsDatedCopiesOfTheReplacedOnes) {
    ScheduleFolder data;
    data.store(schoolDay, springBreak, workingSaturday);
    const auto programsBefore = bytesOf(data.fs, data.file);
    const auto holidaysBefore = bytesOf(data.fs, data.holidayFile);
    ASSERT_TRUE(data.backUp(allBackupParts).ok);
    EXPECT_EQ(backupDoneText(allBackupParts, data.backup),
              u"备份完成：节目单、节假日、调休\n\n/media/usb/岚铃备份 2026-12-09.lvtxbak\n\n ");

    data.store({sampleProgram(u"新节目", 14)}, {}, {});
    const auto programsChanged = bytesOf(data.fs, data.file);
    const auto holidaysChanged = bytesOf(data.fs, data.holidayFile);
    const RestoreCheck check = data.check(allBackupParts);
    ASSERT_TRUE(check.ok) << toUtf8(check.message);
    const RestoreOutcome outcome = data.restore(check.source);

    ASSERT_TRUE(outcome.complete) << toUtf8(outcome.failure);
    EXPECT_EQ(bytesOf(data.fs, data.file), programsBefore);
    EXPECT_EQ(bytesOf(data.fs, data.holidayFile), holidaysBefore);
    ASSERT_EQ(data.programs.size(), 2u);
    EXPECT_EQ(fixedView(data.programs[1].name), u"眼保健操");
    EXPECT_TRUE(sameRecords(data.holidays, springBreak));
    EXPECT_TRUE(sameRecords(data.shiftDays, workingSaturday));
    const std::u16string programsCopy = data.file + u" 还原前 2026-12-09 10.30.05";
    const std::u16string holidaysCopy = data.holidayFile + u" 还原前 2026-12-09 10.30.05";
    EXPECT_EQ(outcome.copies, (std::vector<std::u16string>{programsCopy, holidaysCopy}));
    EXPECT_EQ(bytesOf(data.fs, programsCopy), programsChanged);
    EXPECT_EQ(bytesOf(data.fs, holidaysCopy), holidaysChanged);
    EXPECT_FALSE(data.fs.hasFile(data.file + u"Tmp"));
    EXPECT_EQ(restoreDoneText(outcome), u"还原完成：节目单、节假日、调休\n\n还原前的文件已另存为：\n" + programsCopy +
                                            u"\n" + holidaysCopy + u"\n\n ");
    EXPECT_TRUE(data.prompt.messages.empty());
}

TEST(Backup, EachRefusalSaysWhyAndLeavesTheDataFolderAsItWas) {
    ScheduleFolder data;
    data.store(schoolDay, springBreak, workingSaturday);
    ASSERT_TRUE(data.backUp({true, true, false}).ok);
    const std::vector<std::uint8_t> sound = bytesOf(data.fs, data.backup);
    ProgramRecord tooQuiet = sampleProgram(u"太小声");
    tooQuiet.volume = 24;
    const auto holdingBadPrograms =
        encodeBackup({{true, false, false}, programsFileBytes({tooQuiet}), {}});
    const std::u16string& shown = data.backup;

    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        BackupParts wanted;
        std::u16string message;
    };
    std::vector<std::uint8_t> changed = sound;
    changed[100] ^= 1;
    const std::vector<Case> cases{
        {"another kind of file", {'P', 'K', 3, 4, 0, 0, 0, 0, 0}, allBackupParts,
         u"不是本软件的备份文件，不能还原：\n" + shown + u"\n\n "},
        {"cut short", {sound.begin(), sound.end() - 17}, {true, false, false},
         u"备份文件不完整，不能还原：\n" + shown + u"\n\n "},
        {"a changed byte", changed, {true, false, false},
         u"备份文件已损坏（校验码不符），不能还原：\n" + shown + u"\n\n "},
        {"a list it does not hold", sound, {false, false, true},
         u"该备份文件中没有 {调休}，不能还原：\n" + shown + u"\n\n请取消勾选 {调休} 再还原\n "},
        {"a programs file its loader rejects", holdingBadPrograms, {true, false, false},
         u"备份文件中的 {节目单} 内容有错误，不能还原：\n" + shown + u"\n\n "},
    };
    for (const Case& c : cases) {
        data.fs.files[data.backup] = c.bytes;
        const auto before = data.fs.files;
        const RestoreCheck check = data.check(c.wanted);
        EXPECT_FALSE(check.ok) << c.what;
        EXPECT_EQ(check.message, c.message) << c.what;
        EXPECT_EQ(data.fs.files, before) << c.what;
    }
    data.fs.files.erase(data.backup);
    EXPECT_EQ(data.check(allBackupParts).message, u"找不到备份文件：\n" + shown + u"\n\n ");
}

TEST(Backup, HolidaysAloneOrShiftDaysAloneReplaceOnlyThatListOfTheSharedFile) {
    ScheduleFolder data;
    data.store(schoolDay, springBreak, workingSaturday);
    // Only holidays backed up: the file inside still holds the shift days, which stay unused.
    ASSERT_TRUE(data.backUp({false, true, false}).ok);
    const std::vector<HolidayRecord> summer{holiday(u"暑假", {2027, 7, 10, 0, 2027, 8, 31, 24})};
    const std::vector<ShiftDayRecord> otherSaturday{shiftDay(2027, 3, 6, 2027, 3, 1)};
    data.store(schoolDay, summer, otherSaturday);

    RestoreCheck check = data.check({false, true, false});
    ASSERT_TRUE(check.ok) << toUtf8(check.message);
    ASSERT_TRUE(data.restore(check.source).complete);
    EXPECT_TRUE(sameRecords(data.holidays, springBreak));
    EXPECT_TRUE(sameRecords(data.shiftDays, otherSaturday)) << "the current shift days stay";
    EXPECT_EQ(bytesOf(data.fs, data.holidayFile), withDigest(holidaysPayload(springBreak, otherSaturday)));
    EXPECT_EQ(bytesOf(data.fs, data.file), programsFileBytes(schoolDay)) << "the programs file is not touched";
    EXPECT_FALSE(data.check({false, false, true}).ok) << "the backup does not offer its shift days";

    ASSERT_TRUE(data.backUp({false, false, true}).ok);
    data.store(schoolDay, summer, workingSaturday);
    check = data.check({false, false, true});
    ASSERT_TRUE(check.ok);
    ASSERT_TRUE(data.restore(check.source).complete);
    EXPECT_TRUE(sameRecords(data.holidays, summer)) << "the current holidays stay";
    EXPECT_TRUE(sameRecords(data.shiftDays, otherSaturday));
    EXPECT_EQ(bytesOf(data.fs, data.holidayFile), withDigest(holidaysPayload(summer, otherSaturday)));
}

TEST(Backup, ADamagedDataFileIsNotBackedUpAndMissingFilesBackUpAsEmptyLists) {
    ScheduleFolder data;
    EXPECT_TRUE(data.backUp(allBackupParts).ok);
    data.store(schoolDay, springBreak, workingSaturday);
    RestoreCheck check = data.check(allBackupParts);
    ASSERT_TRUE(check.ok);
    ASSERT_TRUE(data.restore(check.source).complete);
    EXPECT_TRUE(data.programs.empty() && data.holidays.empty() && data.shiftDays.empty());
    EXPECT_EQ(bytesOf(data.fs, data.file).size(), 20u);
    EXPECT_EQ(bytesOf(data.fs, data.holidayFile).size(), 24u);

    data.fs.files[data.holidayFile].back() ^= 1;
    data.fs.files.erase(data.backup);
    const BackupOutcome outcome = data.backUp({true, false, true});
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, u"读文件失败：\n" + data.holidayFile + u"\n\n文件内容有错误\n\n ");
    EXPECT_FALSE(data.fs.hasFile(data.backup));
}

TEST(Backup, RestoredProgramsKeepTheLastStartOfTheirNamesakes) {
    ScheduleFolder data;
    data.store(schoolDay, {}, {});
    ASSERT_TRUE(data.backUp({true, false, false}).ok);
    data.programs[0].lastStart = at(2026, 12, 9, 8, 0, 0);
    setFixed(data.programs[1].name, u"改名的眼保健操");
    data.programs[1].lastStart = at(2026, 12, 9, 10, 0, 0);
    const RestoreCheck check = data.check({true, false, false});
    ASSERT_TRUE(check.ok);
    ASSERT_TRUE(data.restore(check.source).complete);
    EXPECT_EQ(data.programs[0].lastStart.hour, 8);
    EXPECT_EQ(data.programs[1].lastStart.year, 2000) << "no namesake: the reset value";
    // The stamp lives in memory only; the file holds what the backup held.
    EXPECT_EQ(bytesOf(data.fs, data.file).size(), programsFileBytes(schoolDay).size());
}

TEST(Backup, ADeclinedOrFailedSaveStopsTheRestoreWhereItIs) {
    ScheduleFolder data;
    data.store(schoolDay, springBreak, workingSaturday);
    ASSERT_TRUE(data.backUp(allBackupParts).ok);
    const RestoreCheck check = data.check(allBackupParts);
    ASSERT_TRUE(check.ok);
    data.store({}, {}, {});

    // The programs file's start-up read failed: the operator is asked and answers No.
    data.readFailed = true;
    RestoreOutcome outcome = data.restore(check.source);
    EXPECT_FALSE(outcome.complete);
    EXPECT_FALSE(outcome.restored.programs);
    EXPECT_TRUE(outcome.restored.holidays && outcome.restored.shiftDays);
    EXPECT_TRUE(data.programs.empty());
    EXPECT_TRUE(sameRecords(data.holidays, springBreak) && sameRecords(data.shiftDays, workingSaturday));
    ASSERT_EQ(data.prompt.questions.size(), 1u);
    EXPECT_EQ(restoreStoppedText(allBackupParts, outcome.restored),
              u"还原未完成 ！\n\n已还原：节假日、调休\n未还原：节目单\n\n ");

    // Another program holds the holiday file: nothing is replaced.
    data.readFailed = false;
    data.store({}, {}, {});
    data.fs.busy.insert(data.holidayFile);
    outcome = data.restore(check.source);
    EXPECT_FALSE(outcome.complete);
    EXPECT_FALSE(outcome.restored.any());
    EXPECT_TRUE(data.programs.empty() && data.holidays.empty());
    ASSERT_FALSE(data.prompt.messages.empty());
    EXPECT_NE(data.prompt.messages.back().text.find(u"被别的程序占用"), std::u16string::npos);
}
