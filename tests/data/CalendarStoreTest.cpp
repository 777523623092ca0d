#include <gtest/gtest.h>

#include <random>

#include "data/CalendarStore.h"
#include "data/HolidaysFile.h"
#include "data/Text.h"
#include "support/HolidaySamples.h"
#include "support/MemoryDataFolder.h"
#include "support/MirroredList.h"

namespace {

// Built by appending: GCC 12 warns falsely on these concatenations when optimising.
std::u16string holidayRow(const HolidayRecord& h) {
    std::u16string row(fixedView(h.name));
    if (h.disabled) row += u" 禁用";
    return row;
}

std::u16string shiftDayRow(const ShiftDayRecord& s) {
    std::u16string row = formatNumber(s.aMonth);
    row += u'-';
    row += formatNumber(s.aDay);
    if (s.disabled) row += u" 禁用";
    return row;
}

std::u16string holidayName(int number) {
    std::u16string name = u"假";
    name += formatNumber(number);
    return name;
}

struct CalendarBench : MemoryDataFolder {
    std::u16string holidayFile = dataDir + u"/节假日t";
    CalendarStore calendar{folder, holidayFile};
    MirroredList holidays{[this] {
                              MirroredList::Rows rows;
                              for (const HolidayRecord& h : calendar.holidays()) rows.push_back(holidayRow(h));
                              return rows;
                          },
                          holidayListIndex};
    MirroredList shiftDays{[this] {
                               MirroredList::Rows rows;
                               for (const ShiftDayRecord& s : calendar.shiftDays()) rows.push_back(shiftDayRow(s));
                               return rows;
                           },
                           shiftDayListIndex};

    CalendarBench() {
        calendar.addObserver(holidays);
        calendar.addObserver(shiftDays);
    }

    bool fileMatches() {
        std::vector<HolidayRecord> h;
        std::vector<ShiftDayRecord> s;
        if (!loadHolidays({folder, holidayFile, nullptr, nullptr}, h, s).ok()) return false;
        return h.size() == calendar.holidays().size() && s.size() == calendar.shiftDays().size() &&
               fs.files.at(holidayFile).size() ==
                   holidaysPayload(calendar.holidays(), calendar.shiftDays()).size() + 16;
    }
};

}  // namespace

// Both lists under random edits: each view applies only what the store reports for its own
// list and stays equal to it, and the file always holds both.
TEST(CalendarStore, ReportedChangesKeepBothViewsAndTheFileEqualToTheLists) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        CalendarBench bench;
        std::mt19937 random(seed);
        int made = 0;
        const auto pick = [&](std::size_t count) {
            std::vector<int> rows;
            for (int row = 0; row < static_cast<int>(count); ++row) {
                if (random() % 3 == 0) rows.push_back(row);
            }
            return rows;
        };
        for (int step = 0; step < 60; ++step) {
            const std::size_t holidayCount = bench.calendar.holidays().size();
            const std::size_t shiftCount = bench.calendar.shiftDays().size();
            const int day = static_cast<int>(random() % 28) + 1;
            switch (random() % 10) {
                case 0:
                    bench.calendar.add(holiday(holidayName(++made), {2026, 5, day, 0, 2026, 5, day, 24}),
                                       bench.prompt);
                    break;
                case 1: bench.calendar.add(shiftDay(2026, 9, day, 2026, 9, 1), bench.prompt); break;
                case 2:
                    if (holidayCount > 0) {
                        HolidayRecord changed = bench.calendar.holidays()[0];
                        changed.disabled = 1 - changed.disabled;
                        bench.calendar.modify(0, changed, bench.prompt);
                    }
                    break;
                case 3: bench.calendar.removeHolidays(pick(holidayCount), bench.prompt); break;
                case 4: bench.calendar.removeShiftDays(pick(shiftCount), bench.prompt); break;
                case 5: bench.calendar.setHolidaysDisabled(pick(holidayCount), random() % 2 == 0, bench.prompt); break;
                case 6: bench.calendar.setShiftDaysDisabled(pick(shiftCount), random() % 2 == 0, bench.prompt); break;
                case 7: bench.calendar.sortHolidaysByName(bench.prompt); break;
                case 8: bench.calendar.sortHolidaysByStart(bench.prompt); break;
                case 9: bench.calendar.sortShiftDaysByADate(bench.prompt); break;
            }
            MirroredList::Rows holidayRows;
            for (const HolidayRecord& h : bench.calendar.holidays()) holidayRows.push_back(holidayRow(h));
            ASSERT_EQ(bench.holidays.rows, holidayRows) << "seed " << seed << " step " << step;
            MirroredList::Rows shiftRows;
            for (const ShiftDayRecord& s : bench.calendar.shiftDays()) shiftRows.push_back(shiftDayRow(s));
            ASSERT_EQ(bench.shiftDays.rows, shiftRows) << "seed " << seed << " step " << step;
            ASSERT_TRUE(bench.holidays.wrongReports.empty() && bench.shiftDays.wrongReports.empty());
            if (bench.fs.hasFile(bench.holidayFile)) {
                ASSERT_TRUE(bench.fileMatches());
            }
        }
    }
}

// The start-up read shows both lists; a disable that changes nothing writes nothing.
TEST(CalendarStore, LoadShowsBothListsAndAnUnchangedDisableWritesNothing) {
    CalendarBench bench;
    bench.fs.addFile(bench.holidayFile, [] {
        std::vector<std::uint8_t> bytes = holidaysPayload({holiday(u"国庆", {2026, 10, 1, 0, 2026, 10, 7, 24}, true)},
                                                          {shiftDay(2026, 9, 27, 2026, 10, 8)});
        return bytes;
    }());
    EXPECT_FALSE(bench.calendar.load(&bench.prompt).ok()) << "no digest: a damaged file";
    EXPECT_TRUE(bench.calendar.holidays().empty());
    bench.fs.files.erase(bench.holidayFile);
    bench.calendar.add(holiday(u"国庆", {2026, 10, 1, 0, 2026, 10, 7, 24}, true), bench.prompt);
    const auto saved = bench.fs.files.at(bench.holidayFile);
    bench.fs.files.erase(bench.holidayFile);
    bench.calendar.setHolidaysDisabled({0}, true, bench.prompt);
    EXPECT_FALSE(bench.fs.hasFile(bench.holidayFile));
    bench.fs.addFile(bench.holidayFile, saved);
    ASSERT_TRUE(bench.calendar.load(&bench.prompt).ok());
    EXPECT_EQ(bench.holidays.rows, (MirroredList::Rows{u"国庆 禁用"}));
    EXPECT_EQ(bench.shiftDays.changes, 2) << "each load shows both lists anew";
}
