#include "web/WebSettingsRecord.h"

#include <cstring>

WebSettingsRecord defaultWebSettings() {
    WebSettingsRecord settings;
    std::memset(&settings, 0, sizeof settings);
    settings.port = defaultWebPort;
    settings.password.algorithm = pbkdf2Sha256Algorithm;
    settings.password.iterations = minPasswordIterations;
    return settings;
}
