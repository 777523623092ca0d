#include "scheduler/TimedPlayController.h"

#include <algorithm>
#include <cstring>

#include "audio/JobTexts.h"
#include "data/Text.h"
#include "scheduler/PlayLog.h"

namespace {

// Stand-ins while no page lends its lists: the queue and the log file go on without them.
class NoLogRows : public LogView {
public:
    void showLogRow(std::u16string_view, std::u16string_view) override {}
};

NoProgramList noProgramList;
NoLogRows noLogRows;

// The job's copy against the listed program, apart from the last start and a play-now's amount.
bool playsAsListed(const PlayJob& job, const ProgramRecord& listed) {
    ProgramRecord copy = job.program;
    copy.lastStart = listed.lastStart;
    if (job.manual) {
        copy.songCount = listed.songCount;
        copy.seconds = listed.seconds;
    }
    return std::memcmp(&copy, &listed, sizeof copy) == 0;
}

}  // namespace

TimedPlayController::TimedPlayController(TimedPlayData data, EnginePlatform platform)
    : data_(std::move(data)),
      platform_(std::move(platform)),
      programView_(&noProgramList),
      logView_(&noLogRows),
      services_{platform_.players,
                nowPlaying_,
                data_.folder.fs,
                platform_.isNetworkDrive,
                [this](const DateTime& time, std::u16string_view text) { logEvent(time, text); },
                platform_.classify,
                platform_.errorText,
                platform_.sleep,
                platform_.clock,
                data_.random,
                {},
                {},
                false} {}

void TimedPlayController::attachViews(const TimedPlayViews& views) {
    programView_ = &views.programs;
    nowPlaying_.list = &views.nowPlaying;
    logView_ = &views.log;
}

void TimedPlayController::detachViews() {
    programView_ = &noProgramList;
    nowPlaying_.list = nullptr;
    logView_ = &noLogRows;
}

void TimedPlayController::startTimer() {
    platform_.timer.start(schedulerPeriodMs);
}

void TimedPlayController::stopTimer() {
    platform_.timer.stop();
}

void TimedPlayController::tick() {
    runUnlessRunning(ticking_, [this] {
        Schedule schedule{data_.programs, data_.holidays, data_.shiftDays, *programView_};
        schedulerTick(schedule, data_.play, services(), tickTimeOf(platform_));
    });
}

void TimedPlayController::audioEvent(const AudioPlayer* player) {
    onJobAudioEvent(data_.play, services(), player);
}

void TimedPlayController::logEvent(const DateTime& time, std::u16string_view text) {
    ::logEvent(*logView_, data_.folder, data_.logFile, time, text);
}

bool TimedPlayController::isPlaying(std::u16string_view name) const {
    const std::vector<PlayJob>& jobs = data_.play.nowPlaying;
    return std::any_of(jobs.begin(), jobs.end(),
                       [&](const PlayJob& job) { return equalsNoCase(fixedView(job.program.name), name); });
}

void TimedPlayController::stopByName(std::u16string_view name, std::u16string_view reason) {
    stopJobsByName(data_.play, services(), name, reason);
}

void TimedPlayController::stopPlaysOfReplacedPrograms() {
    const DateTime now = platform_.clock();
    std::vector<PlayJob>& queue = data_.play.nowPlaying;
    for (std::size_t i = 0; i < queue.size();) {
        const int listed = findProgramByName(data_.programs, fixedView(queue[i].program.name));
        if (listed >= 0 && playsAsListed(queue[i], data_.programs[static_cast<std::size_t>(listed)])) {
            ++i;
            continue;
        }
        stopJob(data_.play, services(), i, listed < 0 ? deletedReason : userStopReason, userStopFadeMs, now);
    }
}

void TimedPlayController::playNow(const ProgramRecord& program, int amount) {
    ::playNow(program, amount, data_.play, services(), platform_.clock());
}

void TimedPlayController::stopSelected(const std::vector<int>& rows) {
    ::stopSelected(rows, data_.play, services(), platform_.clock());
}

void TimedPlayController::fade(double x) {
    fadeAllJobs(data_.play, services(), x);
}

JobServices& TimedPlayController::services() {
    JobServices& services = services_;
    const SettingsRecord& settings = data_.settings;
    const std::u16string_view device = fixedView(settings.outputDevice);
    if (services.outputDevice != device) services.outputDevice.assign(device);
    services.duck = DuckSettings{settings.duckPercent, settings.duckFadeOutLength, settings.duckFadeInLength};
    services.instantActive = data_.instantActive;
    return services;
}

void TimedPlayController::LentNowPlaying::appendRow(std::u16string_view name) {
    rows.push_back({std::u16string(name), {}, {}});
    if (list) list->appendRow(name);
}

void TimedPlayController::LentNowPlaying::setCell(int row, int column, std::u16string_view text) {
    if (row >= 0 && static_cast<std::size_t>(row) < rows.size() && column >= 0 &&
        static_cast<std::size_t>(column) < std::tuple_size_v<NowPlayingRow>) {
        rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    }
    if (list) list->setCell(row, column, text);
}

void TimedPlayController::LentNowPlaying::deleteRow(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < rows.size()) rows.erase(rows.begin() + row);
    if (list) list->deleteRow(row);
}

void TimedPlayController::LentNowPlaying::clear() {
    rows.clear();
    if (list) list->clear();
}
