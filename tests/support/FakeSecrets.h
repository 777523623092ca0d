#pragma once
// The console password's collaborators in memory: a quick stand-in for the key derivation and a
// random source that gives the same bytes in every run.
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "web/PasswordKdf.h"
#include "web/Sha256.h"

// One SHA-256 instead of 200000 rounds; still depends on every input.
class QuickKdf : public PasswordKdf {
public:
    int derivations = 0;
    DerivedKey derive(std::string_view passwordUtf8, const PasswordSalt& salt, std::uint32_t iterations) override {
        ++derivations;
        std::vector<std::uint8_t> input(passwordUtf8.begin(), passwordUtf8.end());
        input.insert(input.end(), salt.begin(), salt.end());
        for (int shift = 0; shift < 32; shift += 8) input.push_back(static_cast<std::uint8_t>(iterations >> shift));
        return sha256Of(input);
    }
};

// The same bytes in every run; `fail` makes it give nothing.
class SeededRandom : public RandomBytes {
public:
    bool fail = false;
    std::mt19937 engine{7};
    bool fill(std::span<std::uint8_t> bytes) override {
        if (fail) return false;
        for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(engine());
        return true;
    }
};
