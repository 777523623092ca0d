#pragma once
// A day's plan, or several days', as CSV for the staff room: UTF-8 with a byte-order mark so
// that spreadsheet programs keep the Chinese, CRLF line ends, one row per start.
#include <string>
#include <string_view>
#include <vector>

#include "scheduler/DayPlanTexts.h"

struct PlannedDay {
    int year;
    int month;
    int day;
    DayPlan plan;
};

// The header row, then each day's starts in time order. A day without any start keeps one row,
// so that the sheet still tells why it stays silent (its governing shift day or holiday).
std::string planCsv(const std::vector<PlannedDay>& days, const PlanLists& lists);

// One field: quoted when it holds a comma, quote or line break. A text that a spreadsheet would
// take for a formula (= + - @ first) gets a leading apostrophe, so a program name never runs.
std::string csvField(std::u16string_view text);

// "播放计划 YYYY-MM-DD.csv", or "播放计划 YYYY-MM-DD 起7天.csv" for several days.
std::u16string planCsvName(int year, int month, int day, int dayCount);
