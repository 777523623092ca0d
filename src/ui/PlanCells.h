#pragma once
// The texts of a day's plan as the plan view, its export and the web console show them: what
// governs the day, one row per start, and why each other program stays silent that day.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "scheduler/DayPlan.h"
#include "ui/ListColumns.h"

inline constexpr std::size_t planStartColumnCount = 5;

// Widths in pixels at 100 % display scaling.
inline constexpr std::array<ListColumn, planStartColumnCount> planStartColumns{{
    {u"时间", 70, ColumnAlign::left},
    {u"节目名称", 160, ColumnAlign::left},
    {u"播放内容", 250, ColumnAlign::left},
    {u"时长(遍首秒)", 90, ColumnAlign::right},
    {u"播放方式", 90, ColumnAlign::left},
}};
inline constexpr std::array<ListColumn, 2> planSilentColumns{{
    {u"节目名称", 160, ColumnAlign::left},
    {u"不播原因", 500, ColumnAlign::left},
}};

// The lists a plan was made from; the plan's indexes point into them.
struct PlanLists {
    const std::vector<ProgramRecord>& programs;
    const std::vector<HolidayRecord>& holidays;
    const std::vector<ShiftDayRecord>& shiftDays;
};

// "调休：按 YYYY-MM-DD 的安排播放" for a shift day, "节假日：name（start ~ end）" for a holiday in
// force, both joined by "；" when both hold; empty on an ordinary day.
std::u16string planGoverningText(const DayPlan& plan, const PlanLists& lists);

// Delayable programs wait in the queue behind what plays; the others stop it and start on time.
std::u16string_view playModeText(const ProgramRecord& program);

// Time, program, file or folder, duration, play mode.
using PlanStartCells = std::array<std::u16string, planStartColumnCount>;
PlanStartCells planStartCells(const PlannedStart& start, const PlanLists& lists);

// Why the program stays silent, e.g. "已禁用", "节假日：运动会", "非所选周几（每周:12345）".
std::u16string silenceReasonText(const SilentProgram& silent, const PlanLists& lists);
