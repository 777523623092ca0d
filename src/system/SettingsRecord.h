#pragma once
// The machine-wide options: power rules, ducking of timed play under immediate play, and the
// output device. Held in file order; stored in "设置t" (644 bytes with the digest).
#include <cstddef>
#include <cstdint>

#include "data/DateTime.h"

inline constexpr int outputDeviceCapacity = 256;

struct SettingsRecord {
    std::int32_t dailyShutdownOn;
    TimeOfDay dailyShutdownTime;
    std::int32_t weeklyShutdownOn;
    std::int32_t weeklyShutdownDays[7];  // index 0 = Monday
    TimeOfDay weeklyShutdownTime;
    std::int32_t restartOn;
    std::int32_t restartDays[7];
    TimeOfDay restartTime;
    std::int32_t duckPercent;        // 25..100
    std::int32_t duckFadeOutLength;  // 1..10 seconds for a full swing down
    std::int32_t duckFadeInLength;   // 2..16 seconds for a full swing up
    char16_t outputDevice[outputDeviceCapacity];
};
static_assert(sizeof(SettingsRecord) == 628);
static_assert(offsetof(SettingsRecord, dailyShutdownTime) == 4);
static_assert(offsetof(SettingsRecord, weeklyShutdownOn) == 16);
static_assert(offsetof(SettingsRecord, weeklyShutdownDays) == 20);
static_assert(offsetof(SettingsRecord, weeklyShutdownTime) == 48);
static_assert(offsetof(SettingsRecord, restartOn) == 60);
static_assert(offsetof(SettingsRecord, restartDays) == 64);
static_assert(offsetof(SettingsRecord, restartTime) == 92);
static_assert(offsetof(SettingsRecord, duckPercent) == 104);
static_assert(offsetof(SettingsRecord, duckFadeOutLength) == 108);
static_assert(offsetof(SettingsRecord, duckFadeInLength) == 112);
static_assert(offsetof(SettingsRecord, outputDevice) == 116);

// Every default; the logon-start options and the power rules' last-fired stamps live elsewhere.
void settingsReset(SettingsRecord& settings);
SettingsRecord defaultSettings();
