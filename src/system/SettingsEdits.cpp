#include "system/SettingsEdits.h"

#include <algorithm>
#include <iterator>

namespace {

// One power rule's fields in the record and its stamp; `days` is null for the daily rule, which
// runs every day.
struct PowerRuleMembers {
    std::int32_t SettingsRecord::*on;
    TimeOfDay SettingsRecord::*time;
    std::int32_t (SettingsRecord::*days)[7];
    DateTime PowerRuleStamps::*lastFired;
};

PowerRuleMembers membersOf(PowerRule rule) {
    switch (rule) {
        case PowerRule::weeklyShutdown:
            return {&SettingsRecord::weeklyShutdownOn, &SettingsRecord::weeklyShutdownTime,
                    &SettingsRecord::weeklyShutdownDays, &PowerRuleStamps::weeklyShutdownLastFired};
        case PowerRule::restart:
            return {&SettingsRecord::restartOn, &SettingsRecord::restartTime, &SettingsRecord::restartDays,
                    &PowerRuleStamps::restartLastFired};
        default:
            return {&SettingsRecord::dailyShutdownOn, &SettingsRecord::dailyShutdownTime, nullptr,
                    &PowerRuleStamps::dailyShutdownLastFired};
    }
}

}  // namespace

bool powerRuleOn(const SettingsRecord& settings, PowerRule rule) {
    return settings.*membersOf(rule).on != 0;
}

std::u16string powerRuleText(const SettingsRecord& settings, PowerRule rule) {
    const PowerRuleMembers m = membersOf(rule);
    return m.days ? weekdayRuleText(settings.*m.days, settings.*m.time) : dailyRuleText(settings.*m.time);
}

PowerRuleChoice powerRuleChoice(const SettingsRecord& settings, PowerRule rule) {
    const PowerRuleMembers m = membersOf(rule);
    PowerRuleChoice choice{settings.*m.time, {}};
    if (m.days) std::copy(std::begin(settings.*m.days), std::end(settings.*m.days), choice.days);
    return choice;
}

void storePowerRuleChoice(SettingsRecord& settings, PowerRuleStamps& stamps, PowerRule rule,
                          const PowerRuleChoice& choice) {
    const PowerRuleMembers m = membersOf(rule);
    settings.*m.time = choice.time;
    if (m.days) {
        std::transform(std::begin(choice.days), std::end(choice.days), settings.*m.days,
                       [](std::int32_t day) { return day != 0 ? 1 : 0; });
    }
    stamps.*m.lastFired = resetStamp();
}

void setPowerRuleOn(SettingsRecord& settings, PowerRuleStamps& stamps, PowerRule rule, bool on) {
    const PowerRuleMembers m = membersOf(rule);
    settings.*m.on = on ? 1 : 0;
    if (on) stamps.*m.lastFired = resetStamp();
}

void setAutostartOn(AutostartOptions& options, bool on) {
    options.autostart = on ? 1 : 0;
    if (on) return;
    options.autostartHidden = 0;
    options.autostartLock = 0;
}

DuckChoice duckChoice(const SettingsRecord& settings) {
    return {settings.duckPercent, settings.duckFadeOutLength, settings.duckFadeInLength};
}

DuckChoice defaultDuckChoice() {
    return duckChoice(defaultSettings());
}

bool storeDuckChoice(SettingsRecord& settings, const DuckChoice& choice) {
    if (choice == duckChoice(settings)) return false;
    settings.duckPercent = choice.percent;
    settings.duckFadeOutLength = choice.fadeOutLength;
    settings.duckFadeInLength = choice.fadeInLength;
    return true;
}
