#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/Text.h"
#include "instant/InstantController.h"
#include "instant/InstantFile.h"
#include "support/FakeAudio.h"
#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

namespace {

class StoppedTimer : public TickTimer {
public:
    bool start(unsigned) override { return true; }
    void stop() override {}
};

class RecordingInstantView : public InstantView {
public:
    std::vector<std::u16string> statuses;  // every change, in order
    std::u16string position;
    int percent = 0;
    std::vector<bool> activity;
    std::set<int> changedRows;

    void showStatus(std::u16string_view text) override { statuses.emplace_back(text); }
    void showPosition(std::u16string_view text, int value) override {
        position = text;
        percent = value;
    }
    void rowChanged(int index) override { changedRows.insert(index); }
    void scrollToRow(int) override {}
    void activeChanged(bool active) override { activity.push_back(active); }
};

struct InstantBench : MemoryDataFolder {
    FakePlayerScript script;
    FakePlayerFactory players{script};
    StoppedTimer timer;
    DateTime start{2024, 9, 1, 2, 8, 0, 0, 0};  // a Monday morning
    int elapsedMs = 0;
    std::vector<InstantItem> items;
    InstantOptions options;
    InstantRun run;
    bool instantActive = false;
    TimedPlay play;
    SettingsRecord settings = defaultSettings();
    std::mt19937 random{11};
    std::u16string instantFile = dataDir + u"/立即播t";
    PlayErrorKind failureKind = PlayErrorKind::FormatProblem;
    std::vector<InstantHelp> helps;
    int sleptMs = 0;
    InstantController controller{
        InstantData{items, options, run, instantActive, play, settings, random, folder, instantFile, u"/music"},
        InstantPlatform{{players, timer, [](char16_t) { return false; }, [this](AudioResult) { return failureKind; },
                         [](AudioResult) { return std::u16string(u"系统说明"); }, [this](int ms) { sleptMs += ms; },
                         [this] { return now(); }},
                        [this](InstantHelp page) { helps.push_back(page); }}};
    RecordingInstantView view;

    InstantBench() { controller.attachView(view, prompt); }

    DateTime now() const {
        DateTime t = addSeconds(start, elapsedMs / 1000);
        t.milliseconds = static_cast<std::uint16_t>(elapsedMs % 1000);
        return t;
    }
    // `count` steps of the 50 ms timer.
    void step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            elapsedMs += 50;
            controller.tick();
        }
    }
    void addSongs(std::initializer_list<std::u16string_view> names) {
        for (const std::u16string_view name : names) {
            const std::u16string path = u"/music/" + std::u16string(name);
            fs.addFile(path, {1});
            items.push_back(makeInstantItem(path, 1000));
        }
    }
    FakePlayer* player() { return static_cast<FakePlayer*>(run.player.get()); }
    std::u16string status() const { return view.statuses.empty() ? u"" : view.statuses.back(); }
    std::vector<std::u16string> openedNames() const {
        std::vector<std::u16string> names;
        for (const std::u16string& path : script.opened) names.emplace_back(fileNameOf(path));
        return names;
    }
    std::vector<InstantItem> stored() {
        std::vector<InstantItem> read;
        InstantOptions readOptions;
        EXPECT_TRUE(loadInstant({folder, instantFile, nullptr, nullptr}, u"/music", read, readOptions).ok());
        return read;
    }
};

bool contains(const std::vector<std::u16string>& texts, std::u16string_view text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

}  // namespace

// Three plays of one item, by count: the status counts them and the run returns to idle.
TEST(InstantRun, ACountRunInSingleLoopRepeatsTheCurrentItemThenEnds) {
    InstantBench bench;
    bench.addSongs({u"国歌.mp3", u"校歌.mp3"});
    bench.options.mode = singleLoop;
    bench.script.endAfterPolls = 3;
    bench.controller.beginRun(1, 3, 300);
    EXPECT_TRUE(bench.instantActive);
    EXPECT_EQ(bench.items[0].isCurrent, 1) << "item 0 became current";
    EXPECT_EQ(bench.stored().size(), 2u) << "the start saved the list";

    bench.step(20);
    EXPECT_FALSE(bench.instantActive);
    EXPECT_EQ(bench.openedNames(), (std::vector<std::u16string>{u"国歌.mp3", u"国歌.mp3", u"国歌.mp3"}));
    EXPECT_TRUE(contains(bench.view.statuses, u"第 1/3 首"));
    EXPECT_TRUE(contains(bench.view.statuses, u"第 3/3 首"));
    EXPECT_EQ(bench.status(), u"");
    EXPECT_EQ(bench.view.position, u"");
    EXPECT_EQ(bench.view.activity, (std::vector<bool>{true, false}));
    EXPECT_EQ(bench.script.alive, 0);
    EXPECT_TRUE(bench.prompt.messages.empty());
}

// Endless list loop: the current mark walks the list, wraps around, and is kept in the file.
TEST(InstantRun, AnEndlessListLoopWrapsAroundUntilTheOperatorStops) {
    InstantBench bench;
    bench.addSongs({u"a.mp3", u"b.wav", u"c.flac"});
    bench.script.endAfterPolls = 2;
    bench.controller.beginRun(1, 0, 300);
    bench.step(1);
    EXPECT_EQ(bench.status(), u"第 1 首 / 一直播");
    EXPECT_EQ(bench.view.position, u"00:00 / 00:01");
    bench.step(9);
    EXPECT_EQ(bench.openedNames(), (std::vector<std::u16string>{u"a.mp3", u"b.wav", u"c.flac", u"a.mp3", u"b.wav"}));
    EXPECT_EQ(bench.status(), u"第 5 首 / 一直播");
    EXPECT_EQ(bench.stored()[1].isCurrent, 1) << "each move of the current item is saved";

    bench.sleptMs = 0;
    bench.controller.stopRun(true);
    EXPECT_FALSE(bench.instantActive);
    EXPECT_EQ(bench.script.alive, 0);
    EXPECT_GE(bench.sleptMs, 290) << "the stop fades over 300 ms";
    EXPECT_EQ(bench.status(), u"");
}

// A seconds run fades over its last nine seconds and ends on time, in the middle of an item.
TEST(InstantRun, ASecondsRunFadesOutOverItsLastNineSecondsAndEndsOnTime) {
    InstantBench bench;
    bench.addSongs({u"long.mp3"});
    bench.options.volume = 100;
    bench.controller.beginRun(0, 3, 20);
    bench.step(1);
    ASSERT_NE(bench.player(), nullptr);
    EXPECT_EQ(bench.status(), u"0 / 20秒");

    int endedAtMs = -1;
    for (int i = 0; i < 30 * 20 && endedAtMs < 0; ++i) {
        bench.step();
        if (!bench.instantActive) endedAtMs = bench.elapsedMs;
    }
    EXPECT_GE(endedAtMs, 19500);
    EXPECT_LE(endedAtMs, 20600);
    EXPECT_TRUE(contains(bench.view.statuses, u"20 / 20秒"));
    EXPECT_FALSE(contains(bench.view.statuses, u"21 / 20秒")) << "the status is capped at the run's length";
    EXPECT_EQ(bench.script.opened.size(), 1u) << "the item was cut, not replayed";
    EXPECT_EQ(bench.script.alive, 0);
}

TEST(InstantRun, TheFadeOfASecondsRunFallsSteadilyToSilence) {
    InstantBench bench;
    bench.addSongs({u"long.mp3"});
    bench.options.volume = 100;
    bench.controller.beginRun(0, 3, 12);
    bench.step(1);
    FakePlayer* player = bench.player();
    const std::size_t rampedIn = player->attenuations.size();
    bench.step(20 * 3 - 1);
    EXPECT_EQ(player->attenuations.size(), rampedIn) << "full level until the last nine seconds";
    std::vector<std::int32_t> fade;
    while (bench.instantActive) {
        bench.step();
        if (bench.run.player) fade = bench.player()->attenuations;
    }
    fade.erase(fade.begin(), fade.begin() + static_cast<std::ptrdiff_t>(rampedIn));
    ASSERT_GT(fade.size(), 150u);
    EXPECT_TRUE(std::is_sorted(fade.rbegin(), fade.rend())) << "never louder again";
    EXPECT_LT(fade.back(), -4000);
}

// The first item waits for timed play to duck; "即将播放" blinks meanwhile.
TEST(InstantRun, TheFirstItemWaitsUntilTimedPlayHasDucked) {
    InstantBench bench;
    bench.addSongs({u"a.mp3", u"b.mp3"});
    bench.settings.duckPercent = 60;
    bench.settings.duckFadeOutLength = 5;
    bench.play.nowPlaying.push_back(makeJob(sampleProgram(u"Bell"), false));
    bench.controller.beginRun(1, 2, 0);

    int waited = 0;
    while (bench.script.opened.empty() && waited < 200) {
        // The timed step lowers its factor by 0.05 / 5 each tick.
        bench.play.timedDuckFactor = std::max(0.4, bench.play.timedDuckFactor - 0.01);
        bench.step();
        ++waited;
    }
    EXPECT_GE(waited, 59);
    EXPECT_LE(waited, 61) << "about three seconds";
    EXPECT_TRUE(contains(bench.view.statuses, u"即将播放"));
    EXPECT_TRUE(contains(bench.view.statuses, u"即将播放 ..."));
    EXPECT_EQ(bench.status(), u"第 1/2 首");

    InstantBench quiet;
    quiet.addSongs({u"a.mp3"});
    quiet.controller.beginRun(1, 1, 0);
    quiet.step();
    EXPECT_EQ(quiet.script.opened.size(), 1u) << "without a timed job the item starts at once";
    EXPECT_DOUBLE_EQ(quiet.play.timedDuckFactor, 0.4);
}

TEST(InstantRun, AClockSetBackEndsASecondsRunButNotACountRun) {
    InstantBench seconds;
    seconds.addSongs({u"a.mp3"});
    seconds.controller.beginRun(0, 3, 600);
    seconds.step(40);
    seconds.elapsedMs -= 15 * 1000;
    seconds.step();
    EXPECT_TRUE(seconds.instantActive) << "15 s back is still tolerated";
    seconds.elapsedMs -= 5 * 1000;
    seconds.step();
    EXPECT_FALSE(seconds.instantActive);
    ASSERT_EQ(seconds.prompt.messages.size(), 1u);
    EXPECT_EQ(seconds.prompt.messages[0].text, u"- - -  立 即 播  - - -\n\n播放异常 - 系统时间倒退");
    EXPECT_EQ(seconds.prompt.messages[0].icon, MessageIcon::warning);

    InstantBench count;
    count.addSongs({u"a.mp3"});
    count.controller.beginRun(1, 3, 600);
    count.step(40);
    count.elapsedMs -= 60 * 1000;
    count.step();
    EXPECT_TRUE(count.instantActive);
}

// Every way an item can fail to start ends the run with its message; the next try fails again.
TEST(InstantRun, AnItemThatCannotStartEndsTheRunWithItsMessage) {
    InstantBench bench;
    bench.items.push_back(makeInstantItem(u"/music/gone.mp3", 5000));
    bench.controller.beginRun(1, 3, 0);
    bench.step();
    EXPECT_FALSE(bench.instantActive);
    ASSERT_EQ(bench.prompt.messages.size(), 1u);
    const std::u16string& missing = bench.prompt.messages[0].text;
    EXPECT_TRUE(missing.starts_with(u"- - -  立 即 播  - - -\n音频")) << toUtf8(missing);
    EXPECT_NE(missing.find(u"： /music/gone.mp3\u3000"), std::u16string::npos) << toUtf8(missing);
    EXPECT_EQ(bench.items[0].durationMs, -1) << "its length column goes blank";
    EXPECT_TRUE(bench.view.changedRows.count(0));

    bench.addSongs({u"bad.mp3"});
    bench.controller.chooseCurrent(1);
    bench.script.openFailures[u"/music/bad.mp3"] = audioFail;
    const struct {
        PlayErrorKind kind;
        std::u16string_view opening;
        std::optional<InstantHelp> help;
    } cases[] = {
        {PlayErrorKind::EnvironmentProblem, u"- - -  立 即 播  - - -\n\n播放失败 - 系统环境有问题",
         InstantHelp::environmentRepair},
        {PlayErrorKind::DeviceInvalid, u"- - -  立 即 播  - - -\n\n播放失败 - 音频设备无效", std::nullopt},
        {PlayErrorKind::FormatProblem, u"- - -  立 即 播  - - -\n\n播放失败： /music/bad.mp3  (系统说明)", std::nullopt},
        {PlayErrorKind::ToolFilesDamaged, u"播放失败 (立即播)：\n文件有缺失或损坏", InstantHelp::download},
    };
    for (const auto& failure : cases) {
        bench.prompt.messages.clear();
        bench.helps.clear();
        bench.failureKind = failure.kind;
        bench.controller.beginRun(1, 3, 0);
        bench.step();
        EXPECT_FALSE(bench.instantActive);
        ASSERT_EQ(bench.prompt.messages.size(), 1u);
        EXPECT_TRUE(bench.prompt.messages[0].text.starts_with(failure.opening)) << toUtf8(bench.prompt.messages[0].text);
        EXPECT_EQ(bench.helps, failure.help ? std::vector<InstantHelp>{*failure.help} : std::vector<InstantHelp>{});
    }
    EXPECT_EQ(bench.script.alive, 0);

    bench.script.openFailures.clear();
    bench.script.runFailures[u"/music/bad.mp3"] = audioFail;
    bench.prompt.messages.clear();
    bench.controller.beginRun(1, 3, 0);
    bench.step();
    ASSERT_EQ(bench.prompt.messages.size(), 1u);
    EXPECT_TRUE(bench.prompt.messages[0].text.starts_with(u"- - -  立 即 播  - - -\n\n播放失败： /music/bad.mp3"));
    EXPECT_EQ(bench.script.alive, 0);
}

TEST(InstantRun, AGraphErrorEndsTheRunAndLateEventsAreIgnored) {
    InstantBench bench;
    bench.addSongs({u"a.mp3"});
    bench.controller.beginRun(1, 0, 0);
    bench.step();
    FakePlayer* player = bench.player();
    bench.controller.audioEvent(nullptr);
    EXPECT_TRUE(bench.instantActive) << "an event of no player";
    player->pendingEvent = std::make_unique<AudioEvent>(AudioEvent{true, u""});
    bench.controller.audioEvent(player);
    EXPECT_FALSE(bench.instantActive);
    ASSERT_EQ(bench.prompt.messages.size(), 1u);
    EXPECT_TRUE(bench.prompt.messages[0].text.starts_with(u"- - -  立 即 播  - - -\n\n播放异常 - 音频设备失效"));
    bench.controller.audioEvent(player);
    EXPECT_EQ(bench.prompt.messages.size(), 1u) << "the player is gone";

    bench.controller.beginRun(1, 0, 0);
    bench.step();
    bench.player()->pendingEvent = std::make_unique<AudioEvent>(AudioEvent{false, u"解码出错"});
    bench.controller.audioEvent(bench.player());
    EXPECT_EQ(bench.prompt.messages.back().text.substr(0, 40),
              std::u16string(u"- - -  立 即 播  - - -\n\n播放异常：\n/music/a.mp3\n解码出错").substr(0, 40));
}

// Random order plays every item once in the first cycle; each later cycle leaves out the item that
// closed the one before, so no item plays twice in a row.
TEST(InstantRun, RandomOrderPlaysEachItemOncePerCycle) {
    for (const int size : {2, 5}) {
        InstantBench bench;
        for (int i = 0; i < size; ++i) bench.addSongs({formatNumber(i) + u".mp3"});
        bench.options.mode = randomOrder;
        bench.script.endAfterPolls = 1;
        bench.controller.beginRun(1, 0, 0);
        bench.step(size * 8);
        const std::vector<std::u16string> played = bench.openedNames();
        ASSERT_GE(played.size(), static_cast<std::size_t>(size * 6));
        const auto distinct = [&](std::size_t from, std::size_t count) {
            return std::set<std::u16string>(played.begin() + from, played.begin() + from + count).size();
        };
        EXPECT_EQ(distinct(0, size), static_cast<std::size_t>(size)) << "the first cycle";
        for (std::size_t cycle = size; cycle + size - 1 <= played.size(); cycle += size - 1) {
            EXPECT_EQ(distinct(cycle, size - 1), static_cast<std::size_t>(size - 1)) << "cycle at " << cycle;
        }
        EXPECT_EQ(std::adjacent_find(played.begin(), played.end()), played.end());
    }
}

TEST(InstantRun, TheVolumeSliderMovesTheLevelInStepsAndSeekingStaysInsideTheFile) {
    InstantBench bench;
    bench.addSongs({u"a.mp3"});
    bench.options.volume = 80;
    bench.controller.beginRun(1, 0, 0);
    bench.step();
    FakePlayer* player = bench.player();
    player->attenuations.clear();
    bench.controller.setVolume(90, true);
    EXPECT_EQ(player->attenuations.size(), 10u);
    EXPECT_EQ(player->attenuations.back(), volumeToAttenuation(90));
    InstantOptions readOptions;
    std::vector<InstantItem> read;
    loadInstant({bench.folder, bench.instantFile, nullptr, nullptr}, u"/music", read, readOptions);
    EXPECT_EQ(readOptions.volume, 80) << "not saved while the thumb is tracked";
    bench.controller.setVolume(90, false);
    loadInstant({bench.folder, bench.instantFile, nullptr, nullptr}, u"/music", read, readOptions);
    EXPECT_EQ(readOptions.volume, 90);

    bench.controller.seek(100);
    EXPECT_EQ(player->seeks.back(), 999) << "at most 99.9 %";
    bench.script.durationMs = 0;
    bench.controller.seek(50);
    EXPECT_EQ(player->seeks.back(), 0);
    bench.step();
    EXPECT_EQ(bench.view.percent, 0) << "a zero length divides nothing";
}

TEST(InstantRun, ALengthTheFileCannotHoldIsStoredAsUnknown) {
    InstantBench bench;
    bench.addSongs({u"huge.wav"});
    bench.script.durationMs = 400000000;
    bench.controller.beginRun(1, 1, 0);
    bench.step();
    EXPECT_EQ(bench.items[0].durationMs, -1);
    bench.controller.stopRun(false);
    EXPECT_EQ(bench.stored().size(), 1u) << "the list still loads";
}

// The operator edits the list while it plays.
TEST(InstantEdits, EditsKeepTheCurrentItemAndStopOnlyWhatTheyRemove) {
    InstantBench bench;
    bench.addSongs({u"a.mp3", u"b.mp3", u"c.mp3", u"d.mp3"});
    bench.controller.beginRun(1, 0, 0);
    bench.step();
    ASSERT_TRUE(bench.instantActive);

    bench.controller.deleteItems({1});
    EXPECT_TRUE(bench.instantActive) << "another item was deleted";
    EXPECT_EQ(bench.stored().size(), 3u);

    EXPECT_EQ(bench.controller.moveDown({0}), (std::vector<int>{1}));
    EXPECT_EQ(fixedView(bench.items[1].name), u"a.mp3");
    EXPECT_EQ(bench.items[1].isCurrent, 1) << "a moved item stays current";
    EXPECT_TRUE(bench.controller.moveUp({0}).empty()) << "the top row cannot go up";

    bench.items[2].playedInCycle = 1;
    bench.controller.setMode(randomOrder);
    EXPECT_EQ(bench.items[2].playedInCycle, 0) << "a new mode starts a new cycle";

    EXPECT_TRUE(bench.controller.sort(InstantSortKey::name, false));
    EXPECT_EQ(fixedView(bench.items[0].name), u"a.mp3");

    bench.sleptMs = 0;
    bench.controller.deleteItems({0});
    EXPECT_FALSE(bench.instantActive) << "the playing item was deleted";
    EXPECT_GE(bench.sleptMs, 290) << "with a fade";
    EXPECT_EQ(currentIndex(bench.items), -1);

    bench.controller.chooseCurrent(1);
    bench.controller.beginRun(1, 0, 0);
    bench.step();
    bench.controller.clear();
    EXPECT_FALSE(bench.instantActive);
    EXPECT_TRUE(bench.stored().empty());
    EXPECT_EQ(bench.script.alive, 0);
}

TEST(InstantEdits, LoadingMarksTheRememberedItemOrTheFirst) {
    InstantBench bench;
    bench.addSongs({u"a.mp3", u"b.mp3", u"c.mp3"});
    bench.items[2].isCurrent = 1;
    bench.controller.save();
    bench.items.clear();
    EXPECT_TRUE(bench.controller.load(&bench.prompt).ok());
    EXPECT_EQ(currentIndex(bench.items), 2);

    markCurrent(bench.items, -1);
    bench.controller.save();
    bench.controller.load(&bench.prompt);
    EXPECT_EQ(currentIndex(bench.items), 0);
    EXPECT_EQ(bench.controller.room(), 297);

    bench.controller.fade(0.5);
    bench.controller.beginRun(1, 0, 0);
    bench.step();
    FakePlayer* player = bench.player();
    bench.controller.fade(0.5);
    EXPECT_EQ(player->attenuations.back(), volumeToAttenuation(40));
    bench.controller.fade(0);
    EXPECT_FALSE(bench.instantActive);
    EXPECT_EQ(bench.script.alive, 0);
}
