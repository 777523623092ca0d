#pragma once
// The settings file "设置t" from its byte layout alone, independently of the program's own
// reader and writer: the record of 628 bytes, then its MD5.
#include <array>
#include <optional>
#include <string>

struct TestTime {
    int hour;
    int minute;
    int second;
    bool operator==(const TestTime&) const = default;
};

// Every field of the record, at the program's defaults unless a test sets it.
struct TestSettings {
    int dailyShutdownOn = 0;
    TestTime dailyShutdownTime{1, 0, 0};
    int weeklyShutdownOn = 0;
    std::array<int, 7> weeklyShutdownDays{0, 0, 0, 0, 0, 1, 1};  // Monday first
    TestTime weeklyShutdownTime{1, 0, 0};
    int restartOn = 0;
    std::array<int, 7> restartDays{};
    TestTime restartTime{1, 0, 0};
    int duckPercent = 60;
    int duckFadeOutLength = 5;
    int duckFadeInLength = 9;
    std::wstring outputDevice = L"Default DirectSound Device";
    bool operator==(const TestSettings&) const = default;
};

// None when the system's MD5 is unavailable.
std::optional<std::string> settingsFileBytes(const TestSettings& settings);

// The record a settings file holds; none when the file is too short for it.
std::optional<TestSettings> settingsIn(const std::string& bytes);
