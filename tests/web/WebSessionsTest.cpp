#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/FakeSecrets.h"
#include "web/LoginLockout.h"
#include "web/WebSessions.h"

namespace {

constexpr std::int64_t minute = 60 * 1000;

}  // namespace

// A session lives while it is used, ends an hour after its last use, with a logout or with a
// new password generation, and the table never holds more than 64.
TEST(WebSessions, IdleHourLogoutGenerationAndTheBound) {
    SeededRandom random;
    WebSessions sessions;
    const auto first = sessions.open("192.168.1.20", 1, 0, random);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->token.size(), 64u);
    EXPECT_EQ(first->csrf.size(), 64u);
    EXPECT_NE(first->token, first->csrf);

    // Used every 59 minutes it lives on for hours.
    std::int64_t now = 0;
    for (int i = 0; i < 5; ++i) {
        now += 59 * minute;
        ASSERT_NE(sessions.find(first->token, 1, now), nullptr) << i;
    }
    EXPECT_EQ(sessions.find(first->token, 1, now + 60 * minute), nullptr);
    EXPECT_EQ(sessions.size(), 0u) << "an idle session is gone for good";

    const auto second = sessions.open("192.168.1.20", 1, now, random);
    EXPECT_EQ(sessions.find(second->token.substr(0, 63), 1, now), nullptr);
    EXPECT_EQ(sessions.find(second->csrf, 1, now), nullptr) << "the CSRF token is no session token";
    EXPECT_EQ(sessions.find("", 1, now), nullptr);
    EXPECT_EQ(sessions.find(second->token, 2, now), nullptr) << "a new password ends it";
    EXPECT_EQ(sessions.find(second->token, 1, now), nullptr);

    const auto third = sessions.open("192.168.1.20", 1, now, random);
    EXPECT_TRUE(sessions.close(third->token));
    EXPECT_FALSE(sessions.close(third->token));
    EXPECT_EQ(sessions.find(third->token, 1, now), nullptr);

    std::set<std::string> tokens;
    std::vector<std::string> opened;
    for (int i = 0; i < 100; ++i) {
        const auto session = sessions.open("10.0.0." + std::to_string(i), 1, now + i, random);
        tokens.insert(session->token);
        opened.push_back(session->token);
        if (i == 50) sessions.find(opened[0], 1, now + i);  // the first stays in use
    }
    EXPECT_EQ(tokens.size(), 100u);
    EXPECT_EQ(sessions.size(), maxSessions);
    EXPECT_NE(sessions.find(opened[0], 1, now + 100), nullptr) << "the least recently used go first";
    EXPECT_EQ(sessions.find(opened[1], 1, now + 100), nullptr);
    EXPECT_NE(sessions.find(opened[99], 1, now + 100), nullptr);

    random.fail = true;
    EXPECT_FALSE(sessions.open("10.0.0.1", 1, now, random).has_value());
}

TEST(LoginLockout, FiveFailuresLockAnAddressForFifteenMinutes) {
    LoginLockout lockout;
    for (int i = 1; i < maxLoginFailures; ++i) EXPECT_FALSE(lockout.loginFailed("192.168.1.20", i * minute));
    EXPECT_FALSE(lockout.lockedOut("192.168.1.20", 4 * minute));
    EXPECT_TRUE(lockout.loginFailed("192.168.1.20", 5 * minute));
    EXPECT_TRUE(lockout.lockedOut("192.168.1.20", 5 * minute));
    EXPECT_FALSE(lockout.lockedOut("192.168.1.21", 5 * minute)) << "only that address";
    EXPECT_TRUE(lockout.lockedOut("192.168.1.20", 20 * minute - 1));
    EXPECT_FALSE(lockout.lockedOut("192.168.1.20", 20 * minute));
    // After the lock the count starts again.
    EXPECT_FALSE(lockout.loginFailed("192.168.1.20", 21 * minute));
    EXPECT_FALSE(lockout.lockedOut("192.168.1.20", 21 * minute));

    // Failures fifteen minutes apart never add up; a success forgets them.
    LoginLockout slow;
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(slow.loginFailed("10.0.0.5", i * 15 * minute));
    for (int i = 0; i < 4; ++i) slow.loginFailed("10.0.0.6", i);
    slow.loginSucceeded("10.0.0.6");
    EXPECT_FALSE(slow.loginFailed("10.0.0.6", 10));
    EXPECT_FALSE(slow.lockedOut("10.0.0.6", 10));
}

TEST(LoginLockout, AFloodOfAddressesIsBoundedAndKeepsTheLockedOnes) {
    LoginLockout lockout;
    for (int i = 0; i < maxLoginFailures; ++i) lockout.loginFailed("192.168.1.66", i);
    for (int i = 0; i < 1000; ++i) lockout.loginFailed("10.1." + std::to_string(i / 256) + "." + std::to_string(i % 256), 100 + i);
    EXPECT_EQ(lockout.size(), maxTrackedAddresses);
    EXPECT_TRUE(lockout.lockedOut("192.168.1.66", 2000));
}
