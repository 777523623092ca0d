#include "web/WebSettingsFile.h"

#include <cstring>

bool acceptLoadedWebSettings(const WebSettingsRecord& s) {
    const bool flags = (s.on == 0 || s.on == 1) && (s.passwordSet == 0 || s.passwordSet == 1);
    const bool hash = s.password.algorithm == pbkdf2Sha256Algorithm && s.password.iterations >= minPasswordIterations &&
                      s.password.iterations <= maxPasswordIterations;
    return flags && hash && s.port >= 1 && s.port <= 65535 && (s.on == 0 || s.passwordSet == 1);
}

ReadResult loadWebSettings(const DataFileContext& context, WebSettingsRecord& settings) {
    settings = defaultWebSettings();
    WebSettingsRecord loaded;
    bool parsed = false;
    const auto parse = [&](PayloadReader& reader) {
        parsed = reader.read(loaded) && acceptLoadedWebSettings(loaded);
        return parsed;
    };
    ReadResult result = readDataFile(context, referenceTexts(), parse);
    // An absent file is a success that leaves the defaults.
    if (result.ok() && parsed) settings = loaded;
    return result;
}

std::vector<std::uint8_t> webSettingsPayload(const WebSettingsRecord& settings) {
    std::vector<std::uint8_t> payload(sizeof settings);
    std::memcpy(payload.data(), &settings, sizeof settings);
    return payload;
}

SaveResult saveWebSettings(const DataFileContext& context, const WebSettingsRecord& settings) {
    return saveDataFile(context, referenceTexts(), webSettingsPayload(settings));
}
