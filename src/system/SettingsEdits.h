#pragma once
// The settings page's edits apart from Windows: what its controls show, and how a tick, a
// confirmed rule dialog or a confirmed duck dialog changes the record.
#include <cstdint>
#include <string>

#include "system/Autostart.h"
#include "system/SettingsRecord.h"
#include "system/ShutdownRules.h"

// The rule's check box, and the text of its edit.
bool powerRuleOn(const SettingsRecord& settings, PowerRule rule);
std::u16string powerRuleText(const SettingsRecord& settings, PowerRule rule);

// What a rule's dialog edits: the time and, for the weekday rules, the days.
struct PowerRuleChoice {
    TimeOfDay time;
    std::int32_t days[7];
};
PowerRuleChoice powerRuleChoice(const SettingsRecord& settings, PowerRule rule);
// The dialog confirmed: the choice is stored and the rule may fire again today.
void storePowerRuleChoice(SettingsRecord& settings, PowerRuleStamps& stamps, PowerRule rule,
                          const PowerRuleChoice& choice);
// The rule's check box: ticking it also lets the rule fire again today.
void setPowerRuleOn(SettingsRecord& settings, PowerRuleStamps& stamps, PowerRule rule, bool on);

// The logon-start check box: unticked, both sub-options go off with it.
void setAutostartOn(AutostartOptions& options, bool on);

// What the duck dialog edits.
struct DuckChoice {
    std::int32_t percent;
    std::int32_t fadeOutLength;
    std::int32_t fadeInLength;
    bool operator==(const DuckChoice&) const = default;
};
inline constexpr int duckPercentMin = 25;
inline constexpr int duckPercentMax = 100;
inline constexpr int duckFadeOutMin = 1;
inline constexpr int duckFadeOutMax = 10;
inline constexpr int duckFadeInMin = 2;
inline constexpr int duckFadeInMax = 16;
DuckChoice duckChoice(const SettingsRecord& settings);
// "恢复默认"
DuckChoice defaultDuckChoice();
// Stores the choice when it differs from the record; true then, and only then, it needs saving.
bool storeDuckChoice(SettingsRecord& settings, const DuckChoice& choice);
