#include "e2e/driver/WebSettingsFile.h"

#include <windows.h>

#include <bcrypt.h>

#include "e2e/driver/Md5Digest.h"
#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t recordSize = 72;
constexpr size_t onOffset = 0;
constexpr size_t portOffset = 4;
constexpr size_t passwordSetOffset = 8;
constexpr size_t algorithmOffset = 16;
constexpr size_t iterationsOffset = 20;
constexpr size_t saltOffset = 24;
constexpr size_t keyOffset = 40;
constexpr ULONG iterations = 200000;

// A random salt and the derived key in their places; false when CNG refuses.
bool putPasswordHash(std::string& record, std::string password) {
    UCHAR salt[16];
    UCHAR key[32];
    BCRYPT_ALG_HANDLE hmac = nullptr;
    if (BCryptGenRandom(nullptr, salt, sizeof salt, BCRYPT_USE_SYSTEM_PREFERRED_RNG) < 0) return false;
    if (BCryptOpenAlgorithmProvider(&hmac, BCRYPT_SHA256_ALGORITHM, nullptr, BCRYPT_ALG_HANDLE_HMAC_FLAG) < 0) return false;
    const NTSTATUS derived =
        BCryptDeriveKeyPBKDF2(hmac, reinterpret_cast<PUCHAR>(password.data()), static_cast<ULONG>(password.size()), salt,
                              sizeof salt, iterations, key, sizeof key, 0);
    BCryptCloseAlgorithmProvider(hmac, 0);
    if (derived < 0) return false;
    record.replace(saltOffset, sizeof salt, reinterpret_cast<const char*>(salt), sizeof salt);
    record.replace(keyOffset, sizeof key, reinterpret_cast<const char*>(key), sizeof key);
    return true;
}

}  // namespace

std::optional<std::string> webSettingsFileBytes(const TestWebSettings& settings) {
    std::string record(recordSize, '\0');
    putInt(record, onOffset, settings.on);
    putInt(record, portOffset, settings.port);
    putInt(record, passwordSetOffset, settings.password.empty() ? settings.passwordSet : 1);
    putInt(record, algorithmOffset, 1);  // PBKDF2-SHA256
    putInt(record, iterationsOffset, static_cast<std::int32_t>(iterations));
    if (!settings.password.empty() && !putPasswordHash(record, settings.password)) return std::nullopt;
    const auto digest = md5Digest(record);
    if (!digest) return std::nullopt;
    return record + *digest;
}

std::optional<TestWebSettings> webSettingsIn(const std::string& bytes) {
    if (bytes.size() < recordSize) return std::nullopt;
    const char* record = bytes.data();
    return TestWebSettings{intAt(record, onOffset), intAt(record, portOffset), intAt(record, passwordSetOffset)};
}
