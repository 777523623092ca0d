// Feeds each input to loadSettings as the content of the settings file: a content error
// leaves the defaults; a success holds the record as stored, the device name cut to its
// capacity, every field in range.
#include "FuzzedFile.h"
#include "system/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    FuzzedFile file(u"/data/设置t", data, size);
    bool readFailed = false;
    SettingsRecord settings;
    const ReadResult result = loadSettings(file.context(&readFailed), settings);

    if (!result.ok()) {
        file.requireContentError(result, settingsFileTexts().read, readFailed);
        require(sameBytes(settings, defaultSettings()), "a failed load leaves the defaults");
        return 0;
    }
    require(!readFailed, "a sound load leaves the read-failed flag clear");
    SettingsRecord stored = file.storedAt<SettingsRecord>(0);
    stored.outputDevice[outputDeviceCapacity - 1] = u'\0';
    require(sameBytes(settings, stored), "the record as stored, the device name cut to capacity");
    require(isValidTimeOfDay(settings.dailyShutdownTime) && isValidTimeOfDay(settings.weeklyShutdownTime) &&
                isValidTimeOfDay(settings.restartTime),
            "times of day valid");
    require(settings.duckPercent >= 25 && settings.duckPercent <= 100, "duck percent in range");
    require(settings.duckFadeOutLength >= 1 && settings.duckFadeOutLength <= 10, "fade-out length in range");
    require(settings.duckFadeInLength >= 2 && settings.duckFadeInLength <= 16, "fade-in length in range");
    file.requirePayloadSize(sizeof stored);
    return 0;
}
