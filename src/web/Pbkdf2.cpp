#include "web/Pbkdf2.h"

#include <algorithm>

#include "web/Sha256.h"

std::vector<std::uint8_t> pbkdf2HmacSha256(std::span<const std::uint8_t> password, std::span<const std::uint8_t> salt,
                                           std::uint32_t iterations, std::size_t length) {
    const KeyedHmac hmac(password);
    std::vector<std::uint8_t> derived;
    derived.reserve(length);
    for (std::uint32_t blockIndex = 1; derived.size() < length; ++blockIndex) {
        const std::uint8_t counter[4] = {static_cast<std::uint8_t>(blockIndex >> 24), static_cast<std::uint8_t>(blockIndex >> 16),
                                         static_cast<std::uint8_t>(blockIndex >> 8), static_cast<std::uint8_t>(blockIndex)};
        Sha256Digest u = hmac.mac(salt, counter);
        Sha256Digest t = u;
        for (std::uint32_t i = 1; i < iterations; ++i) {
            u = hmac.mac(u);
            for (std::size_t j = 0; j < t.size(); ++j) t[j] ^= u[j];
        }
        const std::size_t take = std::min(t.size(), length - derived.size());
        derived.insert(derived.end(), t.begin(), t.begin() + static_cast<std::ptrdiff_t>(take));
    }
    return derived;
}

DerivedKey PortablePasswordKdf::derive(std::string_view passwordUtf8, const PasswordSalt& salt, std::uint32_t iterations) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(passwordUtf8.data());
    const std::vector<std::uint8_t> key =
        pbkdf2HmacSha256(std::span<const std::uint8_t>(bytes, passwordUtf8.size()), salt, iterations, DerivedKey{}.size());
    DerivedKey derived;
    std::copy(key.begin(), key.end(), derived.begin());
    return derived;
}
