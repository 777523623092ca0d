#include "lvtxctl/SchedulePlan.h"

#include <bitset>
#include <memory>
#include <random>

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

std::string stampText(const DateTime& t) {
    return toUtf8(formatNumber(t.year, 4) + u"-" + formatNumber(t.month, 2) + u"-" + formatNumber(t.day, 2) + u" " +
                  formatNumber(t.hour, 2) + u":" + formatNumber(t.minute, 2) + u":" + formatNumber(t.second, 2));
}

}  // namespace

std::string schedulePlan(FileSystem& fs, std::vector<ProgramRecord> programs,
                         const std::vector<HolidayRecord>& holidays, const std::vector<ShiftDayRecord>& shiftDays,
                         const DateTime& from, const DateTime& to) {
    for (ProgramRecord& program : programs) program.lastStart = resetStamp();
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

    std::string plan;
    for (DateTime now = from; millisecondsBetween(now, to) >= 0; now = addSeconds(now, 1)) {
        if (!open->test(static_cast<std::size_t>(now.hour * 3600 + now.minute * 60 + now.second))) continue;
        checkDuePrograms(schedule, play, services, now);
        for (const std::u16string& name : starts.started) plan += stampText(now) + "\t" + toUtf8(name) + "\n";
        starts.started.clear();
        // The jobs themselves never run here; who starts does not depend on what plays.
        play.nowPlaying.clear();
    }
    return plan;
}
