#pragma once
// PBKDF2 (RFC 8018) with HMAC-SHA256, written here so that the portable core and lvtxctl need
// no system library for the console password.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "web/PasswordKdf.h"

std::vector<std::uint8_t> pbkdf2HmacSha256(std::span<const std::uint8_t> password, std::span<const std::uint8_t> salt,
                                           std::uint32_t iterations, std::size_t length);

class PortablePasswordKdf : public PasswordKdf {
public:
    DerivedKey derive(std::string_view passwordUtf8, const PasswordSalt& salt, std::uint32_t iterations) override;
};
