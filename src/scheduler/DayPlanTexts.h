#pragma once
// The texts of a day's plan as the plan view, its export and the web console show them: what
// governs the day, one row per start, and why each other program stays silent that day.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "scheduler/DayPlan.h"

inline constexpr std::size_t planStartColumnCount = 5;

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
