#include "web/Pbkdf2.h"

#include <algorithm>
#include <cstring>

#include "web/Sha256.h"

namespace {

// HMAC with the key's two padded blocks hashed once: each of the many rounds then costs two
// compressions instead of four.
class KeyedHmac {
public:
    explicit KeyedHmac(std::span<const std::uint8_t> key) {
        std::uint8_t block[sha256BlockSize] = {};
        if (key.size() > sha256BlockSize) {
            const Sha256Digest shortened = sha256Of(key);
            std::memcpy(block, shortened.data(), shortened.size());
        } else if (!key.empty()) {
            std::memcpy(block, key.data(), key.size());
        }
        std::uint8_t pad[sha256BlockSize];
        for (std::size_t i = 0; i < sha256BlockSize; ++i) pad[i] = block[i] ^ 0x36;
        sha256Start(inner_);
        sha256Update(inner_, pad);
        for (std::size_t i = 0; i < sha256BlockSize; ++i) pad[i] = block[i] ^ 0x5c;
        sha256Start(outer_);
        sha256Update(outer_, pad);
    }

    Sha256Digest mac(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second = {}) const {
        Sha256State inner = inner_;
        sha256Update(inner, first);
        sha256Update(inner, second);
        const Sha256Digest innerDigest = sha256Finish(inner);
        Sha256State outer = outer_;
        sha256Update(outer, innerDigest);
        return sha256Finish(outer);
    }

private:
    Sha256State inner_;
    Sha256State outer_;
};

}  // namespace

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
