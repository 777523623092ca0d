#pragma once
// The jobs of timed play: one per queued or playing broadcast of a program. Only the job
// at the head of the queue sounds; the others wait their turn.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "audio/AudioPath.h"
#include "audio/AudioPlayer.h"
#include "audio/PlayError.h"
#include "audio/Volume.h"
#include "data/FileSystem.h"
#include "data/ProgramRecord.h"

struct FolderEntry {
    std::u16string path;  // full path
    std::u16string name;  // file name with extension; entries match by name, case-insensitively
};

struct PlayJob {
    ProgramRecord program;  // a copy taken when the job was created
    bool manual = false;    // started with the play-now command
    int playedCount = 0;    // plays of the file or songs started so far
    std::unique_ptr<AudioPlayer> player;
    double fadeFactor = 1.0;  // below 1 while the end of a time-limited job fades
    std::vector<FolderEntry> playedSongs;  // songs started in the current cycle
    std::vector<FolderEntry> failedSongs;  // never retried by this job
    std::vector<FolderEntry> candidates;   // scratch list of the folder scan
    std::u16string avoidFirst;  // in random order, the song that ended the last cycle may not open the next
    int consecutiveFailures = 0;
    std::optional<std::int32_t> shownSeconds;  // the elapsed seconds of the progress cell (seconds mode)
};

PlayJob makeJob(const ProgramRecord& program, bool manual);

// A seconds-mode job ends, and a program forgets its last start, when the clock goes back
// further than this.
inline constexpr int clockBackToleranceSeconds = 15;
// The fade of a stop the operator asked for, directly or by changing or deleting a program.
inline constexpr int userStopFadeMs = 300;

// The now-playing list view: one row per job, in queue order. Column 0 holds the name (set
// when the row is appended), column 1 the progress, column 2 the folder song that plays.
inline constexpr int progressColumn = 1;
inline constexpr int songColumn = 2;

// A row of the now-playing list: name, progress, current song.
using NowPlayingRow = std::array<std::u16string, 3>;

class NowPlayingView {
public:
    virtual ~NowPlayingView() = default;
    virtual void appendRow(std::u16string_view name) = 0;
    virtual void setCell(int row, int column, std::u16string_view text) = 0;
    virtual void deleteRow(int row) = 0;
    virtual void clear() = 0;
};

struct DuckSettings {
    int duckPercent = 60;
    int fadeOutLength = 5;
    int fadeInLength = 9;
};

// What the jobs need from the rest of the program.
struct JobServices {
    AudioPlayerFactory& players;
    NowPlayingView& view;
    FileSystem& fs;
    NetworkDriveQuery isNetworkDrive;
    std::function<void(const DateTime& time, std::u16string_view text)> log;
    std::function<PlayErrorKind(AudioResult code)> classify;
    std::function<std::u16string(AudioResult code)> errorText;  // the system's text for a code
    SleepFunction sleep;
    std::function<DateTime()> localTime;
    std::mt19937& random;
    std::u16string outputDevice;
    DuckSettings duck;
    bool instantActive = false;
};

// AppState's part of timed play.
struct TimedPlay {
    std::vector<PlayJob> nowPlaying;
    double timedDuckFactor = 1.0;
};

inline constexpr int maxFolderCandidates = 300;

void appendJob(TimedPlay& play, JobServices& services, PlayJob job);
// The per-tick step; `now` is the local time with milliseconds 0.
void advanceJobs(TimedPlay& play, JobServices& services, const DateTime& now);
// The graph of `player` reported events.
void onJobAudioEvent(TimedPlay& play, JobServices& services, const AudioPlayer* player);
void stopJob(TimedPlay& play, JobServices& services, std::size_t index, std::u16string_view reason, int fadeMs,
             const DateTime& now);
void stopAllJobs(TimedPlay& play, JobServices& services, std::u16string_view reason, int fadeMs, const DateTime& now);
void stopJobsByName(TimedPlay& play, JobServices& services, std::u16string_view name, std::u16string_view reason);
// Sets every sounding job to x of its level; at x <= 0 stops them all and empties the queue.
void fadeAllJobs(TimedPlay& play, JobServices& services, double x);
double duckTarget(const DuckSettings& duck, bool instantActive);

// Picks the next song of a folder job: 1 with `chosen`, 0 when the folder holds no audio
// file, -1 when every one of them has failed in this job.
int pickFolderSong(PlayJob& job, FileSystem& fs, std::mt19937& random, FolderEntry& chosen);

// "name" or "name(手动)": the first two fields of every log text of a job.
std::u16string jobPrefix(const PlayJob& job);
