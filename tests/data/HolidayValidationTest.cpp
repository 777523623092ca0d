#include <gtest/gtest.h>

#include "data/HolidayValidation.h"
#include "support/HolidaySamples.h"

namespace {

HolidayInput input(std::u16string name, std::u16string startHour = u"0", std::u16string endHour = u"24") {
    return HolidayInput{std::move(name), 2024, 5, 1, std::move(startHour), 2024, 5, 5, std::move(endHour), false};
}

HolidayFailure failureOf(const std::variant<HolidayRecord, HolidayFailure>& result) {
    EXPECT_TRUE(std::holds_alternative<HolidayFailure>(result));
    return std::holds_alternative<HolidayFailure>(result) ? std::get<HolidayFailure>(result) : HolidayFailure{};
}

}  // namespace

TEST(ValidateInteger, OnlyTheExactDecimalFormWithinBounds) {
    EXPECT_EQ(validateInteger(u" 24\u3000"), 24);
    EXPECT_EQ(validateInteger(u"0", 0, 24), 0);
    EXPECT_EQ(validateInteger(u"-5"), -5);
    EXPECT_FALSE(validateInteger(u"08"));
    EXPECT_FALSE(validateInteger(u"+8"));
    EXPECT_FALSE(validateInteger(u"-0"));
    EXPECT_FALSE(validateInteger(u"1 2"));
    EXPECT_FALSE(validateInteger(u""));
    EXPECT_FALSE(validateInteger(u"-"));
    EXPECT_FALSE(validateInteger(u"１２"));  // full-width digits
    EXPECT_FALSE(validateInteger(u"25", 0, 24));
    EXPECT_FALSE(validateInteger(u"-1", 0, 24));
    EXPECT_EQ(validateInteger(u"2147483647"), 2147483647);
    EXPECT_FALSE(validateInteger(u"2147483648"));
    EXPECT_FALSE(validateInteger(u"99999999999"));
}

TEST(HolidayValidation, ChecksInOrderWithTheirMessagesAndFields) {
    const std::vector<HolidayRecord> holidays{holiday(u"Labour Day", {2024, 5, 1, 0, 2024, 5, 5, 24})};
    HolidayFailure f = failureOf(checkHoliday(holidays, -1, input(u" \u3000")));
    EXPECT_EQ(f.text, u"请输入节假日名称");
    EXPECT_EQ(f.icon, MessageIcon::information);
    EXPECT_EQ(f.field, holidayNameField);

    f = failureOf(checkHoliday(holidays, -1, input(u" labour day ", u"x")));
    EXPECT_EQ(f.text, u"该节假日已存在");
    EXPECT_EQ(f.icon, MessageIcon::warning);

    f = failureOf(checkHoliday(holidays, -1, input(u"新", u"25", u"x")));
    EXPECT_EQ(f.text, u"开始时间，输入无效");
    EXPECT_EQ(f.field, holidayStartHourField);
    f = failureOf(checkHoliday(holidays, -1, input(u"新", u"0", u"024")));
    EXPECT_EQ(f.text, u"结束时间，输入无效");
    EXPECT_EQ(f.field, holidayEndHourField);

    HolidayInput backwards = input(u"新");
    backwards.endDay = 1;
    backwards.endMonth = 4;
    EXPECT_EQ(failureOf(checkHoliday(holidays, -1, backwards)).text, u"要求： 结束日期  ≥  开始日期");
    HolidayInput sameDay = input(u"新", u"12", u"12");
    sameDay.endDay = 1;
    EXPECT_EQ(failureOf(checkHoliday(holidays, -1, sameDay)).text, u"要求： 结束时间  >  开始时间");
}

TEST(HolidayValidation, ModifyingMayKeepItsOwnNameAndTheRecordIsBuiltTrimmed) {
    const std::vector<HolidayRecord> holidays{holiday(u"Labour Day", {2024, 5, 1, 0, 2024, 5, 5, 24}),
                                              holiday(u"国庆", {2024, 10, 1, 0, 2024, 10, 7, 24})};
    const auto kept = checkHoliday(holidays, 0, input(u"LABOUR DAY", u"24", u"0"));
    ASSERT_TRUE(std::holds_alternative<HolidayRecord>(kept));
    EXPECT_EQ(failureOf(checkHoliday(holidays, 1, input(u"labour day"))).text, u"该节假日已存在");

    HolidayInput minute = input(u"  一分钟\t", u"24", u"0");
    minute.endDay = 2;
    minute.endMonth = 5;
    minute.disabled = true;
    const auto built = checkHoliday(holidays, -1, minute);
    ASSERT_TRUE(std::holds_alternative<HolidayRecord>(built));
    const HolidayRecord& record = std::get<HolidayRecord>(built);
    EXPECT_EQ(fixedView(record.name), u"一分钟");
    EXPECT_EQ(record.disabled, 1);
    EXPECT_EQ(record.range.startHour, 24);
    EXPECT_EQ(record.range.endDay, 2);
    EXPECT_EQ(record.name[63], u'\0');
}

TEST(ShiftDayValidation, DateAMustBeNewAndDifferFromDateB) {
    const std::vector<ShiftDayRecord> shifts{shiftDay(2024, 10, 12, 2024, 10, 8, true)};
    auto result = checkShiftDay(shifts, -1, {2024, 10, 12, 2024, 10, 9, u"", false});
    ASSERT_TRUE(std::holds_alternative<ShiftDayFailure>(result));
    EXPECT_EQ(std::get<ShiftDayFailure>(result).text, u"该a日期已存在，不可重复");
    EXPECT_TRUE(std::holds_alternative<ShiftDayRecord>(checkShiftDay(shifts, 0, {2024, 10, 12, 2024, 10, 9, u"", false})));
    result = checkShiftDay(shifts, -1, {2024, 9, 29, 2024, 9, 29, u"", false});
    ASSERT_TRUE(std::holds_alternative<ShiftDayFailure>(result));
    EXPECT_EQ(std::get<ShiftDayFailure>(result).text, u"要求： a日期  ≠  b日期");

    const std::u16string remark = u" " + std::u16string(70, u'注') + u" ";
    result = checkShiftDay(shifts, -1, {2024, 9, 29, 2024, 10, 7, remark, false});
    ASSERT_TRUE(std::holds_alternative<ShiftDayRecord>(result));
    EXPECT_EQ(fixedView(std::get<ShiftDayRecord>(result).remark), std::u16string(63, u'注'));
}

TEST(CalendarValidation, DatesOutsideTheYearsTheFileKeepsAreRefusedAtTheirPicker) {
    // The file's reader would refuse such a date, and the whole file with it, at the next start.
    const std::vector<HolidayRecord> holidays;
    HolidayInput early = input(u"旧历");
    early.startYear = 1852;
    early.startMonth = 12;
    early.startDay = 31;
    HolidayFailure f = failureOf(checkHoliday(holidays, -1, early));
    EXPECT_EQ(f.text, u"开始日期无效，年份须在 1853 至 9999 之间");
    EXPECT_EQ(f.icon, MessageIcon::warning);
    EXPECT_EQ(f.field, holidayStartDateField);
    early.startYear = 1853;
    early.startMonth = 1;
    early.startDay = 1;
    EXPECT_TRUE(std::holds_alternative<HolidayRecord>(checkHoliday(holidays, -1, early)));
    HolidayInput late = input(u"远期");
    late.endYear = 10000;
    f = failureOf(checkHoliday(holidays, -1, late));
    EXPECT_EQ(f.text, u"结束日期无效，年份须在 1853 至 9999 之间");
    EXPECT_EQ(f.field, holidayEndDateField);
    // The hours are checked first, as before.
    late.startHour = u"x";
    EXPECT_EQ(failureOf(checkHoliday(holidays, -1, late)).field, holidayStartHourField);

    const std::vector<ShiftDayRecord> shifts;
    auto result = checkShiftDay(shifts, -1, {1800, 5, 11, 2024, 5, 6, u"", false});
    ASSERT_TRUE(std::holds_alternative<ShiftDayFailure>(result));
    EXPECT_EQ(std::get<ShiftDayFailure>(result).text, u"a日期无效，年份须在 1853 至 9999 之间");
    EXPECT_EQ(std::get<ShiftDayFailure>(result).field, shiftDayADateField);
    result = checkShiftDay(shifts, -1, {2024, 5, 11, 1601, 1, 1, u"", false});
    ASSERT_TRUE(std::holds_alternative<ShiftDayFailure>(result));
    EXPECT_EQ(std::get<ShiftDayFailure>(result).text, u"b日期无效，年份须在 1853 至 9999 之间");
    EXPECT_EQ(std::get<ShiftDayFailure>(result).field, shiftDayBDateField);
    EXPECT_TRUE(std::holds_alternative<ShiftDayRecord>(checkShiftDay(shifts, -1, {9999, 12, 31, 1853, 1, 1, u"", false})));
}

TEST(HolidayCapacity, TheFullListRefusesWith128) {
    EXPECT_EQ(holidayCapacityMessage(127), u"");
    EXPECT_EQ(holidayCapacityMessage(128), u"最多 128 个节假日\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ");
    EXPECT_EQ(shiftDayCapacityMessage(128),
              u"最多 128 个调休\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ");
}
