#include "ui/StartTimeList.h"

#include <algorithm>

#include "data/ProgramRecord.h"
#include "data/Text.h"
#include "ui/ProgramCells.h"

StartTimeList::StartTimeList(const std::vector<TimeOfDay>& times) {
    for (const TimeOfDay& time : times) add(time);
}

StartTimeList::Added StartTimeList::add(const TimeOfDay& time) {
    const std::u16string text = timeOfDayText(time);
    const auto at = std::lower_bound(texts_.begin(), texts_.end(), text);
    const int index = static_cast<int>(at - texts_.begin());
    if (at != texts_.end() && *at == text) return {index, true};
    texts_.insert(at, text);
    return {index, false};
}

void StartTimeList::remove(std::vector<int> indexes) {
    std::sort(indexes.rbegin(), indexes.rend());
    for (const int index : indexes) {
        if (index >= 0 && static_cast<std::size_t>(index) < texts_.size()) texts_.erase(texts_.begin() + index);
    }
}

std::variant<std::vector<TimeOfDay>, std::u16string> StartTimeList::finish() const {
    if (texts_.size() > static_cast<std::size_t>(maxStartTimes)) {
        return formatText(u"最多 %s 个时间点\n\n现已超出", {formatNumber(maxStartTimes)});
    }
    std::vector<TimeOfDay> times;
    for (const std::u16string& text : texts_) {
        if (text.size() < 8) continue;
        const auto number = [&](std::size_t at) {
            const char16_t high = text[at];
            const char16_t low = text[at + 1];
            if (high < u'0' || high > u'9' || low < u'0' || low > u'9') return -1;
            return (high - u'0') * 10 + (low - u'0');
        };
        const TimeOfDay time{number(0), number(3), number(6)};
        if (isValidTimeOfDay(time)) times.push_back(time);
    }
    return times;
}

std::variant<std::vector<TimeOfDay>, BatchFailure> generateStartTimes(const DateTime& from, const DateTime& to,
                                                                      std::u16string_view intervalText) {
    if (millisecondsBetween(from, to) < 0) return BatchFailure{u"时间范围无效", MessageIcon::warning, std::nullopt};
    const auto minutes = validateDecimal(intervalText, 2, 0.2, 1440);
    if (!minutes) return BatchFailure{u"时间间隔无效", MessageIcon::warning, BatchField::interval};
    // Hundredths of a minute are exact in integers: 1.01 minutes is 60.6 s, so 60 s.
    const auto hundredths = static_cast<std::int64_t>(*minutes * 100 + 0.5);
    const std::int64_t step = hundredths * 60 / 100;
    std::vector<TimeOfDay> times;
    for (DateTime t = from; millisecondsBetween(t, to) >= 0; t = addSeconds(t, step)) {
        times.push_back(TimeOfDay{t.hour, t.minute, t.second});
    }
    return times;
}

std::u16string editorStartTimeSummary(const std::vector<TimeOfDay>& times) {
    std::u16string summary = startTimeSummary(times);
    if (times.size() == 1) summary += u"      <可多个:如打铃>";
    return summary;
}
