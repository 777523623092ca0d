#pragma once
// SHA-256 (FIPS 180-4), the hash under the console password's PBKDF2-HMAC-SHA256.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

using Sha256Digest = std::array<std::uint8_t, 32>;
inline constexpr std::size_t sha256BlockSize = 64;

struct Sha256State {
    std::uint32_t h[8];
    std::uint64_t byteCount;
    std::uint8_t pending[sha256BlockSize];
};

void sha256Start(Sha256State& state);
void sha256Update(Sha256State& state, std::span<const std::uint8_t> data);
Sha256Digest sha256Finish(Sha256State& state);

Sha256Digest sha256Of(std::span<const std::uint8_t> data);

// HMAC-SHA256 (RFC 2104).
Sha256Digest hmacSha256(std::span<const std::uint8_t> key, std::span<const std::uint8_t> message);

// HMAC with the key's two padded blocks hashed once: each of PBKDF2's many rounds then costs two
// compressions instead of four.
class KeyedHmac {
public:
    explicit KeyedHmac(std::span<const std::uint8_t> key);
    // The MAC of `first` followed by `second`.
    Sha256Digest mac(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second = {}) const;

private:
    Sha256State inner_;
    Sha256State outer_;
};
