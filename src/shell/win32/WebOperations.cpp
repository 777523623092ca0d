#include "shell/win32/WebOperations.h"

#include <windows.h>

#include <optional>

#include "audio/JobTexts.h"
#include "data/Text.h"
#include "data/win32/LocalNow.h"
#include "data/win32/Win32Prompt.h"
#include "scheduler/DayPlan.h"
#include "shell/AppState.h"
#include "shell/win32/AppEngines.h"
#include "shell/win32/ShellWindows.h"
#include "system/DeviceBar.h"
#include "system/win32/LocalAddresses.h"
#include "system/win32/SystemVolumeReader.h"
#include "web/ConsoleAddresses.h"
#include "web/LogTail.h"
#include "web/SilenceToday.h"
#include "winutil/WideText.h"

namespace {

constexpr int secondsPerDay = 86400;
// The next start is looked for this far ahead, and found again at the latest after this long.
constexpr int nextStartHorizonSeconds = secondsPerDay;
constexpr int nextStartReuseSeconds = 60;
// This PC's names are read again after this long, or when a Host header names another.
constexpr ULONGLONG hostNamesReuseMs = 60000;

std::string computerName() {
    wchar_t name[256] = {};
    DWORD length = 256;
    if (!GetComputerNameExW(ComputerNameDnsHostname, name, &length)) return {};
    return toUtf8(fromWide(name));
}

// This PC's IPv4 addresses as a Host header may name them.
std::vector<std::string> localAddresses() {
    std::vector<std::string> addresses;
    for (const auto& address : localIpv4Addresses()) addresses.push_back(toUtf8(dottedAddress(address)));
    return addresses;
}

class WebOperations : public WebConsoleOperations, public ListObserver {
public:
    WebOperations(AppState& state, AppEngines& engines) : state_(state), engines_(engines) {
        state_.programs.addObserver(*this);
        state_.calendar.addObserver(*this);
    }
    ~WebOperations() override {
        state_.programs.removeObserver(*this);
        state_.calendar.removeObserver(*this);
    }
    WebOperations(const WebOperations&) = delete;
    WebOperations& operator=(const WebOperations&) = delete;

    // Another schedule: the next start is looked for again.
    void listChanged(const ListChange&) override { nextFoundAt_.reset(); }

    DateTime now() override { return localNow(); }

    HostNames hostNames(bool fresh) override {
        const ULONGLONG now = GetTickCount64();
        if (fresh || !hostNamesReadAt_ || now - *hostNamesReadAt_ >= hostNamesReuseMs) {
            hostNames_ = {computerName(), localAddresses()};
            hostNamesReadAt_ = now;
        }
        return hostNames_;
    }

    WebStatus status() override {
        WebStatus status;
        status.now = localNow();
        if (TimedPlayController* timedPlay = engines_.timedPlay()) {
            for (const NowPlayingRow& row : timedPlay->nowPlayingRows()) status.playing.push_back({row[0], row[1], row[2]});
        }
        status.next = nextStart(status.now);
        const std::u16string_view device = fixedView(state_.settings.settings().outputDevice);
        status.device = displayedDeviceName(device);
        status.volume = volumeText(readSystemVolume(state_.osMajor, device));
        if (InstantController* instant = engines_.instant()) {
            status.instantActive = instant->active();
            for (const InstantItem& item : instant->items()) {
                if (item.isCurrent != 0) status.instantItem = fixedView(item.name);
            }
            status.instantStatus = instant->statusText();
        }
        return status;
    }

    WebSchedule schedule() override {
        return {state_.programs.programs(), state_.calendar.holidays(), state_.calendar.shiftDays()};
    }

    FileSystem& fileSystem() override { return state_.programs.folder().fs; }

    std::vector<std::u16string> logLines(int count) override {
        return lastLogLines(state_.programs.folder().fs, state_.paths.logFile, count);
    }

    WebInstantList instantList() override {
        WebInstantList list;
        if (InstantController* instant = engines_.instant()) {
            for (const InstantItem& item : instant->items()) {
                if (item.isCurrent != 0) list.current = static_cast<int>(list.items.size());
                list.items.emplace_back(fixedView(item.name));
            }
        }
        return list;
    }

    WebActionResult stopPlays(std::u16string_view name) override {
        TimedPlayController* timedPlay = engines_.timedPlay();
        if (timedPlay == nullptr) return refused(u"定时播尚未就绪");
        if (name.empty()) {
            std::vector<int> rows(timedPlay->nowPlayingRows().size());
            for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
            if (!rows.empty()) timedPlay->stopSelected(rows);
            return {};
        }
        if (findProgramByName(state_.programs.programs(), name) < 0) return {WebOutcome::unknownName, {}};
        timedPlay->stopByName(name, userStopReason);
        return {};
    }

    WebActionResult playProgram(std::u16string_view name) override {
        TimedPlayController* timedPlay = engines_.timedPlay();
        if (timedPlay == nullptr) return refused(u"定时播尚未就绪");
        const int index = findProgramByName(state_.programs.programs(), name);
        if (index < 0) return {WebOutcome::unknownName, {}};
        const ProgramRecord program = state_.programs.programs()[static_cast<std::size_t>(index)];
        // The amount the play-now dialog proposes: the program's own.
        timedPlay->playNow(program, program.countMode != 0 ? program.songCount : program.seconds);
        return {};
    }

    WebActionResult startInstant(int index) override {
        InstantController* instant = engines_.instant();
        if (instant == nullptr) return refused(u"立即播尚未就绪");
        if (index < 0 || static_cast<std::size_t>(index) >= instant->items().size()) return {WebOutcome::badIndex, {}};
        if (instant->active()) return refused(u"立即播正在播放，请先停止");
        instant->chooseCurrent(index);
        const InstantOptions& options = instant->options();
        instant->beginRun(options.countMode, options.songCount, options.seconds);
        return {};
    }

    WebActionResult stopInstant() override {
        InstantController* instant = engines_.instant();
        if (instant == nullptr) return refused(u"立即播尚未就绪");
        if (instant->active()) instant->stopRun(true);
        return {};
    }

    WebActionResult silenceToday() override {
        Win32Prompt prompt(shellWindows().mainWindow);
        return silenceRestOfToday(state_.calendar, localNow(), prompt);
    }

    void logRemote(std::u16string_view text) override {
        if (TimedPlayController* timedPlay = engines_.timedPlay()) timedPlay->logEvent(localNow(), text);
    }

private:
    static WebActionResult refused(std::u16string_view why) { return {WebOutcome::refused, std::u16string(why)}; }

    // The scheduler run ahead over the next day is kept for a minute, or until the start passed.
    std::optional<WebNextStart> nextStart(const DateTime& now) {
        const bool stale = !nextFoundAt_ || secondsBetween(*nextFoundAt_, now) >= nextStartReuseSeconds ||
                           secondsBetween(now, *nextFoundAt_) > 0 ||
                           (next_ && secondsBetween(now, next_->at) <= 0);
        if (!stale) return next_;
        nextFoundAt_ = now;
        next_.reset();
        const std::vector<ProgramRecord>& programs = state_.programs.programs();
        // The programs' own last starts: a bell that has just rung is not next again.
        const std::optional<PlannedStart> start =
            nextPlannedStart(state_.programs.folder().fs, programs, state_.calendar.holidays(),
                             state_.calendar.shiftDays(), now, nextStartHorizonSeconds);
        if (start && start->program >= 0) {
            next_ = WebNextStart{std::u16string(fixedView(programs[static_cast<std::size_t>(start->program)].name)),
                                 start->time};
        }
        return next_;
    }

    AppState& state_;
    AppEngines& engines_;
    std::optional<DateTime> nextFoundAt_;
    std::optional<WebNextStart> next_;
    HostNames hostNames_;
    std::optional<ULONGLONG> hostNamesReadAt_;
};

}  // namespace

std::unique_ptr<WebConsoleOperations> makeWebOperations(AppState& state, AppEngines& engines) {
    return std::make_unique<WebOperations>(state, engines);
}
