#pragma once
// The console password's key derivation and random bytes from Windows' own cryptography (CNG).
#include "web/PasswordKdf.h"

class CngPasswordKdf : public PasswordKdf {
public:
    // When CNG refuses, the portable derivation gives the same key, only slower.
    DerivedKey derive(std::string_view passwordUtf8, const PasswordSalt& salt, std::uint32_t iterations) override;
};

class CngRandomBytes : public RandomBytes {
public:
    bool fill(std::span<std::uint8_t> bytes) override;
};
