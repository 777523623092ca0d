// One scheduler tick without the start-time search: for every program, the day
// eligibility and the validity cell, against full holiday and shift-day lists. The
// same tick with the range test done by formatting and comparing texts gives the ratio.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "data/DateRange.h"
#include "data/Text.h"
#include "scheduler/Eligibility.h"

namespace {

// Wednesday 2024-11-13, mid-morning.
constexpr DateTime tickTime{2024, 11, 3, 13, 10, 30, 15, 250};

struct Schedule {
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
};

// A school year's worth: every program selected for today and in its range, every holiday
// and shift day on some other date, so each program walks both lists to their ends.
Schedule makeSchedule() {
    Schedule schedule;
    for (int i = 0; i < maxPrograms; ++i) {
        ProgramRecord program = defaultProgram();
        setFixed(program.name, u"节目" + formatNumber(i));
        program.weekdays[5] = 0;
        program.weekdays[6] = 0;
        program.dateRange = DateHourRange{2024, 9, 1, 0, 2025, 7, 15 - i % 10, 24};
        schedule.programs.push_back(program);
    }
    // Four years of them, a few disabled; one ended the night before the tick.
    for (int i = 0; i < maxHolidays; ++i) {
        HolidayRecord holiday{};
        setFixed(holiday.name, u"假日" + formatNumber(i));
        const int year = 2023 + i / 32;
        const int month = 1 + i % 12;
        const int day = 1 + i % 25;
        holiday.range = DateHourRange{year, month, day, 0, year, month, day + 2, 24};
        holiday.disabled = i % 16 == 0 ? 1 : 0;
        schedule.holidays.push_back(holiday);
    }
    for (int i = 0; i < maxShiftDays; ++i) {
        const int year = 2023 + i / 32;
        const int month = 1 + i % 12;
        schedule.shiftDays.push_back(ShiftDayRecord{year, month, 1 + i % 28, year, month, 28 - i % 28, 0, {}});
    }
    return schedule;
}

// programEligible with the range test of the texts, rule for rule.
bool programEligibleByText(const ProgramRecord& program, const DateTime& now, const Schedule& schedule) {
    const DateTime day = applyShiftDay(schedule.shiftDays, now);
    if (dateRangeStatusByText(program.dateRange, day) != RangeStatus::inside) return false;
    if (program.byWeekday != 0) {
        if (program.weekdays[day.dayOfWeek == 0 ? 6 : day.dayOfWeek - 1] == 0) return false;
    } else if (program.monthDays[day.day - 1] == 0) {
        return false;
    }
    for (const HolidayRecord& holiday : schedule.holidays) {
        if (holiday.disabled == 0 && dateRangeStatusByText(holiday.range, now) == RangeStatus::inside) return false;
    }
    return true;
}

std::u16string_view validityCellTextByText(const ProgramRecord& program, const DateTime& now) {
    switch (dateRangeStatusByText(program.dateRange, now)) {
        case RangeStatus::notBegun: return u"未到有效期";
        case RangeStatus::over: return u"已过有效期";
        case RangeStatus::inside: break;
    }
    return u"√";
}

int tick(const Schedule& schedule) {
    int eligible = 0;
    for (const ProgramRecord& program : schedule.programs) {
        eligible += programEligible(program, tickTime, schedule.holidays, schedule.shiftDays) ? 1 : 0;
        benchmark::DoNotOptimize(validityCellText(program, tickTime).data());
    }
    return eligible;
}

int tickByText(const Schedule& schedule) {
    int eligible = 0;
    for (const ProgramRecord& program : schedule.programs) {
        eligible += programEligibleByText(program, tickTime, schedule) ? 1 : 0;
        benchmark::DoNotOptimize(validityCellTextByText(program, tickTime).data());
    }
    return eligible;
}

template <int (*Tick)(const Schedule&)>
void runTick(benchmark::State& state) {
    const Schedule schedule = makeSchedule();
    // Both versions must see the whole schedule eligible, or they measure different work.
    if (tick(schedule) != maxPrograms || tickByText(schedule) != maxPrograms) {
        state.SkipWithError("the sample schedule is not eligible at the tick time");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(Tick(schedule));
    state.SetItemsProcessed(state.iterations() * maxPrograms);
}

void schedulerTick(benchmark::State& state) {
    runTick<tick>(state);
}

void schedulerTickByText(benchmark::State& state) {
    runTick<tickByText>(state);
}

}  // namespace

BENCHMARK(schedulerTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(schedulerTickByText)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
