#include "e2e/driver/HolidaysFile.h"

#include <cstdint>

#include "e2e/driver/Md5Digest.h"
#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t holidaySize = 164;
constexpr size_t shiftDaySize = 156;
constexpr size_t digestSize = 16;

std::string packHoliday(const TestHoliday& holiday) {
    std::string record(holidaySize, '\0');
    putText(record, 0, holiday.name, 64);
    putInt(record, 128, holiday.disabled ? 1 : 0);
    for (size_t i = 0; i < 8; ++i) putInt(record, 132 + 4 * i, holiday.range[i]);
    return record;
}

std::string packShiftDay(const TestShiftDay& shiftDay) {
    std::string record(shiftDaySize, '\0');
    for (size_t i = 0; i < 3; ++i) {
        putInt(record, 4 * i, shiftDay.a[i]);
        putInt(record, 12 + 4 * i, shiftDay.b[i]);
    }
    putInt(record, 24, shiftDay.disabled ? 1 : 0);
    putText(record, 28, shiftDay.remark, 64);
    return record;
}

TestHoliday unpackHoliday(const char* record) {
    TestHoliday holiday{textAt(record, 0, 64)};
    holiday.disabled = intAt(record, 128) != 0;
    for (size_t i = 0; i < 8; ++i) holiday.range[i] = intAt(record, 132 + 4 * i);
    return holiday;
}

TestShiftDay unpackShiftDay(const char* record) {
    TestShiftDay shiftDay;
    for (size_t i = 0; i < 3; ++i) {
        shiftDay.a[i] = intAt(record, 4 * i);
        shiftDay.b[i] = intAt(record, 12 + 4 * i);
    }
    shiftDay.disabled = intAt(record, 24) != 0;
    shiftDay.remark = textAt(record, 28, 64);
    return shiftDay;
}

std::string countBytes(size_t count) {
    std::string bytes(4, '\0');
    putInt(bytes, 0, static_cast<std::int32_t>(count));
    return bytes;
}

}  // namespace

std::optional<std::string> holidaysFileBytes(const TestCalendar& calendar) {
    std::string payload = countBytes(calendar.holidays.size());
    for (const TestHoliday& holiday : calendar.holidays) payload += packHoliday(holiday);
    payload += countBytes(calendar.shiftDays.size());
    for (const TestShiftDay& shiftDay : calendar.shiftDays) payload += packShiftDay(shiftDay);
    const auto digest = md5Digest(payload);
    if (!digest) return std::nullopt;
    return payload + *digest;
}

std::optional<TestCalendar> readHolidaysFile(const std::string& bytes) {
    if (bytes.size() < 8 + digestSize) return std::nullopt;
    const auto holidays = static_cast<std::uint32_t>(intAt(bytes.data(), 0));
    if (holidays > 128) return std::nullopt;
    const size_t shiftDayCountAt = 4 + holidays * holidaySize;
    if (bytes.size() < shiftDayCountAt + 4 + digestSize) return std::nullopt;
    const auto shiftDays = static_cast<std::uint32_t>(intAt(bytes.data(), shiftDayCountAt));
    const size_t payloadSize = shiftDayCountAt + 4 + shiftDays * shiftDaySize;
    if (shiftDays > 128 || bytes.size() != payloadSize + digestSize) return std::nullopt;
    const std::string payload = bytes.substr(0, payloadSize);
    if (md5Digest(payload) != bytes.substr(payloadSize)) return std::nullopt;
    TestCalendar calendar;
    for (size_t i = 0; i < holidays; ++i) calendar.holidays.push_back(unpackHoliday(bytes.data() + 4 + i * holidaySize));
    for (size_t i = 0; i < shiftDays; ++i) {
        calendar.shiftDays.push_back(unpackShiftDay(bytes.data() + shiftDayCountAt + 4 + i * shiftDaySize));
    }
    return calendar;
}
