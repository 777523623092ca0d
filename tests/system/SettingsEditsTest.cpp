#include <gtest/gtest.h>

#include "system/SettingsEdits.h"

namespace {

bool neverFired(const DateTime& stamp) {
    return millisecondsBetween(stamp, resetStamp()) == 0;
}

TEST(SettingsEdits, RuleTextsFollowTheDialogsAndTheCheckBoxesResetTheStampOnlyWhenTicked) {
    SettingsRecord settings = defaultSettings();
    const DateTime fired{2024, 6, 1, 3, 1, 0, 0, 0};
    PowerRuleStamps stamps{fired, fired, fired};
    EXPECT_EQ(powerRuleText(settings, PowerRule::dailyShutdown), u"01:00:00");
    EXPECT_EQ(powerRuleText(settings, PowerRule::weeklyShutdown), u"01:00:00 (周67)") << "shown while off too";
    EXPECT_EQ(powerRuleText(settings, PowerRule::restart), u"") << "no day ticked";
    EXPECT_FALSE(powerRuleOn(settings, PowerRule::weeklyShutdown));

    // The restart dialog confirmed with Monday and Wednesday at 07:05:09; nonzero days count as ticked.
    PowerRuleChoice choice = powerRuleChoice(settings, PowerRule::restart);
    choice.time = {7, 5, 9};
    choice.days[0] = 1;
    choice.days[2] = -3;
    storePowerRuleChoice(settings, stamps, PowerRule::restart, choice);
    EXPECT_EQ(powerRuleText(settings, PowerRule::restart), u"07:05:09 (周13)");
    EXPECT_EQ(settings.restartDays[2], 1);
    EXPECT_TRUE(neverFired(stamps.restartLastFired));
    EXPECT_FALSE(neverFired(stamps.weeklyShutdownLastFired)) << "the other rules keep their stamps";
    EXPECT_EQ(settings.restartOn, 0) << "the dialog does not switch the rule on";

    // The weekly dialog confirmed with no day: an empty text.
    choice = powerRuleChoice(settings, PowerRule::weeklyShutdown);
    EXPECT_EQ(choice.days[5], 1);
    choice.days[5] = choice.days[6] = 0;
    storePowerRuleChoice(settings, stamps, PowerRule::weeklyShutdown, choice);
    EXPECT_EQ(powerRuleText(settings, PowerRule::weeklyShutdown), u"");

    // The daily dialog leaves the day arrays alone.
    choice = powerRuleChoice(settings, PowerRule::dailyShutdown);
    choice.time = {23, 59, 59};
    storePowerRuleChoice(settings, stamps, PowerRule::dailyShutdown, choice);
    EXPECT_EQ(powerRuleText(settings, PowerRule::dailyShutdown), u"23:59:59");
    EXPECT_EQ(powerRuleText(settings, PowerRule::restart), u"07:05:09 (周13)");

    stamps = {fired, fired, fired};
    setPowerRuleOn(settings, stamps, PowerRule::dailyShutdown, false);
    EXPECT_FALSE(neverFired(stamps.dailyShutdownLastFired)) << "unticking keeps the stamp";
    setPowerRuleOn(settings, stamps, PowerRule::weeklyShutdown, true);
    EXPECT_EQ(settings.weeklyShutdownOn, 1);
    EXPECT_TRUE(neverFired(stamps.weeklyShutdownLastFired));
    EXPECT_FALSE(neverFired(stamps.restartLastFired));
}

TEST(SettingsEdits, UntickingAutostartClearsItsSubOptionsAndTickingLeavesThemOff) {
    AutostartOptions options{1, 1, 1};
    setAutostartOn(options, false);
    EXPECT_EQ(options.autostart + options.autostartHidden + options.autostartLock, 0);
    setAutostartOn(options, true);
    EXPECT_EQ(options.autostart, 1);
    EXPECT_EQ(options.autostartHidden + options.autostartLock, 0);
}

TEST(SettingsEdits, DuckChoiceIsStoredOnlyWhenSomethingChanged) {
    SettingsRecord settings = defaultSettings();
    settings.duckPercent = 80;
    const SettingsRecord before = settings;
    EXPECT_FALSE(storeDuckChoice(settings, duckChoice(settings)));
    EXPECT_EQ(settings.duckPercent, 80);

    EXPECT_TRUE(storeDuckChoice(settings, defaultDuckChoice()));
    EXPECT_EQ(duckChoice(settings), (DuckChoice{60, 5, 9}));
    EXPECT_TRUE(storeDuckChoice(settings, {60, 5, 16}));
    EXPECT_EQ(settings.duckFadeInLength, 16);
    EXPECT_EQ(std::u16string(settings.outputDevice), std::u16string(before.outputDevice));
}

}  // namespace
