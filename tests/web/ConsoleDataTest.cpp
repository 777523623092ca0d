#include <gtest/gtest.h>

#include "data/CalendarStore.h"
#include "scheduler/LogFile.h"
#include "support/HolidaySamples.h"
#include "support/MemoryDataFolder.h"
#include "web/LogTail.h"
#include "web/SilenceToday.h"

// "今天停铃" twice in a day, again the next day, over a disabled copy, and with a full list.
TEST(SilenceToday, OneHolidayFromThisHourToTheEndOfTheDayMovedRatherThanRepeated) {
    MemoryDataFolder data;
    const std::u16string file = data.dataDir + u"/节假日t";
    CalendarStore calendar(data.folder, file);
    ASSERT_TRUE(calendar.add(holiday(u"国庆节", {2026, 10, 1, 0, 2026, 10, 7, 24}), data.prompt).ok);

    EXPECT_EQ(silenceRestOfToday(calendar, at(2026, 3, 9, 14, 25), data.prompt).outcome, WebOutcome::done);
    ASSERT_EQ(calendar.holidays().size(), 2u);
    const HolidayRecord& silence = calendar.holidays()[1];
    EXPECT_EQ(fixedView(silence.name), u"网页停铃");
    EXPECT_EQ(silence.disabled, 0);
    EXPECT_TRUE(holidayInForce(calendar.holidays(), at(2026, 3, 9, 14, 0)));
    EXPECT_TRUE(holidayInForce(calendar.holidays(), at(2026, 3, 9, 23, 59, 59)));
    EXPECT_FALSE(holidayInForce(calendar.holidays(), at(2026, 3, 9, 13, 59, 59)));
    EXPECT_FALSE(holidayInForce(calendar.holidays(), at(2026, 3, 10, 0, 0)));

    // Later the same day it already holds: nothing is written.
    const auto saved = data.fs.files.at(file);
    data.fs.files.erase(file);
    EXPECT_EQ(silenceRestOfToday(calendar, at(2026, 3, 9, 16, 0), data.prompt).outcome, WebOutcome::done);
    EXPECT_FALSE(data.fs.hasFile(file));
    data.fs.addFile(file, saved);

    ASSERT_TRUE(calendar.setHolidaysDisabled({1}, true, data.prompt).ok);
    EXPECT_EQ(silenceRestOfToday(calendar, at(2026, 3, 9, 16, 0), data.prompt).outcome, WebOutcome::done);
    EXPECT_EQ(calendar.holidays()[1].disabled, 0);
    EXPECT_EQ(silenceRestOfToday(calendar, at(2026, 3, 10, 7, 0), data.prompt).outcome, WebOutcome::done);
    ASSERT_EQ(calendar.holidays().size(), 2u);
    EXPECT_EQ(calendar.holidays()[1].range.startDay, 10);
    EXPECT_EQ(calendar.holidays()[1].range.startHour, 7);

    // Read back from the file as the program reads it at start-up.
    CalendarStore reread(data.folder, file);
    ASSERT_TRUE(reread.load(&data.prompt).ok());
    EXPECT_EQ(reread.holidays().size(), 2u);
    EXPECT_TRUE(holidayInForce(reread.holidays(), at(2026, 3, 10, 7, 0)));

    MemoryDataFolder fullData;
    CalendarStore full(fullData.folder, fullData.dataDir + u"/节假日t");
    std::vector<HolidayRecord> many;
    for (int i = 0; i < maxHolidays; ++i) {
        std::u16string name = u"假";
        name += formatNumber(i);
        many.push_back(holiday(name, {2026, 1, 1, 0, 2026, 1, 2, 0}));
    }
    full.restored(many, {});
    const WebActionResult refused = silenceRestOfToday(full, at(2026, 3, 9, 14, 0), fullData.prompt);
    EXPECT_EQ(refused.outcome, WebOutcome::refused);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(full.holidays().size(), static_cast<std::size_t>(maxHolidays));
}

TEST(LogTail, TheLastLinesOfTheLogFileOldestFirst) {
    MemoryDataFolder data;
    const std::u16string log = data.dataDir + u"/日志t.txt";
    EXPECT_TRUE(lastLogLines(data.fs, log, 10).empty()) << "no log yet";
    for (int i = 1; i <= 700; ++i) {
        std::u16string line = u"第";
        line.append(formatNumber(i)).append(u"行 ◆ 上课铃");
        ASSERT_TRUE(appendLogLine(data.folder, log, at(2026, 3, 9, 8, i / 60, i % 60), line).ok);
    }
    const auto three = lastLogLines(data.fs, log, 3);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0], formatLogTime(at(2026, 3, 9, 8, 11, 38)) + u"   第698行 ◆ 上课铃");
    EXPECT_TRUE(three[2].ends_with(u"   第700行 ◆ 上课铃"));
    EXPECT_EQ(lastLogLines(data.fs, log, 10000).size(), 500u);
    EXPECT_EQ(lastLogLines(data.fs, log, 0).size(), 1u);
    const auto all = lastLogLines(data.fs, log, 500);
    EXPECT_TRUE(all.front().ends_with(u"   第201行 ◆ 上课铃"));

    // A line still being written (no line end yet) counts; an odd last byte is dropped.
    auto& bytes = data.fs.files.at(log);
    for (const char16_t unit : std::u16string(u"半行")) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.push_back(0x41);
    EXPECT_EQ(lastLogLines(data.fs, log, 2), (std::vector<std::u16string>{three[2], u"半行"}));

    data.fs.failNext(MemoryFileSystem::Op::read, log, 5);
    EXPECT_TRUE(lastLogLines(data.fs, log, 2).empty());
}
