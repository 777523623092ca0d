#pragma once
// The due-time check of the three power rules: daily shutdown, weekly shutdown and restart.
// Pure: the caller supplies the local time and keeps the last-fired stamps between ticks.
#include <cstdint>
#include <string>

#include "data/DateTime.h"
#include "system/SettingsRecord.h"

inline constexpr int shutdownMode = 1;
inline constexpr int restartMode = 0;
// A rule is due from its time for this many seconds, so a tick every 500 ms cannot miss it.
inline constexpr int shutdownRuleWindowSeconds = 15;

enum class PowerRule { none, dailyShutdown, weeklyShutdown, restart };

// When each rule last became due: that day's date with the rule's time, milliseconds 0.
struct PowerRuleStamps {
    DateTime dailyShutdownLastFired;
    DateTime weeklyShutdownLastFired;
    DateTime restartLastFired;
};

// Every stamp at neverFired, as at program start.
PowerRuleStamps neverFiredStamps();

struct PowerRuleFiring {
    PowerRule rule = PowerRule::none;
    int mode = shutdownMode;  // meaningful only when a rule fired
};

// One tick of the check: daily, then weekly, then restart; the first that is due fires, its stamp
// moves to this occurrence, and the later rules wait for the next tick.
PowerRuleFiring dueShutdownRule(const SettingsRecord& settings, PowerRuleStamps& stamps, DateTime now);

// The texts of the rule edits: "hh:mm:ss", and for the weekday rules "hh:mm:ss (周67)" with the
// ticked days numbered 1 = Monday ... 7 = Sunday, or empty when no day is ticked.
std::u16string dailyRuleText(const TimeOfDay& time);
std::u16string weekdayRuleText(const std::int32_t (&days)[7], const TimeOfDay& time);
