// Feeds each input to loadWebSettings as the content of "网页t": a content error leaves the
// defaults; a success holds the record as stored with the port in range, a hash the login
// accepts, and the console on only with a password.
#include "FuzzedFile.h"
#include "web/WebSettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    FuzzedFile file(u"/data/网页t", data, size);
    bool readFailed = false;
    WebSettingsRecord settings;
    const ReadResult result = loadWebSettings(file.context(&readFailed), settings);

    if (!result.ok()) {
        file.requireContentError(result, referenceTexts().read, readFailed);
        require(sameBytes(settings, defaultWebSettings()), "a failed load leaves the defaults");
        return 0;
    }
    require(!readFailed, "a sound load leaves the read-failed flag clear");
    require(sameBytes(settings, file.storedAt<WebSettingsRecord>(0)), "the record as stored");
    require(settings.port >= 1 && settings.port <= 65535, "port in range");
    require(settings.password.algorithm == pbkdf2Sha256Algorithm, "PBKDF2-HMAC-SHA256");
    require(settings.password.iterations >= minPasswordIterations && settings.password.iterations <= maxPasswordIterations,
            "rounds in range");
    require(settings.on == 0 || (settings.on == 1 && settings.passwordSet == 1), "on only with a password");
    require(settings.passwordSet == 0 || settings.passwordSet == 1, "password flag 0 or 1");
    file.requirePayloadSize(sizeof settings);
    return 0;
}
