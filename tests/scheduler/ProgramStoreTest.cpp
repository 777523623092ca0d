#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "audio/JobTexts.h"
#include "data/Backup.h"
#include "data/HolidaysFile.h"
#include "data/Text.h"
#include "scheduler/ProgramStore.h"
#include "scheduler/ScheduleRestore.h"
#include "support/HolidaySamples.h"
#include "support/MemoryDataFolder.h"
#include "support/MirroredList.h"
#include "support/ProgramSamples.h"

namespace {

// The plays of timed play as the store reaches them: the names that sound, and every stop.
class FakePlays : public ProgramPlays {
public:
    std::set<std::u16string> playing;
    std::vector<std::u16string> stops;  // "name reason"
    int replacedChecks = 0;

    bool isPlaying(std::u16string_view name) const override { return playing.count(std::u16string(name)) > 0; }
    void stopByName(std::u16string_view name, std::u16string_view reason) override {
        stops.push_back(std::u16string(name) + u" " + std::u16string(reason));
        playing.erase(std::u16string(name));
    }
    void stopPlaysOfReplacedPrograms() override { ++replacedChecks; }
};

// What a row of the program list shows, as far as these tests tell rows apart.
std::u16string rowOf(const ProgramRecord& program) {
    return std::u16string(fixedView(program.name)) + (program.disabled ? u" 禁用" : u"") + u" " +
           formatNumber(program.volume);
}

struct StoreBench : MemoryDataFolder {
    ProgramStore store{folder, file};
    FakePlays plays;
    MirroredList view{[this] {
        MirroredList::Rows rows;
        for (const ProgramRecord& program : store.programs()) rows.push_back(rowOf(program));
        return rows;
    }};

    StoreBench() {
        store.connectPlays(&plays);
        store.addObserver(view);
    }

    MirroredList::Rows rows() const {
        MirroredList::Rows all;
        for (const ProgramRecord& program : store.programs()) all.push_back(rowOf(program));
        return all;
    }
    // The file holds exactly the list, as the next start would read it.
    bool fileMatches() {
        std::vector<ProgramRecord> read;
        if (!loadPrograms({folder, file, nullptr, nullptr}, read).ok()) return false;
        return fs.files.at(file) == programsFileBytes(store.programs()) && read.size() == store.programs().size();
    }
};

ProgramRecord named(std::u16string_view name, int hour = 8) {
    return sampleProgram(name, hour);
}

}  // namespace

// An operator's morning at the program list: every change shows on the view row for row, is in
// the file at once, and stops exactly the plays it makes wrong.
TEST(ProgramStore, EveryChangeShowsSavesAndStopsWhatItMustWhoeverAsks) {
    StoreBench bench;
    bench.fs.addFile(bench.file, programsFileBytes({named(u"早操", 7), named(u"上课铃", 8)}));
    ASSERT_TRUE(bench.store.load(&bench.prompt).ok());
    EXPECT_EQ(bench.view.rows, bench.rows());

    bench.store.add(named(u"午休", 12), bench.prompt);
    EXPECT_TRUE(bench.fileMatches());

    // Changing the bell while it sounds stops it first, as the operator agreed in the editor.
    bench.plays.playing = {u"上课铃"};
    ProgramRecord louder = named(u"上课铃", 8);
    louder.volume = 90;
    bench.store.modify(1, louder, bench.prompt);
    EXPECT_EQ(bench.plays.stops, (std::vector<std::u16string>{std::u16string(u"上课铃 ") + std::u16string(userStopReason)}));

    // Disabling a sounding program lets it finish, and says so.
    bench.plays.playing = {u"早操"};
    EXPECT_TRUE(bench.store.disable({0, 1}, bench.prompt).disabledAPlayingProgram);
    EXPECT_EQ(bench.plays.stops.size(), 1u);
    bench.store.enable({1}, bench.prompt);
    EXPECT_EQ(bench.store.moveDown({0}, bench.prompt), (std::vector<int>{1}));
    EXPECT_TRUE(bench.store.moveUp({0}, bench.prompt).empty()) << "the first row cannot move up";
    bench.store.sortByTime(true, bench.prompt);
    EXPECT_EQ(std::u16string(fixedView(bench.store.programs().front().name)), u"午休");

    // Deleting a sounding program stops it as deleted.
    const int morning = bench.store.programs()[1].name[0] == u'早' ? 1 : 2;
    bench.store.remove({morning}, bench.prompt);
    EXPECT_EQ(bench.plays.stops.back(), std::u16string(u"早操 ") + std::u16string(deletedReason));
    EXPECT_EQ(bench.view.rows, bench.rows());
    EXPECT_TRUE(bench.view.wrongReports.empty());
    EXPECT_TRUE(bench.fileMatches());
    EXPECT_TRUE(bench.prompt.messages.empty());

    // A save the system refuses is told, and the list in use keeps the change.
    bench.fs.failNext(MemoryFileSystem::Op::openWrite, bench.temp, 5, 4);
    EXPECT_FALSE(bench.store.add(named(u"放学", 17), bench.prompt).ok);
    EXPECT_EQ(bench.prompt.messages.size(), 1u);
    EXPECT_EQ(bench.store.programs().size(), 3u);
    EXPECT_EQ(bench.view.rows, bench.rows());
}

// Random changes against the view that applies only what the store reports, and the file.
TEST(ProgramStore, ReportedChangesKeepAViewAndTheFileEqualToTheListOverRandomEdits) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        StoreBench bench;
        std::mt19937 random(seed);
        int made = 0;
        const auto pick = [&] {
            std::vector<int> rows;
            for (int row = 0; row < static_cast<int>(bench.store.programs().size()); ++row) {
                if (random() % 3 == 0) rows.push_back(row);
            }
            return rows;
        };
        for (int step = 0; step < 60; ++step) {
            const std::size_t count = bench.store.programs().size();
            const int row = count == 0 ? 0 : static_cast<int>(random() % count);
            switch (random() % 9) {
                case 0:
                case 1:
                    bench.store.add(named(u"节目" + formatNumber(++made), static_cast<int>(random() % 20)), bench.prompt);
                    break;
                case 2:
                    if (count > 0) {
                        ProgramRecord changed = bench.store.programs()[static_cast<std::size_t>(row)];
                        changed.volume = minVolume + static_cast<int>(random() % (maxVolume - minVolume + 1));
                        bench.store.modify(row, changed, bench.prompt);
                    }
                    break;
                case 3: bench.store.remove(pick(), bench.prompt); break;
                case 4: bench.store.disable(pick(), bench.prompt); break;
                case 5: bench.store.enable(pick(), bench.prompt); break;
                case 6: bench.store.moveUp(pick(), bench.prompt); break;
                case 7: bench.store.moveDown(pick(), bench.prompt); break;
                case 8:
                    bench.store.sortByName(compareNoCase, random() % 2 == 0, bench.prompt);
                    break;
            }
            ASSERT_EQ(bench.view.rows, bench.rows()) << "seed " << seed << " step " << step;
            ASSERT_TRUE(bench.view.wrongReports.empty());
            if (bench.fs.hasFile(bench.file)) {
                ASSERT_TRUE(bench.fileMatches()) << "seed " << seed << " step " << step;
            }
        }
    }
}

// A restore replaces the lists in use only once both files are saved, tells both owners' views,
// and has timed play stop the plays the new programs make wrong.
TEST(ProgramStore, ARestoreHandsTheListsToTheirOwnersAndChecksThePlays) {
    StoreBench bench;
    const std::u16string holidayFile = bench.dataDir + u"/节假日t";
    CalendarStore calendar(bench.folder, holidayFile);
    MirroredList holidays([&] {
        MirroredList::Rows rows;
        for (const HolidayRecord& h : calendar.holidays()) rows.emplace_back(fixedView(h.name));
        return rows;
    }, holidayListIndex);
    calendar.addObserver(holidays);
    bench.store.add(named(u"上课铃"), bench.prompt);
    calendar.add(holiday(u"国庆", {2026, 10, 1, 0, 2026, 10, 7, 24}), bench.prompt);

    RestoreSource source;
    source.parts = BackupParts{true, true, false};
    source.programs = {named(u"新铃声", 9)};
    source.holidays = {holiday(u"运动会", {2026, 11, 5, 0, 2026, 11, 6, 24})};
    const RestoreOutcome outcome =
        restoreSchedule(bench.store, calendar, source, &bench.prompt, at(2026, 12, 9, 10, 30, 5));

    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(bench.plays.replacedChecks, 1);
    EXPECT_EQ(bench.view.rows, (MirroredList::Rows{rowOf(source.programs[0])}));
    EXPECT_EQ(holidays.rows, (MirroredList::Rows{u"运动会"}));
    EXPECT_TRUE(bench.fileMatches());
    EXPECT_TRUE(bench.fs.hasFile(bench.dataDir + u"/定时播t 还原前 2026-12-09 10.30.05"));

    // Without timed play (before start-up or after the end) a change still saves.
    bench.store.connectPlays(nullptr);
    bench.store.remove({0}, bench.prompt);
    EXPECT_TRUE(bench.fileMatches());
}
