#pragma once
// The console password: its length rule, its salted hash and the check of a login against it.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "web/PasswordKdf.h"
#include "web/WebSettingsRecord.h"

inline constexpr int minPasswordLength = 8;
inline constexpr int maxPasswordLength = 128;

// Characters, not UTF-16 units: a pair of surrogates counts once.
int passwordLength(std::u16string_view password);
// Why the password cannot be the console's, or empty.
std::u16string passwordRuleMessage(std::u16string_view password);

// A fresh salt and the derived key at minPasswordIterations; none when no random bytes came.
std::optional<PasswordHashRecord> hashPassword(std::string_view passwordUtf8, PasswordKdf& kdf, RandomBytes& random);

// Derives with the stored salt and count and compares every byte whatever the first difference.
bool passwordMatches(const PasswordHashRecord& hash, std::string_view passwordUtf8, PasswordKdf& kdf);

// A password already checked against a stored hash, elsewhere.
struct PasswordVerdict {
    PasswordHashRecord against;
    bool matches = false;
};
// Every field and byte alike.
bool sameHash(const PasswordHashRecord& a, const PasswordHashRecord& b);

// Equal sizes and bytes, the time spent depending on the size alone.
bool sameBytesConstantTime(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);
