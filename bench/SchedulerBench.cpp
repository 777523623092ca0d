// Whole scheduler ticks: the worst case (every program with 512 start times, full holiday
// and shift-day lists, nothing due), a typical school day, and lvtxctl's plan of one day.
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "audio/DefaultDevice.h"
#include "data/Text.h"
#include "data/posix/PosixFileSystem.h"
#include "lvtxctl/SchedulePlan.h"
#include "scheduler/Scheduler.h"

namespace {

// Wednesday 2024-11-13, mid-morning.
constexpr DateTime tickTime{2024, 11, 3, 13, 10, 30, 15, 0};

class SilentPlayers : public AudioPlayerFactory {
public:
    std::unique_ptr<AudioPlayer> create() override { return nullptr; }
};

class NoRows : public NowPlayingView {
public:
    void appendRow(std::u16string_view) override {}
    void setCell(int, int, std::u16string_view) override {}
    void deleteRow(int) override {}
    void clear() override {}
};

// The page keeps the cell texts; an unchanged cell costs one read.
class CellList : public ProgramListView {
public:
    std::vector<std::u16string> cells = std::vector<std::u16string>(maxPrograms, u"√");
    std::u16string validityText(int row) override { return cells[row]; }
    void setValidityText(int row, std::u16string_view text) override { cells[row] = text; }
};

struct Calendar {
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
};

// Start times spread over the day but never within a window at the tick's time.
ProgramRecord programWithStarts(int index, int starts) {
    ProgramRecord program = defaultProgram();
    setFixed(program.name, u"节目" + formatNumber(index));
    program.startTimeCount = starts;
    for (int i = 0; i < starts; ++i) {
        const int second = (i * 86400 / starts + 3600) % 86400;
        program.startTimes[i] = TimeOfDay{second / 3600, second / 60 % 60, second % 60};
    }
    program.dateRange = DateHourRange{2024, 9, 1, 0, 2025, 7, 15, 24};
    return program;
}

Calendar worstCase() {
    Calendar calendar;
    for (int i = 0; i < maxPrograms; ++i) calendar.programs.push_back(programWithStarts(i, maxStartTimes));
    for (int i = 0; i < maxHolidays; ++i) {
        HolidayRecord holiday{};
        setFixed(holiday.name, u"假日" + formatNumber(i));
        const int year = 2023 + i / 32;
        holiday.range = DateHourRange{year, 1 + i % 12, 1 + i % 25, 0, year, 1 + i % 12, 3 + i % 25, 24};
        calendar.holidays.push_back(holiday);
    }
    for (int i = 0; i < maxShiftDays; ++i) {
        const int year = 2023 + i / 32;
        calendar.shiftDays.push_back(ShiftDayRecord{year, 1 + i % 12, 1 + i % 28, year, 1 + i % 12, 28 - i % 28, 0, {}});
    }
    return calendar;
}

Calendar schoolDay() {
    Calendar calendar;
    for (int i = 0; i < 20; ++i) calendar.programs.push_back(programWithStarts(i, 8));
    calendar.holidays.push_back(HolidayRecord{{u'国', u'庆'}, 0, DateHourRange{2024, 10, 1, 0, 2024, 10, 7, 24}});
    calendar.holidays.push_back(HolidayRecord{{u'元', u'旦'}, 0, DateHourRange{2025, 1, 1, 0, 2025, 1, 1, 24}});
    calendar.holidays.push_back(HolidayRecord{{u'寒', u'假'}, 0, DateHourRange{2025, 1, 18, 0, 2025, 2, 16, 24}});
    return calendar;
}

void runTicks(benchmark::State& state, Calendar calendar) {
    PosixFileSystem fs;
    SilentPlayers players;
    NoRows rows;
    CellList cells;
    std::mt19937 random;
    JobServices services{players, rows, fs, {}, {}, {}, {}, {}, {}, random, std::u16string(defaultDeviceName),
                         {}, false};
    TimedPlay play;
    Schedule schedule{calendar.programs, calendar.holidays, calendar.shiftDays, cells};
    for (auto _ : state) {
        checkDuePrograms(schedule, play, services, tickTime);
        if (!play.nowPlaying.empty()) {
            state.SkipWithError("a program was due: the benchmark measures the search, not a start");
            break;
        }
    }
}

void worstCaseTick(benchmark::State& state) {
    runTicks(state, worstCase());
}
BENCHMARK(worstCaseTick)->Unit(benchmark::kMicrosecond);

void schoolDayTick(benchmark::State& state) {
    runTicks(state, schoolDay());
}
BENCHMARK(schoolDayTick)->Unit(benchmark::kMicrosecond);

// lvtxctl plan over one day of 256 programs with 16 start times each.
void planOfALargeDay(benchmark::State& state) {
    PosixFileSystem fs;
    Calendar calendar = worstCase();
    for (int i = 0; i < maxPrograms; ++i) calendar.programs[i] = programWithStarts(i, 16);
    const DateTime from{2024, 11, 3, 13, 0, 0, 0, 0};
    const DateTime to{2024, 11, 3, 13, 23, 59, 59, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedulePlan(fs, calendar.programs, calendar.holidays, calendar.shiftDays, from, to));
    }
}
BENCHMARK(planOfALargeDay)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
