#include "web/PasswordHash.h"

int passwordLength(std::u16string_view password) {
    int length = 0;
    for (const char16_t unit : password) {
        if (unit < 0xDC00 || unit > 0xDFFF) ++length;
    }
    return length;
}

std::u16string passwordRuleMessage(std::u16string_view password) {
    const int length = passwordLength(password);
    if (length < minPasswordLength) return u"网页控制台密码至少8个字符";
    if (length > maxPasswordLength) return u"网页控制台密码最多128个字符";
    return {};
}

std::optional<PasswordHashRecord> hashPassword(std::string_view passwordUtf8, PasswordKdf& kdf, RandomBytes& random) {
    PasswordHashRecord hash{};
    hash.algorithm = pbkdf2Sha256Algorithm;
    hash.iterations = minPasswordIterations;
    if (!random.fill(hash.salt)) return std::nullopt;
    hash.key = kdf.derive(passwordUtf8, hash.salt, static_cast<std::uint32_t>(hash.iterations));
    return hash;
}

bool passwordMatches(const PasswordHashRecord& hash, std::string_view passwordUtf8, PasswordKdf& kdf) {
    if (hash.algorithm != pbkdf2Sha256Algorithm || hash.iterations < minPasswordIterations ||
        hash.iterations > maxPasswordIterations) {
        return false;
    }
    const DerivedKey derived = kdf.derive(passwordUtf8, hash.salt, static_cast<std::uint32_t>(hash.iterations));
    return sameBytesConstantTime(derived, hash.key);
}

bool sameHash(const PasswordHashRecord& a, const PasswordHashRecord& b) {
    return a.algorithm == b.algorithm && a.iterations == b.iterations && a.salt == b.salt && a.key == b.key;
}

bool sameBytesConstantTime(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    if (a.size() != b.size()) return false;
    std::uint8_t difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<std::uint8_t>(a[i] ^ b[i]);
    return difference == 0;
}
