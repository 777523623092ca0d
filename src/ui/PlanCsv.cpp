#include "ui/PlanCsv.h"

#include "data/Text.h"
#include "ui/HolidayCells.h"

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

void appendRow(std::string& csv, std::initializer_list<std::u16string_view> cells) {
    bool first = true;
    for (const std::u16string_view cell : cells) {
        if (!first) csv += ',';
        first = false;
        csv += csvField(cell);
    }
    csv += "\r\n";
}

}  // namespace

std::string csvField(std::u16string_view text) {
    std::u16string value;
    if (!text.empty() && std::u16string_view(u"=+-@").find(text.front()) != std::u16string_view::npos) value += u'\'';
    value += text;
    if (value.find_first_of(u",\"\r\n") == std::u16string::npos) return toUtf8(value);
    std::u16string quoted = u"\"";
    for (const char16_t c : value) {
        if (c == u'"') quoted += u'"';
        quoted += c;
    }
    quoted += u'"';
    return toUtf8(quoted);
}

std::string planCsv(const std::vector<PlannedDay>& days, const PlanLists& lists) {
    std::string csv(byteOrderMark);
    appendRow(csv, {u"日期", u"时间", u"节目名称", u"播放内容", u"时长", u"播放方式", u"当日安排"});
    for (const PlannedDay& day : days) {
        const std::u16string date = dateWeekdayText(day.year, day.month, day.day);
        const std::u16string governing = planGoverningText(day.plan, lists);
        if (day.plan.starts.empty()) {
            appendRow(csv, {date, u"", u"（这一天没有节目播放）", u"", u"", u"", governing});
            continue;
        }
        for (const PlannedStart& start : day.plan.starts) {
            const PlanStartCells cells = planStartCells(start, lists);
            appendRow(csv, {date, cells[0], cells[1], cells[2], cells[3], cells[4], governing});
        }
    }
    return csv;
}

std::u16string planCsvName(int year, int month, int day, int dayCount) {
    std::u16string name = u"播放计划 ";
    name += dateText(year, month, day);
    if (dayCount > 1) name.append(u" 起").append(formatNumber(dayCount)).append(u"天");
    name += u".csv";
    return name;
}
