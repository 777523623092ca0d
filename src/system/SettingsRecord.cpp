#include "system/SettingsRecord.h"

#include <cstring>

#include "audio/DefaultDevice.h"
#include "data/Text.h"

void settingsReset(SettingsRecord& s) {
    std::memset(&s, 0, sizeof s);
    s.dailyShutdownTime = TimeOfDay{1, 0, 0};
    s.weeklyShutdownDays[5] = 1;
    s.weeklyShutdownDays[6] = 1;
    s.weeklyShutdownTime = TimeOfDay{1, 0, 0};
    s.restartTime = TimeOfDay{1, 0, 0};
    s.duckPercent = 60;
    s.duckFadeOutLength = 5;
    s.duckFadeInLength = 9;
    setFixed(s.outputDevice, defaultDeviceName);
}

SettingsRecord defaultSettings() {
    SettingsRecord settings;
    settingsReset(settings);
    return settings;
}
