#pragma once
// The watcher's rules, apart from Windows: how an end of the program is judged, how many restarts
// a crash loop gets, and the play-log lines and crash message that tell of it.
#include <cstdint>
#include <deque>
#include <string>

// How one copy of the program ended, as its watcher learns it.
struct ProgramEnd {
    bool crashReported = false;  // its crash handler reported the code before its message
    bool exitAnnounced = false;  // it had begun its own exit (shutdownApp) before the process ended
    std::uint32_t code = 0;      // the exception code, or the process's exit code
};

enum class WatchVerdict {
    leave,         // a normal end: the watcher ends too
    restart,
    crashLoop,     // too many restarts lately: the watcher logs it and ends
    systemEnding,  // Windows is ending the session: no restart, the watcher logs it and ends
};

inline constexpr int maxRestarts = 3;
inline constexpr std::uint64_t restartWindowMs = 10 * 60 * 1000;

// The times (a monotonic clock in milliseconds) of the restarts within the last ten minutes.
class RestartHistory {
public:
    // How many restarts fall within the ten minutes before `nowMs`.
    int recent(std::uint64_t nowMs);
    void record(std::uint64_t nowMs) { times_.push_back(nowMs); }

private:
    std::deque<std::uint64_t> times_;
};

// A normal end is an exit code of 0 or an exit the program had begun itself (a fault during
// its teardown, or Windows ending it after WM_ENDSESSION, must not bring it back); anything else
// (a reported crash, a kill, a fault the handler never saw) asks for a restart.
WatchVerdict judgeEnd(const ProgramEnd& end, bool systemEnding, int recentRestarts);

// The play-log line for a verdict other than leave.
std::u16string watchLogLine(WatchVerdict verdict, std::uint32_t code);
// The line when starting the program again failed; `reason` is the system's text.
std::u16string restartFailedLine(std::u16string_view reason);

// What the crashed copy learnt from its watcher before its message: nothing (no watcher, or no
// answer in time), or the verdict on its crash.
enum class RestartAnswer { none, restarting, crashLoop, systemEnding };
RestartAnswer answerFor(WatchVerdict verdict);
// The crash message; it says whether the program comes back, when the watcher told.
std::u16string crashMessageText(std::uint32_t code, RestartAnswer answer);
