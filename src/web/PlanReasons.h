#pragma once
// Why a program stays silent on a day, in the operator's words. Kept apart and small: the
// program list's own wording of these reasons (ui) takes its place once the console can use it.
#include <string>
#include <vector>

#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"
#include "scheduler/DayPlan.h"

std::u16string silentReasonText(const SilentProgram& silent, const std::vector<ProgramRecord>& programs,
                                const std::vector<HolidayRecord>& holidays);
