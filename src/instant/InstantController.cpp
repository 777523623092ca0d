#include "instant/InstantController.h"

#include <algorithm>

#include "audio/PlayerSteps.h"
#include "data/RowMoves.h"
#include "data/Text.h"
#include "instant/InstantFile.h"
#include "instant/InstantTexts.h"

namespace {

constexpr int blinkPeriod = 12;
constexpr int volumeStepSleepMs = 6;
constexpr double highestSeekPercent = 99.9;

// Stands in while no page lends its controls: the run goes on unseen.
class NoInstantView : public InstantView {
public:
    void showStatus(std::u16string_view) override {}
    void showPosition(std::u16string_view, int) override {}
    void rowChanged(int) override {}
    void scrollToRow(int) override {}
    void activeChanged(bool) override {}
};

NoInstantView noInstantView;

bool isCountRun(const InstantOptions& options) {
    // Any other stored value runs by seconds.
    return options.countMode == 1;
}

// A length outside what the list file accepts would make the next start reject the whole file.
std::int32_t storableDuration(std::int32_t ms) {
    return ms < -1 || ms > maxInstantDurationMs ? -1 : ms;
}

}  // namespace

InstantController::InstantController(InstantData data, InstantPlatform platform)
    : data_(std::move(data)), platform_(std::move(platform)), view_(&noInstantView) {}

void InstantController::attachView(InstantView& view, Prompt& owner) {
    view_ = &view;
    owner_ = &owner;
    shownStatus_.clear();
    shownPosition_.clear();
    shownPercent_ = 0;
}

void InstantController::detachView() {
    view_ = &noInstantView;
    owner_ = nullptr;
}

void InstantController::startTimer() {
    platform_.timer.start(instantPeriodMs);
}

void InstantController::stopTimer() {
    platform_.timer.stop();
}

void InstantController::tick() {
    runUnlessRunning(ticking_, [this] { advance(tickTimeOf(platform_)); });
}

int InstantController::room() const {
    return static_cast<int>(maxInstantItems) - static_cast<int>(data_.items.size());
}

ReadResult InstantController::load(Prompt* owner) {
    const ReadResult result =
        loadInstant({data_.folder, data_.instantFile, owner, nullptr}, data_.musicDir, data_.items, data_.options);
    const int remembered = currentIndex(data_.items);
    markCurrent(data_.items, -1);
    if (!data_.items.empty()) markCurrent(data_.items, remembered >= 0 ? remembered : 0);
    return result;
}

SaveResult InstantController::save(bool silent) {
    return saveInstant({data_.folder, data_.instantFile, silent ? nullptr : owner_, nullptr}, data_.items,
                       data_.options);
}

void InstantController::beginRun(int countMode, int songCount, int seconds) {
    if (data_.instantActive || data_.items.empty()) return;
    data_.options.countMode = countMode;
    data_.options.songCount = songCount;
    data_.options.seconds = seconds;
    if (currentIndex(data_.items) < 0) markCurrentItem(0);
    save();
    InstantRun& run = data_.run;
    run.player.reset();
    run.fadeFactor = 1.0;
    run.playedCount = 0;
    run.waitBlink = 1;
    data_.instantActive = true;
    view_->activeChanged(true);
}

void InstantController::advance(const DateTime& now) {
    if (!data_.instantActive) return;
    InstantRun& run = data_.run;
    const InstantOptions& options = data_.options;
    if (!run.player) {
        // The first item waits until timed play has ducked, so that it never sounds over a full bell.
        const SettingsRecord& settings = data_.settings;
        const double target =
            duckTarget({settings.duckPercent, settings.duckFadeOutLength, settings.duckFadeInLength}, true);
        if (data_.timedPlay.nowPlaying.empty()) data_.timedPlay.timedDuckFactor = target;
        if (data_.timedPlay.timedDuckFactor > target) {
            showStatus(instantText::waiting(run.waitBlink));
            run.waitBlink = run.waitBlink % blinkPeriod + 1;
            return;
        }
        Failure failure;
        if (!startItem(failure)) {
            endRun(failure);
            return;
        }
        run.playedCount = 1;
        run.startTime = now;
        showLines(now);
        return;
    }

    const std::int64_t elapsed = secondsBetween(run.startTime, now);
    if (!isCountRun(options) && elapsed < -clockBackToleranceSeconds) {
        stopRun(true);
        if (owner_) owner_->showMessage(instantText::clockWentBack(), MessageIcon::warning);
        return;
    }
    showLines(now);

    if (isCountRun(options)) {
        if (!run.player->isAtEnd()) return;
        if (options.songCount != 0 && run.playedCount >= options.songCount) {
            endRun();
            return;
        }
    } else {
        if (options.seconds > 0) {
            const int length = std::min<int>(options.seconds, endFadeSeconds);
            if (run.fadeFactor < 1) {
                run.fadeFactor = lowerEndFade(run.fadeFactor, length);
                setLevel();
                if (run.fadeFactor <= 0) {
                    endRun();
                    return;
                }
            } else if (elapsed >= options.seconds - length) {
                run.fadeFactor = 0.999;
            }
        }
        if (!run.player->isAtEnd()) return;
    }

    Failure failure;
    if (!startNext(failure)) {
        endRun(failure);
        return;
    }
    ++run.playedCount;
    showLines(now);
}

bool InstantController::startNext(Failure& failure) {
    destroyPlayer(data_.run.player);
    switch (data_.options.mode) {
        case singleLoop:
            break;
        case randomOrder:
            return startRandom(failure);
        default: {
            const int next = currentIndex(data_.items) + 1;
            markCurrentItem(next < static_cast<int>(data_.items.size()) ? next : 0);
            save(true);
            break;
        }
    }
    return startItem(failure);
}

bool InstantController::startRandom(Failure& failure) {
    std::vector<InstantItem>& items = data_.items;
    const int played = currentIndex(items);
    if (played >= 0) items[static_cast<std::size_t>(played)].playedInCycle = 1;
    std::vector<int> unplayed;
    const auto collect = [&] {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].playedInCycle == 0) unplayed.push_back(static_cast<int>(i));
        }
    };
    collect();
    if (unplayed.empty()) {
        // A new cycle; the item that closed the last one may not open it.
        resetCycle(items);
        if (items.size() >= 2 && played >= 0) items[static_cast<std::size_t>(played)].playedInCycle = 1;
        collect();
    }
    if (unplayed.empty()) return false;
    std::shuffle(unplayed.begin(), unplayed.end(), data_.random);
    std::uniform_int_distribution<std::size_t> position(0, unplayed.size() - 1);
    markCurrentItem(unplayed[position(data_.random)]);
    save(true);
    return startItem(failure);
}

bool InstantController::startItem(Failure& failure) {
    const int index = currentIndex(data_.items);
    if (index < 0) return false;
    view_->scrollToRow(index);
    InstantItem& item = data_.items[static_cast<std::size_t>(index)];
    const std::u16string path(fixedView(item.path));
    const auto forget = [&] {
        item.durationMs = -1;
        view_->rowChanged(index);
    };
    if (auto problem = checkAudioPath(data_.folder.fs, platform_.isNetworkDrive, path, instantAudioLabel, false)) {
        forget();
        failure.text = instantText::badPath(*problem, path);
        return false;
    }

    SilentStart start = startSilent(platform_.players, path, fixedView(data_.settings.outputDevice));
    if (!start.player) {
        forget();
        const PlayErrorKind kind = start.openFailed ? platform_.classify(start.failure) : PlayErrorKind::FormatProblem;
        failure.text = instantText::openFailed(kind, path, platform_.errorText(start.failure));
        if (kind == PlayErrorKind::EnvironmentProblem) failure.help = InstantHelp::environmentRepair;
        if (kind == PlayErrorKind::ToolFilesDamaged) failure.help = InstantHelp::download;
        return false;
    }
    item.durationMs = storableDuration(start.player->durationMs());
    view_->rowChanged(index);
    data_.run.player = std::move(start.player);
    rampIn(*data_.run.player, level(), platform_.sleep);
    return true;
}

void InstantController::audioEvent(const AudioPlayer* player) {
    InstantRun& run = data_.run;
    // Events of a player already gone, or of none, are late news.
    if (!run.player || run.player.get() != player) return;
    AudioEvent event;
    if (!run.player->drainEvents(event)) return;
    endRun({instantText::playbackFailed(event, run.player->path()), std::nullopt});
}

void InstantController::stopRun(bool fade) {
    InstantRun& run = data_.run;
    if (fade && run.player) rampOut(*run.player, level(), userStopFadeMs, platform_.sleep);
    endRun();
}

void InstantController::endRun() {
    destroyPlayer(data_.run.player);
    showPosition(u"", 0);
    showStatus(u"");
    if (!data_.instantActive) return;
    data_.instantActive = false;
    view_->activeChanged(false);
}

void InstantController::endRun(const Failure& failure) {
    endRun();
    if (failure.text.empty() || owner_ == nullptr) return;
    owner_->showMessage(failure.text, MessageIcon::warning);
    if (failure.help && platform_.openHelp) platform_.openHelp(*failure.help);
}

void InstantController::fade(double x) {
    if (data_.run.player) setLevel(x);
    if (x <= 0) endRun();
}

double InstantController::level(double x) const {
    return data_.options.volume * x * data_.run.fadeFactor;
}

void InstantController::setLevel(double x) {
    setPlayerLevel(*data_.run.player, level(x));
}

void InstantController::showLines(const DateTime& now) {
    const InstantRun& run = data_.run;
    showStatus(instantText::status(data_.options, run.playedCount, secondsBetween(run.startTime, now)));
    if (!run.player) return;
    const std::int32_t duration = run.player->durationMs();
    const std::int32_t position = run.player->positionMs();
    // A file of unknown or zero length has no place on the slider.
    const int percent = duration > 0 ? static_cast<int>(std::clamp<std::int64_t>(
                                           std::int64_t{position} * 100 / duration, 0, 100))
                                     : 0;
    showPosition(formatProgress(duration / 1000, position / 1000), percent);
}

void InstantController::showStatus(std::u16string_view text) {
    if (shownStatus_ == text) return;
    shownStatus_.assign(text);
    view_->showStatus(text);
}

void InstantController::showPosition(std::u16string_view text, int percent) {
    if (shownPosition_ == text && shownPercent_ == percent) return;
    shownPosition_.assign(text);
    shownPercent_ = percent;
    view_->showPosition(text, percent);
}

void InstantController::chooseCurrent(int index) {
    if (index < 0 || index >= static_cast<int>(data_.items.size())) return;
    if (data_.instantActive) stopRun(true);
    markCurrentItem(index);
}

void InstantController::setMode(int mode) {
    if (mode == data_.options.mode) return;
    data_.options.mode = mode;
    resetCycle(data_.items);
    save();
}

void InstantController::setVolume(int volume, bool tracking) {
    const int from = static_cast<int>(data_.options.volume * data_.run.fadeFactor);
    data_.options.volume = volume;
    if (data_.run.player) {
        // In 1 % steps, so that a jump of the slider does not click.
        const int to = static_cast<int>(level());
        const int step = to > from ? 1 : -1;
        for (int percent = from; percent != to;) {
            percent += step;
            setPlayerLevel(*data_.run.player, percent);
            if (percent != to) platform_.sleep(volumeStepSleepMs);
        }
    }
    if (!tracking) save();
}

void InstantController::seek(double percent) {
    AudioPlayer* player = data_.run.player.get();
    if (player == nullptr) return;
    const double at = std::clamp(percent, 0.0, highestSeekPercent);
    rampOut(*player, level(), userStopFadeMs, platform_.sleep);
    player->seekMs(static_cast<std::int32_t>(std::max(0, player->durationMs()) * at / 100));
    rampIn(*player, level(), platform_.sleep);
}

void InstantController::markCurrentItem(int index) {
    const int previous = currentIndex(data_.items);
    markCurrent(data_.items, index);
    if (previous >= 0 && previous != index) view_->rowChanged(previous);
    if (index >= 0) view_->rowChanged(index);
}

void InstantController::appendItems(const std::vector<InstantItem>& added) {
    if (added.empty()) return;
    data_.items.insert(data_.items.end(), added.begin(), added.end());
    resetCycle(data_.items);
    save();
}

void InstantController::deleteItems(const std::vector<int>& rows) {
    if (rows.empty()) return;
    const int current = currentIndex(data_.items);
    if (data_.instantActive && std::find(rows.begin(), rows.end(), current) != rows.end()) stopRun(true);
    deleteInstantItems(data_.items, rows);
    save();
}

std::vector<int> InstantController::moveUp(const std::vector<int>& rows) {
    std::vector<int> moved = moveRowsUp(data_.items, rows);
    if (moved.empty()) return moved;
    resetCycle(data_.items);
    save();
    return moved;
}

std::vector<int> InstantController::moveDown(const std::vector<int>& rows) {
    std::vector<int> moved = moveRowsDown(data_.items, rows);
    if (moved.empty()) return moved;
    resetCycle(data_.items);
    save();
    return moved;
}

void InstantController::clear() {
    if (data_.items.empty()) return;
    if (data_.instantActive) stopRun(true);
    data_.items.clear();
    save();
}

bool InstantController::sort(InstantSortKey key, bool descending) {
    if (!sortInstantItems(data_.items, key, descending)) return false;
    resetCycle(data_.items);
    save();
    return true;
}

bool InstantController::shuffle() {
    if (!shuffleInstantItems(data_.items, data_.random)) return false;
    resetCycle(data_.items);
    save();
    return true;
}
