#include <gtest/gtest.h>

#include "audio/PlayError.h"
#include "audio/Volume.h"
#include "support/FakeAudio.h"

TEST(Volume, FortyDecibelsPerDecade) {
    EXPECT_EQ(volumeToAttenuation(0), -10000);
    EXPECT_EQ(volumeToAttenuation(1), -8000);
    EXPECT_EQ(volumeToAttenuation(10), -4000);
    EXPECT_EQ(volumeToAttenuation(50), -1204);
    EXPECT_EQ(volumeToAttenuation(99), -17);
    EXPECT_EQ(volumeToAttenuation(100), 0);
}

TEST(Ramps, InRisesInTwentyStepsWithSixMillisecondsBetween) {
    FakePlayerScript script;
    FakePlayer player(script);
    std::vector<int> sleeps;
    rampIn(player, 80, [&](int ms) { sleeps.push_back(ms); });
    ASSERT_EQ(player.attenuations.size(), 20u);
    EXPECT_EQ(player.attenuations.front(), volumeToAttenuation(4));
    EXPECT_EQ(player.attenuations.back(), volumeToAttenuation(80));
    EXPECT_EQ(sleeps, std::vector<int>(19, 6));
    // Each step's level is truncated toward zero: 1/20 of 30 is 1.5, so 1 percent.
    FakePlayer quiet(script);
    rampIn(quiet, 30, [](int) {});
    EXPECT_EQ(quiet.attenuations.front(), -8000);
}

TEST(Ramps, OutFallsInFiftyStepsToSilence) {
    FakePlayerScript script;
    FakePlayer player(script);
    std::vector<int> sleeps;
    rampOut(player, 100, 600, [&](int ms) { sleeps.push_back(ms); });
    ASSERT_EQ(player.attenuations.size(), 50u);
    EXPECT_EQ(player.attenuations.front(), volumeToAttenuation(98));
    EXPECT_EQ(player.attenuations.back(), -10000);
    EXPECT_EQ(sleeps, std::vector<int>(49, 12));
}

TEST(TimeTexts, MinutesSecondsAndProgress) {
    EXPECT_EQ(formatMinSec(110833), u"01:50");
    EXPECT_EQ(formatMinSec(0), u"00:00");
    EXPECT_EQ(formatMinSec(-1), u"");
    EXPECT_EQ(formatMinSec(6000000), u"100:00");
    EXPECT_EQ(formatProgress(600, 700), u"10:00 / 10:00");
    EXPECT_EQ(formatProgress(600, -20), u"-00:20 / 10:00");
    EXPECT_EQ(formatProgress(600, 61), u"01:01 / 10:00");
}

TEST(PlayErrors, ClassifiedInOrder) {
    bool system = true;
    bool tools = true;
    const AudioSystemChecks checks{[&] { return system; }, [&] { return tools; }};
    EXPECT_EQ(classifyOpenFailure(audioNoHardware, checks), PlayErrorKind::DeviceInvalid);
    EXPECT_EQ(classifyOpenFailure(audioFail, checks), PlayErrorKind::FormatProblem);
    tools = false;
    EXPECT_EQ(classifyOpenFailure(audioFail, checks), PlayErrorKind::ToolFilesDamaged);
    EXPECT_EQ(classifyOpenFailure(audioNoHardware, checks), PlayErrorKind::DeviceInvalid);
    system = false;
    EXPECT_EQ(classifyOpenFailure(audioNoHardware, checks), PlayErrorKind::EnvironmentProblem);
}
