#pragma once
// Immediate play for the life of the process: the list and its file, the edits of the page,
// and the run that sounds the list's items one at a time in one of three modes, driven by its
// own 50 ms timer. While a run is active timed play is ducked (AppState's `instantActive`).
// The shell builds it before the main window; the immediate-play page lends it its view and
// its message owner while the page exists and forwards the operator's commands.
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "audio/PlayJob.h"
#include "data/DataFile.h"
#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "data/DateTime.h"
#include "instant/InstantItem.h"
#include "instant/InstantList.h"
#include "instant/InstantRun.h"
#include "scheduler/TimedPlayController.h"
#include "system/SettingsRecord.h"

inline constexpr unsigned instantPeriodMs = 50;

// The pages the operator is sent to after a failure that a reinstall or a repair tool mends.
enum class InstantHelp { environmentRepair, download };

// The page's controls as the controller feeds them.
class InstantView {
public:
    virtual ~InstantView() = default;
    virtual void showStatus(std::u16string_view text) = 0;
    // The position line and the slider (0..100); the slider stays while the operator holds it.
    // An empty text with percent 0 clears both.
    virtual void showPosition(std::u16string_view text, int percent) = 0;
    // Row `index` changed: its length or its current mark.
    virtual void rowChanged(int index) = 0;
    virtual void scrollToRow(int index) = 0;
    // Start is enabled only while inactive; stop and the position slider only while active.
    virtual void activeChanged(bool active) = 0;
};

// What immediate play needs from the platform: an engine's, and where to send the operator
// after a failure.
struct InstantPlatform : EnginePlatform {
    std::function<void(InstantHelp page)> openHelp;
};

// The list, its options and the state it works on; AppState holds them.
struct InstantData {
    std::vector<InstantItem>& items;
    InstantOptions& options;
    InstantRun& run;
    bool& instantActive;
    TimedPlay& timedPlay;            // the queue is read and its duck factor set while waiting
    const SettingsRecord& settings;  // the output device and the ducking
    std::mt19937& random;
    DataFolder folder;
    std::u16string instantFile;
    std::u16string musicDir;  // where the default list's sample song lies
};

class InstantController {
public:
    InstantController(InstantData data, InstantPlatform platform);
    InstantController(const InstantController&) = delete;
    InstantController& operator=(const InstantController&) = delete;

    // The page's view and the owner of the run's messages and of the edits' save failures.
    // Without them the run goes on silently.
    void attachView(InstantView& view, Prompt& owner);
    void detachView();

    void startTimer();
    void stopTimer();
    // One 50 ms step at the clock's time (advanceInstant); guarded against re-entry.
    void tick();
    // The graph of `player` reported events; ignored when it is not the run's player.
    void audioEvent(const AudioPlayer* player);

    const std::vector<InstantItem>& items() const { return data_.items; }
    const InstantOptions& options() const { return data_.options; }
    bool active() const { return data_.instantActive; }
    // The status line the page shows ("即将播放", the run's count and time), empty between runs.
    const std::u16string& statusText() const { return shownStatus_; }
    // Places left in the list (300 at most).
    int room() const;

    // Reads "立即播t"; failures go to `owner`. Then the current item is remembered and set again
    // (item 0 when none was), as the page shows it.
    ReadResult load(Prompt* owner);
    // Saves with the attached owner (messages on failure) or, with `silent`, without one.
    SaveResult save(bool silent = false);

    // The run dialog's "开始播" with its count mode, song count and seconds: saves, then the
    // run becomes active and its first item starts on a later step, once timed play is ducked.
    // Item 0 becomes current when none is. Nothing happens while active or with an empty list.
    void beginRun(int countMode, int songCount, int seconds);
    // The stop button, and edits that remove the playing item: a 300 ms fade unless `fade` is false.
    void stopRun(bool fade);
    // Double-click on a row: a run stops with its fade and `index` becomes the only current item.
    // The caller then shows the run dialog; on cancel it saves.
    void chooseCurrent(int index);
    void setMode(int mode);
    // The volume slider: the level follows in 1 % steps; saved unless the thumb is tracked.
    void setVolume(int volume, bool tracking);
    // The position slider released at `percent` (clamped to 99.9): seek with short fades.
    void seek(double percent);
    // The exit fade: the player at x of its level; at x <= 0 the run ends.
    void fade(double x);

    // The page's edits; each saves with the attached owner.
    // Import results in order; the cycle is reset.
    void appendItems(const std::vector<InstantItem>& added);
    // Rows ascending; stops the run with its fade when the playing item is among them.
    void deleteItems(const std::vector<int>& rows);
    // The new places of the moved rows, or none when nothing moved.
    std::vector<int> moveUp(const std::vector<int>& rows);
    std::vector<int> moveDown(const std::vector<int>& rows);
    // Stops the run with its fade, empties the list.
    void clear();
    // False when the list has fewer than two items and nothing changed.
    bool sort(InstantSortKey key, bool descending);
    bool shuffle();

private:
    // An item that did not start or a run that failed: the message and the page to open after it.
    struct Failure {
        std::u16string text;  // empty: nothing to tell
        std::optional<InstantHelp> help;
    };

    void advance(const DateTime& now);
    bool startItem(Failure& failure);
    // Starts the next item by the mode; false with `failure` when it did not start.
    bool startNext(Failure& failure);
    bool startRandom(Failure& failure);
    void showLines(const DateTime& now);
    void showStatus(std::u16string_view text);
    void showPosition(std::u16string_view text, int percent);
    double level(double x = 1.0) const;
    void setLevel(double x = 1.0);
    // The run ends without a fade: the player goes, the lines clear, timed play comes back up.
    void endRun();
    void endRun(const Failure& failure);
    void markCurrentItem(int index);

    InstantData data_;
    InstantPlatform platform_;
    InstantView* view_;
    Prompt* owner_ = nullptr;
    bool ticking_ = false;
    // What the lines show, so that a step changes a control only when its text changes.
    std::u16string shownStatus_;
    std::u16string shownPosition_;
    int shownPercent_ = 0;
};
