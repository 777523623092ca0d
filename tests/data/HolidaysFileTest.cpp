#include <gtest/gtest.h>

#include <cstring>

#include "data/HolidaysFile.h"
#include "support/HolidaySamples.h"
#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

namespace {

struct HolidayFolder : MemoryDataFolder {
    std::u16string holidayFile = dataDir + u"/节假日t";
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;

    ReadResult loadIt() { return loadHolidays(contextOf(holidayFile, &prompt), holidays, shiftDays); }
    SaveResult saveIt() { return saveHolidays(contextOf(holidayFile, &prompt), holidays, shiftDays); }
};

std::vector<std::uint8_t> holidayBytes(const std::vector<HolidayRecord>& holidays,
                                       const std::vector<ShiftDayRecord>& shiftDays) {
    return withDigest(holidaysPayload(holidays, shiftDays));
}

void expectContentError(const std::vector<std::uint8_t>& bytes, const char* why) {
    HolidayFolder data;
    data.holidays = {holiday(u"stale", {2024, 1, 1, 0, 2024, 1, 2, 0})};
    data.fs.addFile(data.holidayFile, bytes);
    const ReadResult result = data.loadIt();
    EXPECT_EQ(result.failure, ReadFailure::content) << why;
    EXPECT_TRUE(data.holidays.empty()) << why;
    EXPECT_TRUE(data.shiftDays.empty()) << why;
    ASSERT_EQ(data.prompt.messages.size(), 1u) << why;
    EXPECT_EQ(data.prompt.messages[0].text, u"读文件失败：\n" + data.holidayFile + u"\n\n文件内容有错误\n\n ") << why;
}

}  // namespace

TEST(HolidaysFile, EmptyListsAre24BytesAndRoundTrip) {
    HolidayFolder data;
    ASSERT_TRUE(data.saveIt().ok);
    EXPECT_EQ(data.fs.files.at(data.holidayFile).size(), 24u);

    data.holidays = {holiday(u"国庆", {2024, 10, 1, 0, 2024, 10, 7, 24}),
                     holiday(u"Duplicate", {2024, 5, 1, 24, 2024, 5, 2, 0}, true),
                     holiday(u"duplicate", {2024, 6, 1, 8, 2024, 6, 1, 9})};
    data.shiftDays = {shiftDay(2024, 10, 12, 2024, 10, 8), shiftDay(2024, 9, 29, 2024, 9, 29)};  // a = b loads
    setFixed(data.shiftDays[0].remark, u"周六上周二的课");
    ASSERT_TRUE(data.saveIt().ok);
    const auto bytes = data.fs.files.at(data.holidayFile);
    EXPECT_EQ(bytes.size(), 8 + 3 * 164 + 2 * 156 + 16u);
    EXPECT_EQ(bytes, holidayBytes(data.holidays, data.shiftDays));

    const auto holidays = data.holidays;
    const auto shiftDays = data.shiftDays;
    ASSERT_TRUE(data.loadIt().ok());
    ASSERT_EQ(data.holidays.size(), 3u);
    ASSERT_EQ(data.shiftDays.size(), 2u);
    EXPECT_EQ(std::memcmp(data.holidays.data(), holidays.data(), 3 * sizeof(HolidayRecord)), 0);
    EXPECT_EQ(std::memcmp(data.shiftDays.data(), shiftDays.data(), 2 * sizeof(ShiftDayRecord)), 0);
}

TEST(HolidaysFile, CountsAndRecordChecksRejectTheWholeFile) {
    const std::vector<HolidayRecord> good{holiday(u"a", {2024, 5, 1, 0, 2024, 5, 5, 24})};
    const std::vector<ShiftDayRecord> shifts{shiftDay(2024, 10, 12, 2024, 10, 8)};

    std::vector<std::uint8_t> payload = holidaysPayload(good, shifts);
    const std::uint32_t tooMany = 129;
    std::memcpy(payload.data(), &tooMany, 4);
    expectContentError(withDigest(payload), "129 holidays");
    const std::int32_t negative = -1;
    std::memcpy(payload.data(), &negative, 4);
    expectContentError(withDigest(payload), "negative count");
    payload = holidaysPayload(good, shifts);
    std::memcpy(payload.data() + 4 + 164, &tooMany, 4);
    expectContentError(withDigest(payload), "129 shift days");

    expectContentError(holidayBytes({holiday(u"x", {2024, 5, 2, 0, 2024, 5, 1, 24})}, {}), "end before start");
    expectContentError(holidayBytes({holiday(u"x", {2024, 5, 1, 8, 2024, 5, 1, 8})}, {}), "same hour");
    // Holidays read before a bad shift day are discarded too.
    expectContentError(holidayBytes(good, {shiftDay(2023, 2, 29, 2024, 1, 1)}), "shift day 2023-02-29");
    expectContentError(holidayBytes(good, {shiftDay(2024, 1, 1, 2024, 13, 1)}), "date b month 13");

    auto bytes = holidayBytes(good, shifts);
    bytes.pop_back();
    expectContentError(bytes, "short");
    bytes = holidayBytes(good, shifts);
    bytes[50] ^= 4;
    expectContentError(bytes, "changed byte");
}

TEST(HolidaysFile, TextsAreCutToTheirCapacity) {
    HolidayRecord long_ = holiday(u"", {2024, 5, 1, 0, 2024, 5, 5, 24});
    for (auto& unit : long_.name) unit = u'假';
    ShiftDayRecord shift = shiftDay(2024, 10, 12, 2024, 10, 8);
    for (auto& unit : shift.remark) unit = u'r';
    HolidayFolder data;
    data.fs.addFile(data.holidayFile, holidayBytes({long_}, {shift}));
    ASSERT_TRUE(data.loadIt().ok());
    EXPECT_EQ(fixedView(data.holidays[0].name), std::u16string(63, u'假'));
    EXPECT_EQ(fixedView(data.shiftDays[0].remark).size(), 63u);
}

TEST(HolidaysFile, WriteTextsAreWidenedAndTheQuestionIsTheHolidayFilesOwn) {
    HolidayFolder data;
    data.fs.busy.insert(data.holidayFile);
    data.fs.addFile(data.holidayFile, holidayBytes({}, {}));
    EXPECT_EQ(data.saveIt().message,
              u"写文件失败：\n" + data.holidayFile +
                  u"\u3000\u3000\u3000\u3000 \n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n专家在线 - 主界面左侧点 {帮助栏}");
    data.fs.busy.clear();
    data.fs.failNext(MemoryFileSystem::Op::write, data.holidayFile + u"Tmp", 112);
    EXPECT_EQ(data.saveIt().message, u"写文件失败：\n" + data.holidayFile +
                                         u"Tmp\u3000\u3000 \n\nsystem text 112\n\n专家在线 - 主界面左侧点 {帮助栏}\n ");

    data.readFailed = true;
    EXPECT_FALSE(data.saveIt().ok);
    ASSERT_EQ(data.prompt.questions.size(), 1u);
    EXPECT_EQ(data.prompt.questions[0], u"要保存修改吗 ？\n\n" + data.holidayFile +
                                            u"\u3000\u3000\u3000\u3000 \n\n警告 !!\n软件启动时，该文件读取失败，保存会覆盖该文件\n ");
}
