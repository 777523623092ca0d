#include <gtest/gtest.h>

#include "audio/PlayerSteps.h"
#include "audio/Volume.h"
#include "support/FakeAudio.h"

// A start either leaves one running, silent player or nothing at all, and says which step failed.
TEST(PlayerSteps, ASilentStartLeavesARunningPlayerOrNothing) {
    FakePlayerScript script;
    FakePlayerFactory players(script);
    script.openFailures[u"坏.mp3"] = audioFileNotFound;
    script.runFailures[u"哑.mp3"] = audioFail;

    SilentStart good = startSilent(players, u"铃.mp3", u"扬声器");
    ASSERT_NE(good.player, nullptr);
    const auto& fake = static_cast<const FakePlayer&>(*good.player);
    EXPECT_TRUE(fake.running);
    EXPECT_EQ(fake.device(), u"扬声器");
    EXPECT_EQ(fake.attenuations, std::vector<std::int32_t>{silentAttenuation}) << "silent until the ramp in";

    const SilentStart unopened = startSilent(players, u"坏.mp3", u"");
    EXPECT_EQ(unopened.player, nullptr);
    EXPECT_TRUE(unopened.openFailed);
    EXPECT_EQ(unopened.failure, audioFileNotFound);

    const SilentStart unrun = startSilent(players, u"哑.mp3", u"");
    EXPECT_EQ(unrun.player, nullptr);
    EXPECT_FALSE(unrun.openFailed);
    EXPECT_EQ(unrun.failure, audioFail);
    EXPECT_EQ(script.alive, 1) << "only the good start keeps its player";

    setPlayerLevel(*good.player, 10.9);
    EXPECT_EQ(fake.attenuations.back(), volumeToAttenuation(10));
    destroyPlayer(good.player);
    EXPECT_EQ(good.player, nullptr);
    EXPECT_EQ(script.alive, 0);
    destroyPlayer(good.player);
}
