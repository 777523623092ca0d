#include <gtest/gtest.h>

#include <string>

#include "data/Md5.h"

namespace {

std::string hex(const Md5Digest& digest) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (const auto byte : digest) {
        text.push_back(digits[byte >> 4]);
        text.push_back(digits[byte & 15]);
    }
    return text;
}

std::string md5Hex(const std::string& text) {
    return hex(md5Of(text.data(), text.size()));
}

}  // namespace

TEST(Md5, RfcTestSuite) {
    EXPECT_EQ(md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(md5Hex("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(md5Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(md5Hex("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(md5Hex("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(md5Hex("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(md5Hex("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
              "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5, UpdatesInAnyPiecesGiveTheSameDigest) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text.push_back(static_cast<char>(i * 7));
    const Md5Digest whole = md5Of(text.data(), text.size());
    for (const std::size_t piece : {1u, 3u, 55u, 56u, 63u, 64u, 65u, 200u}) {
        Md5State state;
        md5Start(state);
        for (std::size_t at = 0; at < text.size(); at += piece) {
            md5Update(state, text.data() + at, std::min(piece, text.size() - at));
        }
        EXPECT_EQ(md5Finish(state), whole) << "piece " << piece;
    }
}
