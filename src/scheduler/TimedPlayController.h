#pragma once
// Timed play for the life of the process: the play jobs and their players, the scheduler tick
// and the timer that drives it, the play log, the ducking inputs, the stops and the fades.
// The shell builds it before the main window; the timed-play page only lends it its three
// lists while the page exists and forwards the operator's commands.
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "audio/PlayJob.h"
#include "data/DataFile.h"
#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"
#include "scheduler/EnginePlatform.h"
#include "scheduler/LogView.h"
#include "scheduler/ProgramStore.h"
#include "scheduler/Scheduler.h"
#include "system/SettingsRecord.h"

inline constexpr unsigned schedulerPeriodMs = 50;

// The lists and settings timed play works on; their owners hold them.
struct TimedPlayData {
    std::vector<ProgramRecord>& programs;
    const std::vector<HolidayRecord>& holidays;
    const std::vector<ShiftDayRecord>& shiftDays;
    const SettingsRecord& settings;  // output device and ducking, read at every step
    const bool& instantActive;
    TimedPlay& play;
    std::mt19937& random;
    DataFolder folder;
    std::u16string logFile;
};

// The timed-play page's lists as the controller feeds them.
struct TimedPlayViews {
    ProgramListView& programs;
    NowPlayingView& nowPlaying;
    LogView& log;
};

class TimedPlayController : public ProgramPlays {
public:
    TimedPlayController(TimedPlayData data, EnginePlatform platform);
    TimedPlayController(const TimedPlayController&) = delete;
    TimedPlayController& operator=(const TimedPlayController&) = delete;

    // The page's lists while it exists; without them events still reach the log file.
    void attachViews(const TimedPlayViews& views);
    void detachViews();

    void startTimer();
    void stopTimer();
    // One scheduler step at the clock's second.
    void tick();
    // The graph of `player` reported events.
    void audioEvent(const AudioPlayer* player);

    // A row on the log list, then a line in the log file.
    void logEvent(const DateTime& time, std::u16string_view text);

    bool isPlaying(std::u16string_view name) const override;
    void stopByName(std::u16string_view name, std::u16string_view reason) override;
    // A queued play whose program is gone stops as a deleted program's does, one whose program
    // now reads differently stops as a modified one's; plays of unchanged programs go on.
    void stopPlaysOfReplacedPrograms() override;
    // "立即播此节目" with the amount entered: pre-empts everything and queues a manual play.
    void playNow(const ProgramRecord& program, int amount);
    // "终止本次播放" on the selected rows of the now-playing list.
    void stopSelected(const std::vector<int>& rows);
    // The exit fade: every job at x of its level; at x <= 0 every player is stopped.
    void fade(double x);

    // The now-playing list's rows as the page shows them: the first sounds, the rest wait.
    const std::vector<NowPlayingRow>& nowPlayingRows() const { return nowPlaying_.rows; }

private:
    // The now-playing list the page lends, or none; the jobs hold this one for good. It keeps
    // the rows' texts too, for those who read them without the page (the web console).
    class LentNowPlaying : public NowPlayingView {
    public:
        NowPlayingView* list = nullptr;
        std::vector<NowPlayingRow> rows;
        void appendRow(std::u16string_view name) override;
        void setCell(int row, int column, std::u16string_view text) override;
        void deleteRow(int row) override;
        void clear() override;
    };

    // The jobs' view of the program, its inputs brought up to date with the settings.
    JobServices& services();

    TimedPlayData data_;
    EnginePlatform platform_;
    ProgramListView* programView_;
    LogView* logView_;
    LentNowPlaying nowPlaying_;
    // Kept from step to step: building it anew on every tick costs more than the rest of an idle tick.
    JobServices services_;
    bool ticking_ = false;
};
