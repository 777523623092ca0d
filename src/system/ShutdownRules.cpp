#include "system/ShutdownRules.h"

#include "data/ProgramRecord.h"
#include "data/Text.h"

namespace {

int secondOfDay(int hour, int minute, int second) { return hour * 3600 + minute * 60 + second; }

// Monday-first index into the day arrays; DateTime counts from Sunday.
int mondayFirstIndex(const DateTime& now) { return now.dayOfWeek == 0 ? 6 : now.dayOfWeek - 1; }

// True when the rule fires now. A stamp that lies ahead of the clock by more than the window
// means the clock was set back: forget it so the rule can fire again when its time comes.
bool ruleFires(DateTime& lastFired, const TimeOfDay& time, bool dayTicked, const DateTime& now) {
    if (secondsBetween(lastFired, now) < -shutdownRuleWindowSeconds) lastFired = resetStamp();
    if (!dayTicked) return false;
    const int ruleSecond = secondOfDay(time.hour, time.minute, time.second);
    const int nowSecond = secondOfDay(now.hour, now.minute, now.second);
    if (nowSecond < ruleSecond || nowSecond >= ruleSecond + shutdownRuleWindowSeconds) return false;
    DateTime candidate = now;
    candidate.hour = static_cast<std::uint16_t>(time.hour);
    candidate.minute = static_cast<std::uint16_t>(time.minute);
    candidate.second = static_cast<std::uint16_t>(time.second);
    if (millisecondsBetween(lastFired, candidate) <= 0) return false;
    lastFired = candidate;
    return true;
}

}  // namespace

PowerRuleStamps neverFiredStamps() { return {resetStamp(), resetStamp(), resetStamp()}; }

PowerRuleFiring dueShutdownRule(const SettingsRecord& settings, PowerRuleStamps& stamps, DateTime now) {
    now.milliseconds = 0;
    const int day = mondayFirstIndex(now);
    if (settings.dailyShutdownOn != 0 && ruleFires(stamps.dailyShutdownLastFired, settings.dailyShutdownTime, true, now))
        return {PowerRule::dailyShutdown, shutdownMode};
    if (settings.weeklyShutdownOn != 0 &&
        ruleFires(stamps.weeklyShutdownLastFired, settings.weeklyShutdownTime, settings.weeklyShutdownDays[day] != 0, now))
        return {PowerRule::weeklyShutdown, shutdownMode};
    if (settings.restartOn != 0 &&
        ruleFires(stamps.restartLastFired, settings.restartTime, settings.restartDays[day] != 0, now))
        return {PowerRule::restart, restartMode};
    return {};
}

std::u16string dailyRuleText(const TimeOfDay& time) { return timeOfDayText(time); }

std::u16string weekdayRuleText(const std::int32_t (&days)[7], const TimeOfDay& time) {
    std::u16string digits;
    for (int i = 0; i < 7; ++i)
        if (days[i] != 0) digits.push_back(static_cast<char16_t>(u'1' + i));
    if (digits.empty()) return {};
    return formatText(u"%s (周%s)", {timeOfDayText(time), digits});
}
