#pragma once
// The web console's options: whether it serves, on which port, the password's hash and the
// generation of its sessions. Held in file order; stored in "网页t" (88 bytes with the digest).
#include <cstddef>
#include <cstdint>

#include "data/Product.h"
#include "web/PasswordKdf.h"

inline constexpr std::int32_t pbkdf2Sha256Algorithm = 1;
inline constexpr std::int32_t minPasswordIterations = 200'000;
// A damaged count must not make every login take minutes.
inline constexpr std::int32_t maxPasswordIterations = 10'000'000;
inline constexpr std::int32_t defaultWebPort = product::webPort;

struct PasswordHashRecord {
    std::int32_t algorithm;   // pbkdf2Sha256Algorithm
    std::int32_t iterations;  // minPasswordIterations..maxPasswordIterations
    PasswordSalt salt;
    DerivedKey key;
};
static_assert(sizeof(PasswordHashRecord) == 56);
static_assert(offsetof(PasswordHashRecord, iterations) == 4);
static_assert(offsetof(PasswordHashRecord, salt) == 8);
static_assert(offsetof(PasswordHashRecord, key) == 24);

struct WebSettingsRecord {
    std::int32_t on;           // 0 or 1; 1 only with a password
    std::int32_t port;         // 1..65535
    std::int32_t passwordSet;  // 0 or 1
    // Moves with every new password (and when the console is switched off): sessions of an
    // older generation are over.
    std::uint32_t sessionGeneration;
    PasswordHashRecord password;
};
static_assert(sizeof(WebSettingsRecord) == 72);
static_assert(offsetof(WebSettingsRecord, port) == 4);
static_assert(offsetof(WebSettingsRecord, passwordSet) == 8);
static_assert(offsetof(WebSettingsRecord, sessionGeneration) == 12);
static_assert(offsetof(WebSettingsRecord, password) == 16);

// Off, port 8765, no password.
WebSettingsRecord defaultWebSettings();
