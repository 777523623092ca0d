#include "e2e/driver/WebConsoleFile.h"

#include <windows.h>

#include <bcrypt.h>

#include <cstdint>

#include "e2e/driver/Md5Digest.h"
#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t recordSize = 72;
constexpr std::int32_t iterations = 200000;

}  // namespace

std::optional<std::string> webConsoleFileBytes(bool on, int port, const std::string& passwordUtf8) {
    std::string record(recordSize, '\0');
    putInt(record, 0, on ? 1 : 0);
    putInt(record, 4, port);
    putInt(record, 8, 1);   // passwordSet
    putInt(record, 12, 1);  // sessionGeneration
    putInt(record, 16, 1);  // PBKDF2-HMAC-SHA256
    putInt(record, 20, iterations);
    UCHAR salt[16];
    UCHAR key[32];
    BCRYPT_ALG_HANDLE hmac = nullptr;
    if (BCryptGenRandom(nullptr, salt, sizeof salt, BCRYPT_USE_SYSTEM_PREFERRED_RNG) < 0) return std::nullopt;
    if (BCryptOpenAlgorithmProvider(&hmac, BCRYPT_SHA256_ALGORITHM, nullptr, BCRYPT_ALG_HANDLE_HMAC_FLAG) < 0) {
        return std::nullopt;
    }
    std::string password = passwordUtf8;
    const NTSTATUS derived =
        BCryptDeriveKeyPBKDF2(hmac, reinterpret_cast<PUCHAR>(password.data()), static_cast<ULONG>(password.size()), salt,
                              sizeof salt, iterations, key, sizeof key, 0);
    BCryptCloseAlgorithmProvider(hmac, 0);
    if (derived < 0) return std::nullopt;
    record.replace(24, sizeof salt, reinterpret_cast<const char*>(salt), sizeof salt);
    record.replace(40, sizeof key, reinterpret_cast<const char*>(key), sizeof key);
    const auto digest = md5Digest(record);
    if (!digest) return std::nullopt;
    return record + *digest;
}
