#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "data/DeferredPrompt.h"
#include "scheduler/TimedPlayController.h"
#include "support/FakeAudio.h"
#include "support/HolidaySamples.h"
#include "support/MemoryLogFolder.h"
#include "support/ProgramSamples.h"
#include "support/RecordingLogView.h"
#include "support/RecordingPrompt.h"

namespace {

class RecordingTimer : public TickTimer {
public:
    unsigned period = 0;  // 0 while stopped
    bool start(unsigned periodMs) override {
        period = periodMs;
        return true;
    }
    void stop() override { period = 0; }
};

class ValidityCells : public ProgramListView {
public:
    std::map<int, std::u16string> cells;
    std::u16string validityText(int row) override { return cells[row]; }
    void setValidityText(int row, std::u16string_view text) override { cells[row] = text; }
};

// A log list whose rows pump the timer, as a message box opened inside a step does.
class PumpingLogView : public RecordingLogView {
public:
    std::function<void()> pump;

protected:
    void addRowInView(std::u16string_view time, std::u16string_view text) override {
        RecordingLogView::addRowInView(time, text);
        if (pump) pump();
    }
};

struct ControllerBench : MemoryLogFolder {
    FakePlayerScript script;
    FakePlayerFactory players{script};
    RecordingTimer timer;
    DateTime clock = at(2024, 9, 2, 7, 59, 59);  // a Monday
    std::u16string programsFile = dataDir + u"/定时播t";
    ProgramStore store{folder, programsFile};
    std::vector<ProgramRecord>& programs = store.scheduled();
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    SettingsRecord settings = defaultSettings();
    bool instantActive = false;
    TimedPlay play;
    std::mt19937 random{7};
    TimedPlayController controller{
        TimedPlayData{programs, holidays, shiftDays, settings, instantActive, play, random, folder, log},
        EnginePlatform{players, timer, [](char16_t) { return false; },
                          [](AudioResult) { return PlayErrorKind::FormatProblem; },
                          [](AudioResult) { return std::u16string(u"错误"); }, [](int) {}, [this] { return clock; }}};
    ValidityCells cells;
    RecordingNowPlaying nowPlaying;
    PumpingLogView logRows;

    bool fileHas(std::u16string_view text) {
        const std::vector<std::uint8_t> wanted = utf16le(text);
        const std::vector<std::uint8_t>& all = bytes();
        return std::search(all.begin(), all.end(), wanted.begin(), wanted.end()) != all.end();
    }
    FakePlayer& head() { return static_cast<FakePlayer&>(*play.nowPlaying.at(0).player); }
};

}  // namespace

// A school morning: the program starts, the page comes and goes, and the bell still rings.
TEST(TimedPlayController, RunsTheBellsWithOrWithoutThePageLists) {
    ControllerBench bench;
    bench.controller.logEvent(bench.clock, u"软件启动");
    EXPECT_TRUE(bench.fileHas(u"软件启动")) << "before any page lends its lists";

    ProgramRecord bell = sampleProgram(u"Bell");
    setFixed(bell.path, u"/music/bell.mp3");
    bench.fs.addFile(u"/music/bell.mp3", {1});
    bench.fs.addFile(bench.programsFile, programsFileBytes({bell}));
    RecordingPrompt prompt;
    EXPECT_TRUE(bench.store.load(&prompt).ok());
    ASSERT_EQ(bench.programs.size(), 1u);

    bench.controller.attachViews(TimedPlayViews{bench.cells, bench.nowPlaying, bench.logRows});
    bench.controller.startTimer();
    EXPECT_EQ(bench.timer.period, 50u);
    int nested = 0;
    bench.logRows.pump = [&] {
        ++nested;
        bench.controller.tick();
    };

    bench.clock.milliseconds = 950;
    bench.controller.tick();
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_EQ(bench.cells.cells[0], u"√") << "the status cell is kept current";
    bench.clock = at(2024, 9, 2, 8, 0, 0);
    bench.clock.milliseconds = 30;
    bench.controller.tick();
    bench.controller.tick();
    ASSERT_EQ(bench.play.nowPlaying.size(), 1u);
    EXPECT_EQ(bench.programs[0].lastStart.milliseconds, 0) << "the tick reads the clock to the second";
    EXPECT_TRUE(bench.head().running);
    EXPECT_GT(nested, 0);
    EXPECT_EQ(bench.script.opened.size(), 1u) << "a tick inside a tick does nothing";
    EXPECT_EQ(bench.nowPlaying.rows.size(), 1u);
    EXPECT_TRUE(bench.fileHas(u"Bell ◆ 开始播放"));
    EXPECT_TRUE(bench.controller.isPlaying(u"BELL"));

    // The page goes away: the play and the log file go on.
    bench.logRows.pump = nullptr;
    bench.controller.detachViews();
    const std::size_t rows = bench.logRows.rows.size();
    bench.controller.stopByName(u"bell", u"手动停止");
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_EQ(bench.logRows.rows.size(), rows);
    EXPECT_EQ(bench.nowPlaying.rows.size(), 1u) << "a detached list is not touched";

    // The settings are read at every step: a new device serves the next play.
    setFixed(bench.settings.outputDevice, u"扬声器");
    bench.controller.attachViews(TimedPlayViews{bench.cells, bench.nowPlaying, bench.logRows});
    bench.nowPlaying.rows.clear();
    bench.controller.playNow(bench.programs[0], 2);
    bench.controller.tick();
    ASSERT_EQ(bench.play.nowPlaying.size(), 1u);
    EXPECT_EQ(bench.head().device(), u"扬声器");
    bench.controller.stopSelected({0});
    EXPECT_TRUE(bench.play.nowPlaying.empty());

    bench.controller.playNow(bench.programs[0], 1);
    bench.controller.tick();
    bench.controller.fade(0);
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_EQ(bench.script.alive, 0);
    bench.controller.stopTimer();
    EXPECT_EQ(bench.timer.period, 0u);
}

// A restore replaced the list: only plays whose program is gone or reads differently stop.
TEST(TimedPlayController, AReplacedProgramListStopsThePlaysOfGoneAndChangedPrograms) {
    ControllerBench bench;
    const ProgramRecord kept = sampleProgram(u"甲");
    const ProgramRecord gone = sampleProgram(u"乙");
    ProgramRecord changed = sampleProgram(u"丙");
    const ProgramRecord keptManual = sampleProgram(u"丁");
    bench.programs = {kept, gone, changed, keptManual};
    PlayJob manual = makeJob(keptManual, true);
    manual.program.songCount = 5;
    for (const ProgramRecord& program : std::vector<ProgramRecord>{kept, gone, changed}) {
        PlayJob job = makeJob(program, false);
        job.program.lastStart = at(2024, 9, 2, 7, 0, 0);
        bench.play.nowPlaying.push_back(std::move(job));
    }
    bench.play.nowPlaying.push_back(std::move(manual));

    changed.volume = 90;
    bench.programs = {keptManual, changed, kept};
    bench.controller.stopPlaysOfReplacedPrograms();

    std::vector<std::u16string> left;
    for (const PlayJob& job : bench.play.nowPlaying) left.emplace_back(fixedView(job.program.name));
    EXPECT_EQ(left, (std::vector<std::u16string>{u"甲", u"丁"})) << "a last start and a play-now amount are no change";
    EXPECT_TRUE(bench.fileHas(u"乙 ◆ 终止播放 ◆ 该节目被删除"));
    EXPECT_TRUE(bench.fileHas(u"丙 ◆ 终止播放 ◆ 用户终止播放"));
}

TEST(DeferredPrompt, HoldsMessagesUntilReleasedThenPassesThemThrough) {
    DeferredPrompt deferred;
    deferred.showMessage(u"节假日", MessageIcon::warning);
    deferred.showMessage(u"设置", MessageIcon::error);
    EXPECT_FALSE(deferred.askYesNo(u"?")) << "no one to ask yet: the safe No";

    // The first box pumps messages, and a load finishing meanwhile adds another one.
    class PumpingPrompt : public RecordingPrompt {
    public:
        DeferredPrompt* deferred = nullptr;
        void showMessage(std::u16string_view text, MessageIcon icon) override {
            RecordingPrompt::showMessage(text, icon);
            if (messages.size() == 1) deferred->showMessage(u"定时播", MessageIcon::error);
        }
    } target;
    target.deferred = &deferred;
    deferred.release(target);
    ASSERT_EQ(target.messages.size(), 3u);
    EXPECT_EQ(target.messages[0].text, u"节假日");
    EXPECT_EQ(target.messages[0].icon, MessageIcon::warning);
    EXPECT_EQ(target.messages[1].text, u"设置");
    EXPECT_EQ(target.messages[2].text, u"定时播");

    deferred.showMessage(u"之后", MessageIcon::information);
    EXPECT_EQ(target.messages.back().text, u"之后");
    target.answers.push_back(true);
    EXPECT_TRUE(deferred.askYesNo(u"?"));
}
