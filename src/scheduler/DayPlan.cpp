#include "scheduler/DayPlan.h"

#include <bitset>
#include <memory>
#include <random>
#include <string>

#include "audio/DefaultDevice.h"
#include "data/Text.h"
#include "scheduler/Scheduler.h"

namespace {

constexpr int secondsPerDay = 86400;

// Nothing is ever played: the plan runs the dispatch only, never a job.
class NoPlayers : public AudioPlayerFactory {
public:
    std::unique_ptr<AudioPlayer> create() override { return nullptr; }
};

class StartRecorder : public NowPlayingView {
public:
    std::vector<std::u16string> started;
    void appendRow(std::u16string_view name) override { started.emplace_back(name); }
    void setCell(int, int, std::u16string_view) override {}
    void deleteRow(int) override {}
    void clear() override {}
};

// The seconds of the day at which some start window is open. At any other second no program
// can start, and with the clock only moving forward nothing else changes, so the plan skips them.
std::unique_ptr<std::bitset<secondsPerDay>> openWindows(const std::vector<ProgramRecord>& programs) {
    auto open = std::make_unique<std::bitset<secondsPerDay>>();
    for (const ProgramRecord& program : programs) {
        if (program.disabled != 0) continue;
        const int window = program.countMode != 0 ? countModeWindowSeconds : program.seconds;
        for (int i = 0; i < program.startTimeCount && i < maxStartTimes; ++i) {
            const TimeOfDay& t = program.startTimes[i];
            const int start = t.hour * 3600 + t.minute * 60 + t.second;
            for (int s = start; s < secondsPerDay && s < start + window; ++s) open->set(static_cast<std::size_t>(s));
        }
    }
    return open;
}

// Why a program that does not start stays silent: the first rule that stops it at one of its
// start times; a holiday that covers only some hours may let another start through.
Eligibility silenceOf(const ProgramRecord& program, int year, int month, int day,
                      const std::vector<HolidayRecord>& holidays, const std::vector<ShiftDayRecord>& shiftDays) {
    if (program.disabled != 0) return Eligibility{EligibilityRule::disabled, -1};
    for (int i = 0; i < program.startTimeCount && i < maxStartTimes; ++i) {
        const Eligibility why =
            eligibilityOf(program, dateTimeAt(year, month, day, program.startTimes[i]), holidays, shiftDays);
        if (why.rule != EligibilityRule::eligible) return why;
    }
    return Eligibility{};
}

// The scheduler run second by second from `from` to `to` wherever a start window is open, the
// programs' last starts as given; it stops at the first start when `firstOnly`.
std::vector<PlannedStart> runScheduler(FileSystem& fs, std::vector<ProgramRecord>& programs,
                                       const std::vector<HolidayRecord>& holidays,
                                       const std::vector<ShiftDayRecord>& shiftDays, const DateTime& from,
                                       const DateTime& to, bool firstOnly) {
    const auto open = openWindows(programs);

    NoPlayers players;
    StartRecorder starts;
    NoProgramList list;
    std::mt19937 random;
    JobServices services{players,
                         starts,
                         fs,
                         [](char16_t) { return false; },
                         [](const DateTime&, std::u16string_view) {},
                         [](AudioResult) { return PlayErrorKind::FormatProblem; },
                         [](AudioResult) { return std::u16string(); },
                         [](int) {},
                         [&from] { return from; },
                         random,
                         std::u16string(defaultDeviceName),
                         DuckSettings{},
                         false};
    TimedPlay play;
    Schedule schedule{programs, holidays, shiftDays, list};

    std::vector<PlannedStart> plan;
    for (DateTime now = from; millisecondsBetween(now, to) >= 0; now = addSeconds(now, 1)) {
        if (!open->test(static_cast<std::size_t>(now.hour * 3600 + now.minute * 60 + now.second))) continue;
        checkDuePrograms(schedule, play, services, now);
        for (const std::u16string& name : starts.started) plan.push_back({now, findProgramByName(programs, name)});
        starts.started.clear();
        if (firstOnly && !plan.empty()) break;
        // The jobs themselves never run here; who starts does not depend on what plays.
        play.nowPlaying.clear();
    }
    return plan;
}

}  // namespace

std::vector<PlannedStart> plannedStarts(FileSystem& fs, std::vector<ProgramRecord> programs,
                                        const std::vector<HolidayRecord>& holidays,
                                        const std::vector<ShiftDayRecord>& shiftDays, const DateTime& from,
                                        const DateTime& to) {
    for (ProgramRecord& program : programs) program.lastStart = resetStamp();
    return runScheduler(fs, programs, holidays, shiftDays, from, to, false);
}

std::optional<PlannedStart> nextPlannedStart(FileSystem& fs, std::vector<ProgramRecord> programs,
                                             const std::vector<HolidayRecord>& holidays,
                                             const std::vector<ShiftDayRecord>& shiftDays, const DateTime& now,
                                             int horizonSeconds) {
    const std::vector<PlannedStart> first =
        runScheduler(fs, programs, holidays, shiftDays, addSeconds(now, 1), addSeconds(now, horizonSeconds), true);
    if (first.empty()) return std::nullopt;
    return first.front();
}

DayPlan dayPlan(FileSystem& fs, const std::vector<ProgramRecord>& programs, const std::vector<HolidayRecord>& holidays,
                const std::vector<ShiftDayRecord>& shiftDays, int year, int month, int day) {
    DayPlan plan;
    const DateTime from = dateTimeAt(year, month, day, TimeOfDay{0, 0, 0});
    plan.starts = plannedStarts(fs, programs, holidays, shiftDays, from, dateTimeAt(year, month, day, TimeOfDay{23, 59, 59}));
    for (std::size_t i = 0; i < shiftDays.size() && plan.shiftDayIndex < 0; ++i) {
        const ShiftDayRecord& shift = shiftDays[i];
        if (shift.disabled == 0 && shift.aYear == year && shift.aMonth == month && shift.aDay == day &&
            isValidDate(shift.bYear, shift.bMonth, shift.bDay)) {
            plan.shiftDayIndex = static_cast<int>(i);
        }
    }
    for (int hour = 0; hour < 24 && plan.holidayIndex < 0; ++hour) {
        plan.holidayIndex = holidayInForceIndex(holidays, dateTimeAt(year, month, day, TimeOfDay{hour, 0, 0}));
    }
    std::vector<bool> starts(programs.size(), false);
    for (const PlannedStart& start : plan.starts) {
        if (start.program >= 0) starts[static_cast<std::size_t>(start.program)] = true;
    }
    for (std::size_t i = 0; i < programs.size(); ++i) {
        if (starts[i]) continue;
        plan.silent.push_back({static_cast<int>(i), silenceOf(programs[i], year, month, day, holidays, shiftDays)});
    }
    return plan;
}
