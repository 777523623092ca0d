#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/FakeSecrets.h"
#include "web/HexText.h"
#include "web/PasswordHash.h"
#include "web/Pbkdf2.h"
#include "web/Sha256.h"

namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

template <typename Bytes>
std::string hex(const Bytes& bytes) {
    return hexText(bytes.data(), bytes.size());
}

}  // namespace

// FIPS 180-4 examples, the last fed in pieces that straddle the 64-byte blocks in every way.
TEST(Sha256, PublishedDigestsWholeAndInPieces) {
    EXPECT_EQ(hex(sha256Of(bytesOf(""))), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hex(sha256Of(bytesOf("abc"))), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(hex(sha256Of(bytesOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"))),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    const std::string million(1'000'000, 'a');
    for (const std::size_t piece : {1u, 55u, 63u, 64u, 65u, 1000u}) {
        Sha256State state;
        sha256Start(state);
        for (std::size_t at = 0; at < million.size(); at += piece) {
            sha256Update(state, bytesOf(std::string_view(million).substr(at, piece)));
        }
        EXPECT_EQ(hex(sha256Finish(state)), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0") << piece;
    }
}

// RFC 4231 cases 1, 2 and 6 (a key longer than a block).
TEST(Sha256, HmacOfTheRfcCases) {
    EXPECT_EQ(hex(hmacSha256(bytesOf(std::string(20, '\x0b')), bytesOf("Hi There"))),
              "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
    EXPECT_EQ(hex(hmacSha256(bytesOf("Jefe"), bytesOf("what do ya want for nothing?"))),
              "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
    EXPECT_EQ(hex(hmacSha256(bytesOf(std::string(131, '\xaa')),
                             bytesOf("Test Using Larger Than Block-Size Key - Hash Key First"))),
              "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
}

// The widely published PBKDF2-HMAC-SHA256 vectors and RFC 7914's: one round, several, a result
// longer than one block and cut inside one, NULs in the password and salt.
TEST(Pbkdf2, KnownVectors) {
    struct Vector {
        std::string_view password, salt;
        std::uint32_t iterations;
        std::size_t length;
        const char* key;
    };
    const Vector vectors[] = {
        {"password", "salt", 1, 32, "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b"},
        {"password", "salt", 2, 32, "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43"},
        {"password", "salt", 4096, 32, "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a"},
        {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 40,
         "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9"},
        {std::string_view("pass\0word", 9), std::string_view("sa\0lt", 5), 4096, 16, "89b69d0516f829893c696226650a8687"},
        {"passwd", "salt", 1, 64,
         "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"},
    };
    for (const Vector& v : vectors) {
        EXPECT_EQ(hex(pbkdf2HmacSha256(bytesOf(v.password), bytesOf(v.salt), v.iterations, v.length)), v.key)
            << v.password << " " << v.iterations;
    }
    PortablePasswordKdf kdf;
    PasswordSalt salt{};
    std::copy_n("salt", 4, salt.begin());
    const std::string saltText(reinterpret_cast<const char*>(salt.data()), salt.size());
    EXPECT_EQ(hex(kdf.derive("password", salt, 3)), hex(pbkdf2HmacSha256(bytesOf("password"), bytesOf(saltText), 3, 32)));
}

TEST(PasswordHash, LengthRuleCountsCharactersAndAHashChecksEveryInput) {
    EXPECT_EQ(passwordRuleMessage(u"1234567"), u"网页控制台密码至少8个字符");
    EXPECT_EQ(passwordRuleMessage(u"12345678"), u"");
    EXPECT_EQ(passwordRuleMessage(u"广播密码广播密码"), u"");
    // Seven emoji are fourteen UTF-16 units but seven characters.
    EXPECT_EQ(passwordRuleMessage(u"\U0001F514\U0001F514\U0001F514\U0001F514\U0001F514\U0001F514\U0001F514"),
              u"网页控制台密码至少8个字符");
    EXPECT_EQ(passwordRuleMessage(std::u16string(129, u'x')), u"网页控制台密码最多128个字符");

    QuickKdf kdf;
    SeededRandom random;
    const auto hash = hashPassword("correct horse", kdf, random);
    ASSERT_TRUE(hash.has_value());
    EXPECT_EQ(hash->algorithm, pbkdf2Sha256Algorithm);
    EXPECT_EQ(hash->iterations, minPasswordIterations);
    EXPECT_TRUE(passwordMatches(*hash, "correct horse", kdf));
    EXPECT_FALSE(passwordMatches(*hash, "correct horsf", kdf));
    EXPECT_FALSE(passwordMatches(*hash, "", kdf));
    PasswordHashRecord weak = *hash;
    weak.iterations = minPasswordIterations - 1;  // never derived, never accepted
    const int before = kdf.derivations;
    EXPECT_FALSE(passwordMatches(weak, "correct horse", kdf));
    EXPECT_EQ(kdf.derivations, before);
    const auto again = hashPassword("correct horse", kdf, random);
    EXPECT_NE(hex(again->salt), hex(hash->salt));
    EXPECT_NE(hex(again->key), hex(hash->key));
    random.fail = true;
    EXPECT_FALSE(hashPassword("correct horse", kdf, random).has_value());
}
