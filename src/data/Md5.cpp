#include "data/Md5.h"

#include <cstring>

namespace {

// Per-step shift amounts and the sine-derived constants of RFC 1321.
constexpr std::uint32_t shifts[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                                      5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                                      4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                                      6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

constexpr std::uint32_t sines[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

std::uint32_t rotateLeft(std::uint32_t x, std::uint32_t n) {
    return (x << n) | (x >> (32 - n));
}

void transform(Md5State& s, const std::uint8_t* block) {
    std::uint32_t m[16];
    for (int i = 0; i < 16; ++i) {
        m[i] = std::uint32_t(block[i * 4]) | std::uint32_t(block[i * 4 + 1]) << 8 |
               std::uint32_t(block[i * 4 + 2]) << 16 | std::uint32_t(block[i * 4 + 3]) << 24;
    }
    std::uint32_t a = s.a, b = s.b, c = s.c, d = s.d;
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f;
        int g;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const std::uint32_t rotated = rotateLeft(a + f + sines[i] + m[g], shifts[i]);
        a = d;
        d = c;
        c = b;
        b = b + rotated;
    }
    s.a += a;
    s.b += b;
    s.c += c;
    s.d += d;
}

}  // namespace

void md5Start(Md5State& state) {
    state.a = 0x67452301;
    state.b = 0xefcdab89;
    state.c = 0x98badcfe;
    state.d = 0x10325476;
    state.byteCount = 0;
    std::memset(state.pending, 0, sizeof state.pending);
}

void md5Update(Md5State& state, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::size_t used = state.byteCount % 64;
    state.byteCount += size;
    if (used != 0) {
        const std::size_t take = size < 64 - used ? size : 64 - used;
        std::memcpy(state.pending + used, bytes, take);
        bytes += take;
        size -= take;
        used += take;
        if (used < 64) return;
        transform(state, state.pending);
    }
    while (size >= 64) {
        transform(state, bytes);
        bytes += 64;
        size -= 64;
    }
    if (size != 0) std::memcpy(state.pending, bytes, size);
}

Md5Digest md5Finish(Md5State& state) {
    const std::uint64_t bitCount = state.byteCount * 8;
    std::uint8_t padding[72] = {0x80};
    const std::size_t used = state.byteCount % 64;
    const std::size_t padLength = used < 56 ? 56 - used : 120 - used;
    md5Update(state, padding, padLength);
    std::uint8_t length[8];
    for (int i = 0; i < 8; ++i) length[i] = static_cast<std::uint8_t>(bitCount >> (8 * i));
    md5Update(state, length, 8);

    Md5Digest digest;
    const std::uint32_t words[4] = {state.a, state.b, state.c, state.d};
    for (int w = 0; w < 4; ++w) {
        for (int i = 0; i < 4; ++i) digest[w * 4 + i] = static_cast<std::uint8_t>(words[w] >> (8 * i));
    }
    return digest;
}

Md5Digest md5Of(const void* data, std::size_t size) {
    Md5State state;
    md5Start(state);
    md5Update(state, data, size);
    return md5Finish(state);
}
