#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

namespace {

const std::u16string contentError(const std::u16string& path) {
    return u"读文件失败：\n" + path + u"\n\n文件内容有错误\n\n ";
}

// Loads the given bytes as the programs file and expects the content error.
void expectContentError(const std::vector<std::uint8_t>& bytes, const std::string& why) {
    MemoryDataFolder data;
    data.fs.addFile(data.file, bytes);
    const ReadResult result = data.load();
    EXPECT_EQ(result.failure, ReadFailure::content) << why;
    EXPECT_TRUE(data.programs.empty()) << why;
    ASSERT_EQ(data.prompt.messages.size(), 1u) << why;
    EXPECT_EQ(data.prompt.messages[0].text, contentError(data.file)) << why;
    EXPECT_EQ(data.prompt.messages[0].icon, MessageIcon::error);
    EXPECT_FALSE(data.readFailed) << "a content error is no input/output failure: " << why;
}

std::vector<std::uint8_t> countOnly(std::int32_t count) {
    std::vector<std::uint8_t> payload(4);
    std::memcpy(payload.data(), &count, 4);
    return withDigest(payload);
}

}  // namespace

TEST(ProgramsFile, SaveWritesTheCountRecordsAndDigestByteForByteAndLoadsThemBack) {
    MemoryDataFolder data;
    data.programs = {sampleProgram(u"上课铃"), sampleProgram(u"Exercise", 10), sampleProgram(u"放学", 16)};
    data.programs[1].lastStart = DateTime{2024, 9, 2, 1, 10, 0, 0, 0};
    data.programs[2].isFile = 0;
    data.programs[2].byWeekday = 0;
    data.programs[2].monthDays[30] = 1;
    ASSERT_TRUE(data.save().ok);

    const auto& bytes = data.fs.files.at(data.file);
    EXPECT_EQ(bytes, programsFileBytes(data.programs));
    EXPECT_EQ(bytes.size(), 4 + 3 * 7032 + 16u);
    EXPECT_FALSE(data.fs.hasFile(data.temp));

    const std::vector<ProgramRecord> saved = data.programs;
    ASSERT_TRUE(data.load().ok());
    ASSERT_EQ(data.programs.size(), 3u);
    for (std::size_t i = 0; i < saved.size(); ++i) {
        ProgramRecord expected = saved[i];
        expected.lastStart = resetStamp();  // every load forgets the last trigger
        EXPECT_EQ(std::memcmp(&expected, &data.programs[i], sizeof expected), 0) << i;
    }
    EXPECT_TRUE(data.prompt.messages.empty());
}

TEST(ProgramsFile, CountZeroIsAnEmptyListWhoseDigestCoversTheCountAlone) {
    MemoryDataFolder data;
    ASSERT_TRUE(data.save().ok);
    EXPECT_EQ(data.fs.files.at(data.file), countOnly(0));
    data.programs.push_back(sampleProgram(u"x"));
    EXPECT_TRUE(data.load().ok());
    EXPECT_TRUE(data.programs.empty());
}

TEST(ProgramsFile, CountsAbove256OrNegativeAreContentErrors) {
    expectContentError(countOnly(257), "257");
    expectContentError(countOnly(-1), "-1");
    // 256 programs are allowed.
    MemoryDataFolder data;
    data.programs.assign(256, sampleProgram(u"p"));
    data.fs.addFile(data.file, programsFileBytes(data.programs));
    EXPECT_TRUE(data.load().ok());
    EXPECT_EQ(data.programs.size(), 256u);
}

TEST(ProgramsFile, EveryLoadCheckRejectsTheWholeFile) {
    const std::vector<std::pair<std::string, std::function<void(ProgramRecord&)>>> breaks = {
        {"volume 24", [](ProgramRecord& p) { p.volume = 24; }},
        {"volume 101", [](ProgramRecord& p) { p.volume = 101; }},
        {"no start time", [](ProgramRecord& p) { p.startTimeCount = 0; }},
        {"513 start times", [](ProgramRecord& p) { p.startTimeCount = 513; }},
        {"hour 24", [](ProgramRecord& p) { p.startTimes[1].hour = 24; }},
        {"minute 60", [](ProgramRecord& p) { p.startTimes[0].minute = 60; }},
        {"second 60", [](ProgramRecord& p) { p.startTimes[1].second = 60; }},
        {"negative second", [](ProgramRecord& p) { p.startTimes[0].second = -1; }},
        {"no songs", [](ProgramRecord& p) { p.songCount = 0; }},
        {"no seconds", [](ProgramRecord& p) { p.countMode = 0, p.seconds = 0; }},
        {"no weekday", [](ProgramRecord& p) { std::memset(p.weekdays, 0, sizeof p.weekdays); }},
        {"no month day", [](ProgramRecord& p) { p.byWeekday = 0; }},
        {"end before start", [](ProgramRecord& p) { p.dateRange = {2024, 9, 2, 0, 2024, 9, 1, 24}; }},
        {"same day, same hour", [](ProgramRecord& p) { p.dateRange = {2024, 9, 1, 8, 2024, 9, 1, 8}; }},
        {"29 February 1900", [](ProgramRecord& p) { p.dateRange = {1900, 2, 29, 0, 2024, 1, 1, 0}; }},
        {"hour 25", [](ProgramRecord& p) { p.dateRange.endHour = 25; }},
    };
    for (const auto& [why, breakIt] : breaks) {
        std::vector<ProgramRecord> programs{sampleProgram(u"good"), sampleProgram(u"bad")};
        breakIt(programs[1]);
        expectContentError(programsFileBytes(programs), why);
    }
}

TEST(ProgramsFile, UnusedFieldsAndUnusedStartTimesAreNotExamined) {
    std::vector<ProgramRecord> programs{sampleProgram(u"p")};
    programs[0].startTimes[2].hour = 99;  // beyond startTimeCount
    programs[0].countMode = 1;
    programs[0].seconds = 0;  // only the mode's own amount counts
    programs[0].isFile = 7;
    programs[0].delayable = -3;
    programs[0].dateRange = {2024, 9, 1, 8, 2024, 9, 1, 9};
    MemoryDataFolder data;
    data.fs.addFile(data.file, programsFileBytes(programs));
    EXPECT_TRUE(data.load().ok());
}

TEST(ProgramsFile, NameAndPathAreCutToTheirCapacityOnLoad) {
    std::vector<ProgramRecord> programs{sampleProgram(u"p")};
    for (auto& unit : programs[0].name) unit = u'名';
    for (auto& unit : programs[0].path) unit = u'p';
    MemoryDataFolder data;
    data.fs.addFile(data.file, programsFileBytes(programs));
    ASSERT_TRUE(data.load().ok());
    EXPECT_EQ(fixedView(data.programs[0].name), std::u16string(63, u'名'));
    EXPECT_EQ(fixedView(data.programs[0].path).size(), 259u);
}

TEST(ProgramsFile, TruncationAnywhereIsAContentError) {
    const auto bytes = programsFileBytes({sampleProgram(u"a"), sampleProgram(u"b")});
    for (std::size_t length = 0; length < bytes.size(); length += (length < 64 || bytes.size() - length < 64) ? 1 : 97) {
        expectContentError({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)},
                           "cut at " + std::to_string(length));
    }
}

TEST(ProgramsFile, OneChangedByteAnywhereIsAContentError) {
    const auto bytes = programsFileBytes({sampleProgram(u"a")});
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        auto changed = bytes;
        changed[at] ^= 0x01;
        MemoryDataFolder data;
        data.fs.addFile(data.file, changed);
        ASSERT_EQ(data.load().failure, ReadFailure::content) << "byte " << at;
        ASSERT_TRUE(data.programs.empty());
    }
}

TEST(ProgramsFile, BytesAfterTheDigestAreNeverRead) {
    auto bytes = programsFileBytes({sampleProgram(u"a")});
    bytes.push_back(0xEE);
    MemoryDataFolder data;
    data.fs.addFile(data.file, bytes);
    EXPECT_TRUE(data.load().ok());
    EXPECT_EQ(data.programs.size(), 1u);
}
