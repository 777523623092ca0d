#include "web/Sha256.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t roundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr std::uint32_t rotateRight(std::uint32_t x, int n) {
    return (x >> n) | (x << (32 - n));
}

void compress(std::uint32_t h[8], const std::uint8_t* block) {
    std::uint32_t w[64];
    for (int i = 0; i < 16; ++i) {
        w[i] = static_cast<std::uint32_t>(block[4 * i]) << 24 | static_cast<std::uint32_t>(block[4 * i + 1]) << 16 |
               static_cast<std::uint32_t>(block[4 * i + 2]) << 8 | static_cast<std::uint32_t>(block[4 * i + 3]);
    }
    for (int i = 16; i < 64; ++i) {
        const std::uint32_t s0 = rotateRight(w[i - 15], 7) ^ rotateRight(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const std::uint32_t s1 = rotateRight(w[i - 2], 17) ^ rotateRight(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], k = h[7];
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t sum1 = rotateRight(e, 6) ^ rotateRight(e, 11) ^ rotateRight(e, 25);
        const std::uint32_t choose = (e & f) ^ (~e & g);
        const std::uint32_t t1 = k + sum1 + choose + roundConstants[i] + w[i];
        const std::uint32_t sum0 = rotateRight(a, 2) ^ rotateRight(a, 13) ^ rotateRight(a, 22);
        const std::uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        const std::uint32_t t2 = sum0 + majority;
        k = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e, h[5] += f, h[6] += g, h[7] += k;
}

}  // namespace

void sha256Start(Sha256State& state) {
    constexpr std::uint32_t initial[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                          0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::memcpy(state.h, initial, sizeof initial);
    state.byteCount = 0;
}

void sha256Update(Sha256State& state, std::span<const std::uint8_t> data) {
    if (data.empty()) return;
    std::size_t used = static_cast<std::size_t>(state.byteCount % sha256BlockSize);
    state.byteCount += data.size();
    std::size_t at = 0;
    if (used != 0) {
        const std::size_t take = std::min(sha256BlockSize - used, data.size());
        std::memcpy(state.pending + used, data.data(), take);
        at = take;
        used += take;
        if (used < sha256BlockSize) return;
        compress(state.h, state.pending);
    }
    for (; at + sha256BlockSize <= data.size(); at += sha256BlockSize) compress(state.h, data.data() + at);
    if (at < data.size()) std::memcpy(state.pending, data.data() + at, data.size() - at);
}

Sha256Digest sha256Finish(Sha256State& state) {
    const std::uint64_t bits = state.byteCount * 8;
    const std::size_t used = static_cast<std::size_t>(state.byteCount % sha256BlockSize);
    std::uint8_t tail[2 * sha256BlockSize] = {0x80};
    const std::size_t padding = (used < 56 ? 56 : 120) - used;
    for (int i = 0; i < 8; ++i) tail[padding + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits >> (56 - 8 * i));
    sha256Update(state, std::span<const std::uint8_t>(tail, padding + 8));
    Sha256Digest digest;
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 4; ++j) digest[static_cast<std::size_t>(4 * i + j)] = static_cast<std::uint8_t>(state.h[i] >> (24 - 8 * j));
    }
    return digest;
}

Sha256Digest sha256Of(std::span<const std::uint8_t> data) {
    Sha256State state;
    sha256Start(state);
    sha256Update(state, data);
    return sha256Finish(state);
}

Sha256Digest hmacSha256(std::span<const std::uint8_t> key, std::span<const std::uint8_t> message) {
    return KeyedHmac(key).mac(message);
}

KeyedHmac::KeyedHmac(std::span<const std::uint8_t> key) {
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

Sha256Digest KeyedHmac::mac(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second) const {
    Sha256State inner = inner_;
    sha256Update(inner, first);
    sha256Update(inner, second);
    const Sha256Digest innerDigest = sha256Finish(inner);
    Sha256State outer = outer_;
    sha256Update(outer, innerDigest);
    return sha256Finish(outer);
}
