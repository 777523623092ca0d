#include <gtest/gtest.h>

#include <variant>

#include "instant/InstantRunChoice.h"

namespace {

InstantOptions storedOptions() {
    InstantOptions options;
    options.songCount = 4;
    options.seconds = 600;
    return options;
}

}  // namespace

// "开始播": the checked edit must hold 0 or more; the other edit only replaces its option when it
// would pass too, so that nothing typed there can make the list file unreadable.
TEST(InstantRunChoice, TheCheckedEditDecidesAndTheOtherIsKeptUnlessValid) {
    const auto songs = readInstantRunChoice(true, u" 0 ", u"-5", storedOptions());
    ASSERT_TRUE(std::holds_alternative<InstantRunChoice>(songs));
    EXPECT_EQ(std::get<InstantRunChoice>(songs).countMode, 1);
    EXPECT_EQ(std::get<InstantRunChoice>(songs).songCount, 0);
    EXPECT_EQ(std::get<InstantRunChoice>(songs).seconds, 600);

    const auto seconds = readInstantRunChoice(false, u"7", u"3600", storedOptions());
    ASSERT_TRUE(std::holds_alternative<InstantRunChoice>(seconds));
    EXPECT_EQ(std::get<InstantRunChoice>(seconds).countMode, 0);
    EXPECT_EQ(std::get<InstantRunChoice>(seconds).songCount, 7);
    EXPECT_EQ(std::get<InstantRunChoice>(seconds).seconds, 3600);

    for (const std::u16string_view bad : {u"", u"-1", u"+3", u"03", u"1.5", u"99999999999"}) {
        const auto refusedSongs = readInstantRunChoice(true, bad, u"10", storedOptions());
        ASSERT_TRUE(std::holds_alternative<InstantRunFailure>(refusedSongs));
        EXPECT_EQ(std::get<InstantRunFailure>(refusedSongs).text, u"播 n 首，输入无效　　　　　　　 \n\n ");
        EXPECT_EQ(std::get<InstantRunFailure>(refusedSongs).field, InstantRunField::songs);
        const auto refusedSeconds = readInstantRunChoice(false, u"2", bad, storedOptions());
        ASSERT_TRUE(std::holds_alternative<InstantRunFailure>(refusedSeconds));
        EXPECT_EQ(std::get<InstantRunFailure>(refusedSeconds).text, u"播 n 秒，输入无效　　　　　　　 \n\n ");
        EXPECT_EQ(std::get<InstantRunFailure>(refusedSeconds).icon, MessageIcon::warning);
        EXPECT_EQ(std::get<InstantRunFailure>(refusedSeconds).field, InstantRunField::seconds);
    }
}
