#pragma once
// The holiday file "节假日t" written and read from its byte layout alone: the holiday count,
// holidays of 164 bytes, the shift-day count, shift days of 156 bytes, then the MD5 digest
// of everything before it.
#include <array>
#include <optional>
#include <string>
#include <vector>

struct TestHoliday {
    std::wstring name;
    std::array<int, 8> range{};  // start year, month, day, hour, then the end's
    bool disabled = false;
    bool operator==(const TestHoliday&) const = default;
};

struct TestShiftDay {
    std::array<int, 3> a{};  // year, month, day
    std::array<int, 3> b{};
    std::wstring remark;
    bool disabled = false;
    bool operator==(const TestShiftDay&) const = default;
};

struct TestCalendar {
    std::vector<TestHoliday> holidays;
    std::vector<TestShiftDay> shiftDays;
    bool operator==(const TestCalendar&) const = default;
};

// The whole file; none when the system's MD5 is unavailable.
std::optional<std::string> holidaysFileBytes(const TestCalendar& calendar);
// Both lists; none unless the bytes have the file's shape and end in the right digest.
std::optional<TestCalendar> readHolidaysFile(const std::string& bytes);
