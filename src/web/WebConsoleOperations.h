#pragma once
// What the web console asks of the running program. The program answers on its user-interface
// thread, where the lists and engines live; every call returns values, never references into
// them, so that the answers may cross threads (the file system aside, which serves any thread).
// The router turns them into JSON.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/DateTime.h"
#include "data/FileSystem.h"
#include "data/HolidayRecord.h"
#include "data/ProgramRecord.h"
#include "web/HostCheck.h"

struct WebPlayingRow {
    std::u16string name;
    std::u16string progress;
    std::u16string song;
};

struct WebNextStart {
    std::u16string name;
    DateTime at;
};

// What the timed-play page and the status bar show.
struct WebStatus {
    DateTime now{};
    std::vector<WebPlayingRow> playing;  // the now-playing list in order
    std::optional<WebNextStart> next;
    std::u16string device;
    std::u16string volume;
    bool instantActive = false;
    std::u16string instantItem;    // the current item of immediate play
    std::u16string instantStatus;  // its status line
};

// The lists a day's plan is made from.
struct WebSchedule {
    std::vector<ProgramRecord> programs;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
};

struct WebInstantList {
    std::vector<std::u16string> items;  // as the list shows them
    int current = -1;
};

enum class WebOutcome {
    done,
    unknownName,  // no program so named
    badIndex,     // no such item of immediate play
    refused,      // not done; the message says why
};

struct WebActionResult {
    WebOutcome outcome = WebOutcome::done;
    std::u16string message;  // with refused
};

class WebConsoleOperations {
public:
    virtual ~WebConsoleOperations() = default;

    // The local time.
    virtual DateTime now() = 0;
    // The names a Host header may give this PC. Reading the addresses costs the system some
    // milliseconds, so they may be remembered a while; `fresh` reads them now, before a refusal.
    virtual HostNames hostNames(bool fresh) = 0;
    virtual WebStatus status() = 0;
    virtual WebSchedule schedule() = 0;
    // Where the plan looks into audio folders.
    virtual FileSystem& fileSystem() = 0;
    // The last `count` lines of the play log, oldest first.
    virtual std::vector<std::u16string> logLines(int count) = 0;
    virtual WebInstantList instantList() = 0;

    // Each does what the operator's command of the same name does on the pages.
    // Stops the plays of the program so named; an empty name stops every play.
    virtual WebActionResult stopPlays(std::u16string_view name) = 0;
    // The program list's manual play.
    virtual WebActionResult playProgram(std::u16string_view name) = 0;
    // A run of immediate play from item `index` with the list's current options.
    virtual WebActionResult startInstant(int index) = 0;
    virtual WebActionResult stopInstant() = 0;
    // No timed play from this hour to the end of today (web/SilenceToday.h).
    virtual WebActionResult silenceToday() = 0;

    // A line in the play log, as timed play logs its own events.
    virtual void logRemote(std::u16string_view text) = 0;
};
