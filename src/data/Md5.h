#pragma once
// MD5 message digest (RFC 1321): the integrity digest that ends every data file.
#include <array>
#include <cstddef>
#include <cstdint>

using Md5Digest = std::array<std::uint8_t, 16>;

struct Md5State {
    std::uint32_t a, b, c, d;
    std::uint64_t byteCount;
    std::uint8_t pending[64];
};

void md5Start(Md5State& state);
void md5Update(Md5State& state, const void* data, std::size_t size);
Md5Digest md5Finish(Md5State& state);

Md5Digest md5Of(const void* data, std::size_t size);
