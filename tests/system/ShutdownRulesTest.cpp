#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/ShutdownRules.h"

namespace {

// Monday 3 June 2024 at the given time.
DateTime monday(int hour, int minute, int second, int milliseconds = 0) {
    return DateTime{2024, 6, 1, 3, static_cast<std::uint16_t>(hour), static_cast<std::uint16_t>(minute),
                    static_cast<std::uint16_t>(second), static_cast<std::uint16_t>(milliseconds)};
}

DateTime afterMilliseconds(const DateTime& t, std::int64_t milliseconds) {
    DateTime moved = addSeconds(t, (t.milliseconds + milliseconds) / 1000);
    moved.milliseconds = static_cast<std::uint16_t>((t.milliseconds + milliseconds) % 1000);
    return moved;
}

struct Firing {
    PowerRule rule;
    int mode;
    DateTime at;
};

// The program's timer: one check every 500 ms from `from` for `ticks` ticks, each countdown
// cancelled at once.
std::vector<Firing> walk(const SettingsRecord& settings, PowerRuleStamps& stamps, DateTime from, std::int64_t ticks) {
    std::vector<Firing> firings;
    for (std::int64_t i = 0; i < ticks; ++i) {
        const DateTime now = afterMilliseconds(from, i * 500);
        const PowerRuleFiring firing = dueShutdownRule(settings, stamps, now);
        if (firing.rule != PowerRule::none) firings.push_back({firing.rule, firing.mode, now});
    }
    return firings;
}

SettingsRecord allRulesOn() {
    SettingsRecord settings = defaultSettings();
    settings.dailyShutdownOn = 1;
    settings.dailyShutdownTime = {17, 30, 0};
    settings.weeklyShutdownOn = 1;  // Saturday and Sunday at 01:00:00
    settings.restartOn = 1;
    settings.restartDays[0] = 1;  // Monday
    settings.restartDays[2] = 1;  // Wednesday
    settings.restartTime = {8, 0, 0};
    return settings;
}

constexpr std::int64_t ticksPerDay = 24 * 3600 * 2;

TEST(ShutdownRules, AWeekOfTicksFiresEachOccurrenceOnceAtItsFirstTick) {
    const SettingsRecord settings = allRulesOn();
    PowerRuleStamps stamps = neverFiredStamps();
    const std::vector<Firing> firings = walk(settings, stamps, monday(0, 0, 0, 250), 7 * ticksPerDay);

    std::vector<std::pair<int, PowerRule>> expected;  // day offset from Monday, rule
    for (int day = 0; day < 7; ++day) {
        if (day == 5 || day == 6) expected.emplace_back(day, PowerRule::weeklyShutdown);
        if (day == 0 || day == 2) expected.emplace_back(day, PowerRule::restart);
        expected.emplace_back(day, PowerRule::dailyShutdown);
    }
    ASSERT_EQ(firings.size(), expected.size());
    for (std::size_t i = 0; i < firings.size(); ++i) {
        const auto [day, rule] = expected[i];
        const Firing& firing = firings[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(firing.rule, rule);
        EXPECT_EQ(firing.mode, rule == PowerRule::restart ? restartMode : shutdownMode);
        EXPECT_EQ(firing.at.day, 3 + day);
        const TimeOfDay& time = rule == PowerRule::dailyShutdown    ? settings.dailyShutdownTime
                                : rule == PowerRule::weeklyShutdown ? settings.weeklyShutdownTime
                                                                    : settings.restartTime;
        // The first tick inside the window: a quarter second after the rule's time.
        EXPECT_EQ(firing.at.hour, time.hour);
        EXPECT_EQ(firing.at.minute, time.minute);
        EXPECT_EQ(firing.at.second, time.second);
        EXPECT_EQ(firing.at.milliseconds, 250);
    }
    EXPECT_TRUE(sameInstant(stamps.dailyShutdownLastFired, DateTime{2024, 6, 0, 9, 17, 30, 0, 0}));
    EXPECT_TRUE(sameInstant(stamps.weeklyShutdownLastFired, DateTime{2024, 6, 0, 9, 1, 0, 0, 0}));
    EXPECT_TRUE(sameInstant(stamps.restartLastFired, DateTime{2024, 6, 3, 5, 8, 0, 0, 0}));
}

TEST(ShutdownRules, RulesThatAreOffOrHaveNoDayNeverFire) {
    SettingsRecord settings = allRulesOn();
    settings.dailyShutdownOn = 0;
    settings.restartOn = 0;
    for (std::int32_t& day : settings.weeklyShutdownDays) day = 0;
    PowerRuleStamps stamps = neverFiredStamps();
    EXPECT_TRUE(walk(settings, stamps, monday(0, 0, 0), 7 * ticksPerDay).empty());
}

TEST(ShutdownRules, StartingInsideTheWindowFiresAndAfterItDoesNot) {
    SettingsRecord settings = defaultSettings();
    settings.dailyShutdownOn = 1;
    settings.dailyShutdownTime = {17, 30, 0};
    for (const int second : {0, 5, 14}) {
        PowerRuleStamps stamps = neverFiredStamps();
        const PowerRuleFiring firing = dueShutdownRule(settings, stamps, monday(17, 30, second, 900));
        EXPECT_EQ(firing.rule, PowerRule::dailyShutdown) << second;
        EXPECT_EQ(firing.mode, shutdownMode);
        EXPECT_TRUE(sameInstant(stamps.dailyShutdownLastFired, monday(17, 30, 0))) << second;
    }
    for (const int second : {15, 20}) {
        PowerRuleStamps stamps = neverFiredStamps();
        EXPECT_EQ(dueShutdownRule(settings, stamps, monday(17, 30, second)).rule, PowerRule::none) << second;
        EXPECT_TRUE(sameInstant(stamps.dailyShutdownLastFired, neverFiredStamps().dailyShutdownLastFired));
    }
}

TEST(ShutdownRules, AClockSetBackBeyondTheWindowLetsTheRuleFireAgain) {
    SettingsRecord settings = defaultSettings();
    settings.dailyShutdownOn = 1;
    settings.dailyShutdownTime = {17, 30, 0};

    // Set back to 17:29:00 (60 s before the stamp) or 17:29:44 (16 s): forgotten, fires again.
    for (const int backTo : {17 * 3600 + 29 * 60, 17 * 3600 + 29 * 60 + 44}) {
        PowerRuleStamps stamps = neverFiredStamps();
        ASSERT_EQ(walk(settings, stamps, monday(17, 29, 59), 4).size(), 1u);
        const DateTime back = monday(backTo / 3600, backTo / 60 % 60, backTo % 60);
        const std::int64_t ticks = 2 * (17 * 3600 + 30 * 60 - backTo) + 2;
        const std::vector<Firing> again = walk(settings, stamps, back, ticks);
        ASSERT_EQ(again.size(), 1u) << backTo;
        EXPECT_TRUE(sameInstant(again[0].at, monday(17, 30, 0)));
    }
    // Set back to 17:29:45 or 17:29:50 (15 s or 10 s): the stamp stays and the occurrence is done.
    for (const int second : {45, 50}) {
        PowerRuleStamps stamps = neverFiredStamps();
        ASSERT_EQ(walk(settings, stamps, monday(17, 29, 59), 4).size(), 1u);
        EXPECT_TRUE(walk(settings, stamps, monday(17, 29, second), 60).empty()) << second;
        EXPECT_TRUE(sameInstant(stamps.dailyShutdownLastFired, monday(17, 30, 0)));
    }
}

TEST(ShutdownRules, TwoRulesDueTogetherFireOneTickApartOrNotAtAll) {
    SettingsRecord settings = allRulesOn();
    settings.dailyShutdownTime = {8, 0, 0};

    // Both cancelled at once: the restart follows on the next tick.
    PowerRuleStamps stamps = neverFiredStamps();
    const std::vector<Firing> firings = walk(settings, stamps, monday(7, 59, 59), 40);
    ASSERT_EQ(firings.size(), 2u);
    EXPECT_EQ(firings[0].rule, PowerRule::dailyShutdown);
    EXPECT_TRUE(sameInstant(firings[0].at, monday(8, 0, 0)));
    EXPECT_EQ(firings[1].rule, PowerRule::restart);
    EXPECT_EQ(firings[1].mode, restartMode);
    EXPECT_TRUE(sameInstant(firings[1].at, monday(8, 0, 0, 500)));

    // The shutdown countdown stayed open past the window: no restart that day.
    stamps = neverFiredStamps();
    EXPECT_EQ(dueShutdownRule(settings, stamps, monday(8, 0, 0)).rule, PowerRule::dailyShutdown);
    EXPECT_TRUE(walk(settings, stamps, monday(8, 0, 15), 2 * ticksPerDay / 3).empty());
}

TEST(ShutdownRules, RuleTexts) {
    const SettingsRecord settings = defaultSettings();
    EXPECT_EQ(weekdayRuleText(settings.weeklyShutdownDays, settings.weeklyShutdownTime), u"01:00:00 (周67)");
    EXPECT_EQ(weekdayRuleText(settings.restartDays, settings.restartTime), u"");
    const std::int32_t everyDay[7] = {1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(weekdayRuleText(everyDay, TimeOfDay{23, 5, 9}), u"23:05:09 (周1234567)");
    const std::int32_t mondayAndSunday[7] = {1, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(weekdayRuleText(mondayAndSunday, TimeOfDay{0, 0, 0}), u"00:00:00 (周17)");
    EXPECT_EQ(dailyRuleText(TimeOfDay{7, 30, 5}), u"07:30:05");
}

}  // namespace
