#include <algorithm>
#include <cmath>

#include "audio/JobTexts.h"
#include "audio/PlayJob.h"
#include "audio/PlayerSteps.h"
#include "data/Text.h"

namespace {

// Folder songs failing one after another end the job at this many.
constexpr int failuresEndingJob = 3;

// The sound level in percent; `exitFactor` is the fade of all sound when the program exits.
double levelOf(const PlayJob& job, double duckFactor, double exitFactor = 1.0) {
    return job.program.volume * exitFactor * duckFactor * job.fadeFactor;
}

void setLevel(PlayJob& job, double duckFactor, double exitFactor = 1.0) {
    setPlayerLevel(*job.player, levelOf(job, duckFactor, exitFactor));
}

bool failedTooOften(const PlayJob& job) {
    return job.consecutiveFailures >= failuresEndingJob;
}

std::u16string countText(int played, int total, bool file) {
    return formatNumber(played) + u" / " + formatNumber(total) + (file ? u"遍" : u"首");
}

// The progress of a seconds-mode job changes once a second: the other ticks leave the cell alone.
void showProgress(JobServices& services, PlayJob& job, int row, std::int64_t elapsed) {
    const auto seconds = static_cast<std::int32_t>(elapsed);
    if (job.shownSeconds == seconds) return;
    services.view.setCell(row, progressColumn, formatProgress(job.program.seconds, seconds));
    job.shownSeconds = seconds;
}

void removeJob(TimedPlay& play, JobServices& services, std::size_t index) {
    destroyPlayer(play.nowPlaying[index].player);
    services.view.deleteRow(static_cast<int>(index));
    play.nowPlaying.erase(play.nowPlaying.begin() + static_cast<std::ptrdiff_t>(index));
}

// Opens and runs `path` for the job; on failure returns false with the log text in `failure`.
bool openAndRun(TimedPlay& play, JobServices& services, PlayJob& job, const std::u16string& path,
                std::u16string_view song, std::u16string& failure) {
    SilentStart start = startSilent(services.players, path, services.outputDevice);
    if (!start.player) {
        const PlayErrorKind kind = start.openFailed ? services.classify(start.failure) : PlayErrorKind::FormatProblem;
        failure = jobText::openFailed(jobPrefix(job), kind, song,
                                      kind == PlayErrorKind::FormatProblem ? services.errorText(start.failure) : u"");
        return false;
    }
    job.player = std::move(start.player);
    rampIn(*job.player, levelOf(job, play.timedDuckFactor), services.sleep);
    return true;
}

bool startFileSong(TimedPlay& play, JobServices& services, PlayJob& job, const DateTime& now) {
    const std::u16string path(fixedView(job.program.path));
    if (auto problem = checkAudioPath(services.fs, services.isNetworkDrive, path, audioFileLabel, false)) {
        services.log(now, jobText::badPath(jobPrefix(job), *problem, path, false));
        return false;
    }
    std::u16string failure;
    if (!openAndRun(play, services, job, path, u"", failure)) {
        services.log(now, failure);
        return false;
    }
    services.log(now, jobText::started(jobPrefix(job)));
    return true;
}

bool startFolderSong(TimedPlay& play, JobServices& services, PlayJob& job, bool isFirst, const DateTime& now) {
    destroyPlayer(job.player);
    const std::u16string folder(fixedView(job.program.path));
    if (auto problem = checkAudioPath(services.fs, services.isNetworkDrive, folder, audioFolderLabel, true)) {
        services.log(now, jobText::badPath(jobPrefix(job), *problem, folder, true));
        return false;
    }
    for (;;) {
        FolderEntry song;
        const int picked = pickFolderSong(job, services.fs, services.random, song);
        if (picked == 0) {
            services.log(now, jobText::noAudioInFolder(jobPrefix(job)));
            return false;
        }
        if (picked < 0) {
            services.log(now, jobText::allSongsFailed(jobPrefix(job)));
            return false;
        }
        std::u16string failure;
        if (openAndRun(play, services, job, song.path, song.name, failure)) {
            services.log(now, isFirst ? jobText::startedSong(jobPrefix(job), song.name)
                                      : jobText::switchedSong(jobPrefix(job), song.name));
            job.playedSongs.push_back(std::move(song));
            return true;
        }
        services.log(now, failure);
        job.failedSongs.push_back(std::move(song));
        ++job.consecutiveFailures;
        isFirst = false;
        if (failedTooOften(job)) {
            services.log(now, jobText::tooManyFailures(jobPrefix(job)));
            return false;
        }
    }
}

// A finished play of a single file starts again from the beginning. Stopping first makes
// the graph report the position afresh after the end of the stream.
void replayFile(TimedPlay& play, JobServices& services, PlayJob& job) {
    services.sleep(0);
    job.player->setAttenuation(silentAttenuation);
    job.player->stop();
    job.player->seekMs(0);
    job.player->run();
    rampIn(*job.player, levelOf(job, play.timedDuckFactor), services.sleep);
}

bool moveDuckFactor(TimedPlay& play, const JobServices& services) {
    const double target = duckTarget(services.duck, services.instantActive);
    double& factor = play.timedDuckFactor;
    if (factor == target) return false;
    factor = factor > target ? std::max(target, factor - 0.05 / services.duck.fadeOutLength)
                             : std::min(target, factor + 0.05 / services.duck.fadeInLength);
    // Rounding must not leave a sliver of a step for one more tick.
    if (std::abs(factor - target) < 1e-9) factor = target;
    return true;
}

enum class Next { keep, remove };

Next advanceCountJob(TimedPlay& play, JobServices& services, std::size_t index, bool duckChanged,
                     const DateTime& now) {
    PlayJob& job = play.nowPlaying[index];
    const int row = static_cast<int>(index);
    if (duckChanged) setLevel(job, play.timedDuckFactor);
    if (!job.player->isAtEnd()) return Next::keep;
    if (job.playedCount >= job.program.songCount) {
        services.log(now, jobText::ended(jobPrefix(job)));
        return Next::remove;
    }
    if (job.program.isFile) {
        replayFile(play, services, job);
        ++job.playedCount;
        services.view.setCell(row, progressColumn, countText(job.playedCount, job.program.songCount, true));
        return Next::keep;
    }
    job.consecutiveFailures = 0;
    if (!startFolderSong(play, services, job, false, now)) return Next::remove;
    ++job.playedCount;
    services.view.setCell(row, progressColumn, countText(job.playedCount, job.program.songCount, false));
    services.view.setCell(row, songColumn, job.playedSongs.back().name);
    return Next::keep;
}

Next advanceSecondsJob(TimedPlay& play, JobServices& services, std::size_t index, bool duckChanged,
                       std::int64_t elapsed, const DateTime& now) {
    PlayJob& job = play.nowPlaying[index];
    const int row = static_cast<int>(index);
    showProgress(services, job, row, elapsed);
    if (duckChanged && job.fadeFactor >= 1) setLevel(job, play.timedDuckFactor);

    const int length = std::min(job.program.seconds, endFadeSeconds);
    if (job.fadeFactor < 1) {
        job.fadeFactor = lowerEndFade(job.fadeFactor, length);
        setLevel(job, play.timedDuckFactor);
        if (job.fadeFactor <= 0) {
            services.log(now, jobText::ended(jobPrefix(job)));
            return Next::remove;
        }
    } else if (elapsed >= job.program.seconds - length) {
        job.fadeFactor = 0.999;
    }

    if (!job.player->isAtEnd()) return Next::keep;
    if (job.program.isFile) {
        replayFile(play, services, job);
        return Next::keep;
    }
    job.consecutiveFailures = 0;
    if (!startFolderSong(play, services, job, false, now)) return Next::remove;
    ++job.playedCount;
    services.view.setCell(row, songColumn, job.playedSongs.back().name);
    return Next::keep;
}

}  // namespace

PlayJob makeJob(const ProgramRecord& program, bool manual) {
    PlayJob job;
    job.program = program;
    job.manual = manual;
    return job;
}

std::u16string jobPrefix(const PlayJob& job) {
    std::u16string prefix(fixedView(job.program.name));
    if (job.manual) prefix += u"(手动)";
    return prefix;
}

double duckTarget(const DuckSettings& duck, bool instantActive) {
    return instantActive ? (100 - duck.duckPercent) / 100.0 : 1.0;
}

void appendJob(TimedPlay& play, JobServices& services, PlayJob job) {
    services.view.appendRow(jobPrefix(job));
    play.nowPlaying.push_back(std::move(job));
}

void advanceJobs(TimedPlay& play, JobServices& services, const DateTime& now) {
    const bool duckChanged = moveDuckFactor(play, services);
    for (std::size_t i = 0; i < play.nowPlaying.size();) {
        PlayJob& job = play.nowPlaying[i];
        const std::int64_t elapsed = secondsBetween(job.program.lastStart, now);
        const bool secondsMode = job.program.countMode == 0;

        if (secondsMode && elapsed < -clockBackToleranceSeconds) {
            services.log(now, jobText::clockWentBack(jobPrefix(job), job.player != nullptr));
            if (job.player) rampOut(*job.player, levelOf(job, play.timedDuckFactor), userStopFadeMs, services.sleep);
            removeJob(play, services, i);
            continue;
        }

        if (!job.player) {
            if (i > 0) {
                ++i;
                continue;
            }
            const bool started = job.program.isFile ? startFileSong(play, services, job, now)
                                                    : startFolderSong(play, services, job, true, now);
            if (!started) {
                removeJob(play, services, i);  // the next job moves up and starts in this tick
                continue;
            }
            job.playedCount = 1;
            const int row = static_cast<int>(i);
            if (secondsMode) {
                showProgress(services, job, row, elapsed);
            } else {
                services.view.setCell(row, progressColumn, countText(1, job.program.songCount, job.program.isFile != 0));
            }
            if (!job.program.isFile) services.view.setCell(row, songColumn, job.playedSongs.back().name);
            ++i;
            continue;
        }

        const Next next = secondsMode ? advanceSecondsJob(play, services, i, duckChanged, elapsed, now)
                                      : advanceCountJob(play, services, i, duckChanged, now);
        if (next == Next::remove) {
            removeJob(play, services, i);
        } else {
            ++i;
        }
    }
}

void onJobAudioEvent(TimedPlay& play, JobServices& services, const AudioPlayer* player) {
    const auto found = std::find_if(play.nowPlaying.begin(), play.nowPlaying.end(),
                                    [&](const PlayJob& job) { return job.player.get() == player; });
    if (found == play.nowPlaying.end()) return;
    const std::size_t index = static_cast<std::size_t>(found - play.nowPlaying.begin());
    PlayJob& job = *found;
    AudioEvent event;
    if (!job.player->drainEvents(event)) return;

    const DateTime now = services.localTime();
    const bool folder = job.program.isFile == 0;
    const std::u16string songPath = job.player->path();
    const std::u16string song(folder ? fileNameOf(songPath) : std::u16string_view());
    if (folder) job.failedSongs.push_back({songPath, song});
    destroyPlayer(job.player);
    services.log(now, jobText::playbackFailed(jobPrefix(job), event.deviceFailure, song, event.errorText));

    if (folder) {
        ++job.consecutiveFailures;
        if (failedTooOften(job)) {
            services.log(now, jobText::tooManyFailures(jobPrefix(job)));
        } else if (job.program.countMode != 0 && job.playedCount >= job.program.songCount) {
            services.log(now, jobText::ended(jobPrefix(job)));
        } else if (startFolderSong(play, services, job, false, now)) {
            ++job.playedCount;
            const int row = static_cast<int>(index);
            if (job.program.countMode != 0) {
                services.view.setCell(row, progressColumn, countText(job.playedCount, job.program.songCount, false));
            }
            services.view.setCell(row, songColumn, job.playedSongs.back().name);
            return;
        }
    }
    removeJob(play, services, index);
}

void stopJob(TimedPlay& play, JobServices& services, std::size_t index, std::u16string_view reason, int fadeMs,
             const DateTime& now) {
    if (index >= play.nowPlaying.size()) return;
    PlayJob& job = play.nowPlaying[index];
    services.log(now, jobText::stopped(jobPrefix(job), job.player != nullptr, reason));
    if (job.player) rampOut(*job.player, levelOf(job, play.timedDuckFactor), fadeMs, services.sleep);
    removeJob(play, services, index);
}

void stopAllJobs(TimedPlay& play, JobServices& services, std::u16string_view reason, int fadeMs, const DateTime& now) {
    while (!play.nowPlaying.empty()) stopJob(play, services, 0, reason, fadeMs, now);
}

void stopJobsByName(TimedPlay& play, JobServices& services, std::u16string_view name, std::u16string_view reason) {
    const DateTime now = services.localTime();
    for (std::size_t i = 0; i < play.nowPlaying.size();) {
        if (equalsNoCase(fixedView(play.nowPlaying[i].program.name), name)) {
            stopJob(play, services, i, reason, userStopFadeMs, now);
        } else {
            ++i;
        }
    }
}

void fadeAllJobs(TimedPlay& play, JobServices& services, double x) {
    for (PlayJob& job : play.nowPlaying) {
        if (job.player) setLevel(job, play.timedDuckFactor, x);
    }
    if (x > 0) return;
    for (PlayJob& job : play.nowPlaying) destroyPlayer(job.player);
    play.nowPlaying.clear();
    services.view.clear();
}
