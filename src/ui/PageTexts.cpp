#include "ui/PageTexts.h"

#include "data/Text.h"

std::u16string duckingText(int duckPercent) {
    std::u16string number = formatNumber(duckPercent);
    if (number.size() < 3) number.insert(0, 3 - number.size(), u' ');
    return u"{立即播}播出时, {定时播}音量降低 " + number + u"%";
}

std::u16string holidayCountsText(std::size_t holidays, std::size_t shiftDays) {
    return formatText(u"已载入: 节假日 %s 个, 调休 %s 个 (节假日不播放; 调休日按所调的日期播放)",
                      {formatNumber(static_cast<std::int64_t>(holidays)),
                       formatNumber(static_cast<std::int64_t>(shiftDays))});
}
