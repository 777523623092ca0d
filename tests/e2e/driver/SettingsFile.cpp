#include "e2e/driver/SettingsFile.h"

#include "e2e/driver/Md5Digest.h"
#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t recordSize = 628;
constexpr size_t outputDeviceOffset = 116;
constexpr size_t outputDeviceUnits = 256;

void putTime(std::string& record, size_t offset, const TestTime& time) {
    putInt(record, offset, time.hour);
    putInt(record, offset + 4, time.minute);
    putInt(record, offset + 8, time.second);
}

TestTime timeAt(const char* record, size_t offset) {
    return {intAt(record, offset), intAt(record, offset + 4), intAt(record, offset + 8)};
}

void putDays(std::string& record, size_t offset, const std::array<int, 7>& days) {
    for (size_t i = 0; i < days.size(); ++i) putInt(record, offset + 4 * i, days[i]);
}

std::array<int, 7> daysAt(const char* record, size_t offset) {
    std::array<int, 7> days{};
    for (size_t i = 0; i < days.size(); ++i) days[i] = intAt(record, offset + 4 * i);
    return days;
}

}  // namespace

std::optional<std::string> settingsFileBytes(const TestSettings& settings) {
    std::string record(recordSize, '\0');
    putInt(record, 0, settings.dailyShutdownOn);
    putTime(record, 4, settings.dailyShutdownTime);
    putInt(record, 16, settings.weeklyShutdownOn);
    putDays(record, 20, settings.weeklyShutdownDays);
    putTime(record, 48, settings.weeklyShutdownTime);
    putInt(record, 60, settings.restartOn);
    putDays(record, 64, settings.restartDays);
    putTime(record, 92, settings.restartTime);
    putInt(record, 104, settings.duckPercent);
    putInt(record, 108, settings.duckFadeOutLength);
    putInt(record, 112, settings.duckFadeInLength);
    putText(record, outputDeviceOffset, settings.outputDevice, outputDeviceUnits);
    const auto digest = md5Digest(record);
    if (!digest) return std::nullopt;
    return record + *digest;
}

std::optional<TestSettings> settingsIn(const std::string& bytes) {
    if (bytes.size() < recordSize) return std::nullopt;
    const char* record = bytes.data();
    TestSettings settings;
    settings.dailyShutdownOn = intAt(record, 0);
    settings.dailyShutdownTime = timeAt(record, 4);
    settings.weeklyShutdownOn = intAt(record, 16);
    settings.weeklyShutdownDays = daysAt(record, 20);
    settings.weeklyShutdownTime = timeAt(record, 48);
    settings.restartOn = intAt(record, 60);
    settings.restartDays = daysAt(record, 64);
    settings.restartTime = timeAt(record, 92);
    settings.duckPercent = intAt(record, 104);
    settings.duckFadeOutLength = intAt(record, 108);
    settings.duckFadeInLength = intAt(record, 112);
    settings.outputDevice = textAt(record, outputDeviceOffset, outputDeviceUnits);
    return settings;
}
