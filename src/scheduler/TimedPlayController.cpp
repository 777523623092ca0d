#include "scheduler/TimedPlayController.h"

#include <algorithm>

#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "scheduler/PlayLog.h"

namespace {

// Stand-ins while no page lends its lists: the queue and the log file go on without them.
class NoProgramList : public ProgramListView {
public:
    std::u16string validityText(int) override { return {}; }
    void setValidityText(int, std::u16string_view) override {}
};

class NoNowPlaying : public NowPlayingView {
public:
    void appendRow(std::u16string_view) override {}
    void setCell(int, int, std::u16string_view) override {}
    void deleteRow(int) override {}
    void clear() override {}
};

class NoLogRows : public LogView {
public:
    void showLogRow(std::u16string_view, std::u16string_view) override {}
};

NoProgramList noProgramList;
NoNowPlaying noNowPlaying;
NoLogRows noLogRows;

}  // namespace

TimedPlayController::TimedPlayController(TimedPlayData data, TimedPlayPlatform platform)
    : data_(std::move(data)),
      platform_(std::move(platform)),
      programView_(&noProgramList),
      nowPlayingView_(&noNowPlaying),
      logView_(&noLogRows) {}

void TimedPlayController::attachViews(const TimedPlayViews& views) {
    programView_ = &views.programs;
    nowPlayingView_ = &views.nowPlaying;
    logView_ = &views.log;
}

void TimedPlayController::detachViews() {
    programView_ = &noProgramList;
    nowPlayingView_ = &noNowPlaying;
    logView_ = &noLogRows;
}

void TimedPlayController::startTimer() {
    platform_.timer.start(schedulerPeriodMs);
}

void TimedPlayController::stopTimer() {
    platform_.timer.stop();
}

DateTime TimedPlayController::tickTime() const {
    DateTime now = platform_.clock();
    now.milliseconds = 0;
    return now;
}

void TimedPlayController::tick() {
    // A message box opened inside a step pumps the timer; a nested tick would change the queue
    // under the running one.
    if (ticking_) return;
    ticking_ = true;
    Schedule schedule{data_.programs, data_.holidays, data_.shiftDays, *programView_};
    JobServices jobs = services();
    schedulerTick(schedule, data_.play, jobs, tickTime());
    ticking_ = false;
}

void TimedPlayController::audioEvent(const AudioPlayer* player) {
    JobServices jobs = services();
    onJobAudioEvent(data_.play, jobs, player);
}

ReadResult TimedPlayController::loadPrograms(Prompt* owner) {
    return ::loadPrograms({data_.folder, data_.programsFile, owner, &data_.programsReadFailed}, data_.programs);
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
    JobServices jobs = services();
    stopJobsByName(data_.play, jobs, name, reason);
}

void TimedPlayController::playNow(const ProgramRecord& program, int amount) {
    JobServices jobs = services();
    ::playNow(program, amount, data_.play, jobs, platform_.clock());
}

void TimedPlayController::stopSelected(const std::vector<int>& rows) {
    JobServices jobs = services();
    ::stopSelected(rows, data_.play, jobs, platform_.clock());
}

void TimedPlayController::fade(double x) {
    JobServices jobs = services();
    fadeAllJobs(data_.play, jobs, x);
}

JobServices TimedPlayController::services() {
    const SettingsRecord& settings = data_.settings;
    return JobServices{
        platform_.players,
        *nowPlayingView_,
        data_.folder.fs,
        platform_.isNetworkDrive,
        [this](const DateTime& time, std::u16string_view text) { logEvent(time, text); },
        platform_.classify,
        platform_.errorText,
        platform_.sleep,
        platform_.clock,
        data_.random,
        std::u16string(fixedView(settings.outputDevice)),
        DuckSettings{settings.duckPercent, settings.duckFadeOutLength, settings.duckFadeInLength},
        data_.instantActive,
    };
}
