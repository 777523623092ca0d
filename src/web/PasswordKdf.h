#pragma once
// What the console password needs of the system: a key derivation and random bytes. The
// program gets both from Windows' CNG; lvtxctl and the tests use the portable PBKDF2 below
// (web/Pbkdf2.h) and their own random source.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

using PasswordSalt = std::array<std::uint8_t, 16>;
using DerivedKey = std::array<std::uint8_t, 32>;

// PBKDF2-HMAC-SHA256 with a 32-byte result.
class PasswordKdf {
public:
    virtual ~PasswordKdf() = default;
    virtual DerivedKey derive(std::string_view passwordUtf8, const PasswordSalt& salt, std::uint32_t iterations) = 0;
};

// Bytes from the system's cryptographic generator; false when it gave none.
class RandomBytes {
public:
    virtual ~RandomBytes() = default;
    virtual bool fill(std::span<std::uint8_t> bytes) = 0;
};
