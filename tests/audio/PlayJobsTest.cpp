#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "audio/JobTexts.h"
#include "support/JobBench.h"


TEST(PlayJobs, CountModeFilePlaysThreeTimesBySeekingThenEnds) {
    JobBench bench;
    ProgramRecord program = bench.fileProgram(u"上课铃");
    program.songCount = 3;
    bench.add(program);
    bench.tick();
    ASSERT_NE(bench.head(), nullptr);
    EXPECT_EQ(bench.view.rows[0][1], u"1 / 3遍");
    EXPECT_EQ(bench.texts(), std::vector<std::u16string>{u"上课铃 ◆ 开始播放"});
    EXPECT_EQ(bench.head()->attenuations.front(), -10000);  // silent before it runs
    EXPECT_EQ(bench.head()->attenuations.back(), volumeToAttenuation(program.volume));

    for (const auto* expected : {u"2 / 3遍", u"3 / 3遍"}) {
        bench.head()->atEnd = true;
        bench.tick();
        EXPECT_EQ(bench.view.rows[0][1], expected);
        EXPECT_EQ(bench.head()->seeks.back(), 0);
        EXPECT_TRUE(bench.head()->running);
    }
    EXPECT_EQ(bench.script.opened.size(), 1u);  // one player for every repeat
    bench.head()->atEnd = true;
    bench.tick();
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_TRUE(bench.view.rows.empty());
    EXPECT_EQ(bench.texts().back(), u"上课铃 ◆ 播放结束");
    EXPECT_EQ(bench.script.alive, 0);
}

TEST(PlayJobs, RandomFolderPlaysEverySongOncePerCycleAndNeverRepeatsAcrossACycleBoundary) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        JobBench bench;
        bench.random.seed(seed);
        ProgramRecord program = bench.folderProgram(u"课间音乐", 5);
        program.songCount = 12;
        bench.add(program);
        bench.tick();
        for (int i = 0; i < 11; ++i) {
            ASSERT_NE(bench.head(), nullptr);
            bench.head()->atEnd = true;
            bench.tick();
        }
        ASSERT_NE(bench.head(), nullptr);
        EXPECT_EQ(bench.view.rows[0][1], u"12 / 12首");
        const auto songs = bench.songsStarted();
        ASSERT_EQ(songs.size(), 12u);
        std::map<std::u16string, int> counts;
        for (int i = 0; i < 10; ++i) ++counts[songs[i]];
        EXPECT_EQ(counts.size(), 5u) << "seed " << seed;
        for (const auto& [song, count] : counts) EXPECT_EQ(count, 2) << "seed " << seed;
        EXPECT_NE(songs[5], songs[4]) << "seed " << seed;
        EXPECT_NE(songs[10], songs[9]) << "seed " << seed;
        bench.head()->atEnd = true;
        bench.tick();
        EXPECT_EQ(bench.texts().back(), u"课间音乐 ◆ 播放结束");
    }
}

TEST(PlayJobs, SequentialFolderPlaysByCaseInsensitiveNameAndLogsEachSwitch) {
    JobBench bench;
    for (const auto* name : {u"2.mp3", u"10.mp3", u"1.mp3", u"cover.jpg"}) bench.fs.addFile(u"/seq/" + std::u16string(name), {1});
    bench.fs.addFolder(u"/seq/sub.mp3");
    ProgramRecord program = sampleProgram(u"顺序");
    program.isFile = 0;
    program.sequential = 1;
    program.songCount = 4;
    setFixed(program.path, u"/seq");
    program.lastStart = bench.clock;
    bench.add(program);
    bench.tick();
    for (int i = 0; i < 3; ++i) {
        bench.head()->atEnd = true;
        bench.tick();
    }
    EXPECT_EQ(bench.songsStarted(), (std::vector<std::u16string>{u"1.mp3", u"10.mp3", u"2.mp3", u"1.mp3"}));
    const auto texts = bench.texts();
    EXPECT_EQ(texts[0], u"顺序 ◆ 开始播放 ◆ 1.mp3");
    EXPECT_EQ(texts[1], u"顺序 ◆ 音频切换 ◆ 10.mp3");
    EXPECT_EQ(bench.view.rows[0][2], u"1.mp3");
}

TEST(PlayJobs, OnlyTheFirst300FilesListedAreEverChosen) {
    JobBench bench;
    for (int i = 0; i < 400; ++i) bench.fs.addFile(u"/many/" + formatNumber(i, 3) + u".mp3", {1});
    PlayJob job = makeJob(sampleProgram(u"x"), false);
    job.program.isFile = 0;
    setFixed(job.program.path, u"/many");
    for (int i = 0; i < 700; ++i) {
        FolderEntry song;
        ASSERT_EQ(pickFolderSong(job, bench.fs, bench.random, song), 1);
        EXPECT_LT(song.name, u"300.mp3");
        job.playedSongs.push_back(song);
    }
}

TEST(PlayJobs, ThreeFailuresInARowEndTheFolderJob) {
    JobBench bench;
    ProgramRecord program = bench.folderProgram(u"坏文件", 4, true);
    for (int i = 1; i <= 3; ++i) bench.script.openFailures[u"/songs/" + formatNumber(i) + u".mp3"] = audioFail;
    bench.add(program);
    bench.tick();
    const auto texts = bench.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].rfind(u"坏文件 ◆ 音频失败(跳过) ◆ 1.mp3 ◆ 错误 ", 0), 0u);
    EXPECT_EQ(texts[2].rfind(u"坏文件 ◆ 音频失败(跳过) ◆ 3.mp3 ◆ ", 0), 0u);
    EXPECT_EQ(texts[3], u"坏文件 ◆ 终止播放 ◆ 因:连续多个音频失败或异常");
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_EQ(bench.script.alive, 0);
}

TEST(PlayJobs, AFailedSongIsNeverRetriedAndASuccessResetsTheRun) {
    JobBench bench;
    ProgramRecord program = bench.folderProgram(u"f", 3, true);
    program.songCount = 6;
    bench.script.openFailures[u"/songs/1.mp3"] = audioFail;
    bench.add(program);
    bench.tick();
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(bench.head(), nullptr) << i;
        bench.head()->atEnd = true;
        bench.tick();
    }
    EXPECT_EQ(std::count(bench.script.opened.begin(), bench.script.opened.end(), u"/songs/1.mp3"), 1);
    EXPECT_EQ(bench.songsStarted().size(), 7u);  // 1 failed, then 2 3 2 3 2 3

    // With every song failed the job reports it.
    JobBench all;
    ProgramRecord broken = all.folderProgram(u"全坏", 1, true);
    all.script.openFailures[u"/songs/1.mp3"] = audioFail;
    all.add(broken);
    all.tick();
    EXPECT_EQ(all.texts().back(), u"全坏 ◆ 音频全部失败或异常");
}

TEST(PlayJobs, AFiveSecondWindowFadesFromItsStartAndEndsAboutFiveSecondsLater) {
    JobBench bench;
    ProgramRecord program = bench.fileProgram(u"短");
    program.countMode = 0;
    program.seconds = 5;
    bench.add(program);
    int ticks = 0;
    while (!bench.play.nowPlaying.empty() && ticks < 400) {
        bench.tick();
        if (++ticks % 20 == 0) bench.clock = addSeconds(bench.clock, 1);
    }
    EXPECT_GE(ticks, 95);
    EXPECT_LE(ticks, 105);
    EXPECT_EQ(bench.texts().back(), u"短 ◆ 播放结束");
    // The progress cell is written once for each second it shows, not on every tick.
    EXPECT_EQ(bench.view.cellWrites, 6);
}

TEST(PlayJobs, AJobQueuedForMostOfItsWindowFadesOutRightAfterItStarts) {
    JobBench bench;
    ProgramRecord first = bench.fileProgram(u"前");
    first.songCount = 1;
    ProgramRecord late = bench.fileProgram(u"后", u"/music/late.mp3");
    late.countMode = 0;
    late.seconds = 600;
    late.delayable = 1;
    bench.add(first);
    bench.add(late);
    bench.tick();
    bench.clock = addSeconds(bench.clock, 595);
    bench.head()->atEnd = true;
    bench.tick();  // the first ends; the second starts in the same tick
    ASSERT_EQ(bench.play.nowPlaying.size(), 1u);
    EXPECT_EQ(bench.view.rows[0][1], u"09:55 / 10:00");
    int ticks = 0;
    while (!bench.play.nowPlaying.empty() && ticks < 1000) {
        bench.tick();
        if (++ticks % 20 == 0) bench.clock = addSeconds(bench.clock, 1);
    }
    EXPECT_GE(ticks, 170);  // a full fade of nine seconds
    EXPECT_LE(ticks, 190);
}

TEST(PlayJobs, DuckingLowersToFortyPercentInThreeSecondsAndRisesBack) {
    JobBench bench;
    ProgramRecord program = bench.fileProgram(u"长");
    program.volume = 100;
    bench.add(program);
    bench.tick();
    bench.services.instantActive = true;
    int ticks = 0;
    while (bench.play.timedDuckFactor > 0.4 && ticks < 1000) {
        bench.tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 60);
    EXPECT_EQ(bench.head()->attenuations.back(), volumeToAttenuation(40));
    bench.services.instantActive = false;
    ticks = 0;
    while (bench.play.timedDuckFactor < 1.0 && ticks < 1000) {
        bench.tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 108);  // 0.6 of the nine-second rise
    EXPECT_EQ(bench.head()->attenuations.back(), 0);
}

TEST(PlayJobs, StoppingAWaitingJobLogsWithoutEllipsisAndPlaysNoFade) {
    JobBench bench;
    bench.add(bench.fileProgram(u"甲"));
    bench.add(bench.fileProgram(u"乙", u"/music/b.mp3"));
    bench.tick();
    const std::size_t attenuations = bench.head()->attenuations.size();
    stopJob(bench.play, bench.services, 1, userStopReason, 300, bench.clock);
    EXPECT_EQ(bench.texts().back(), u"乙 ◆ 终止播放 ◆ 用户终止播放");
    EXPECT_EQ(bench.head()->attenuations.size(), attenuations);
    ASSERT_EQ(bench.view.rows.size(), 1u);

    stopJob(bench.play, bench.services, 0, userStopReason, 300, bench.clock);
    EXPECT_EQ(bench.texts().back(), u"甲 ◆ 终止播放… ◆ 用户终止播放");
    EXPECT_TRUE(bench.view.rows.empty());
    EXPECT_EQ(bench.script.alive, 0);
}

TEST(PlayJobs, StopByNameManualMarksAndTheWholeQueue) {
    JobBench bench;
    bench.add(bench.fileProgram(u"Bell"), true);
    bench.add(bench.fileProgram(u"other", u"/music/o.mp3"));
    bench.add(bench.fileProgram(u"bell", u"/music/b2.mp3"));
    bench.tick();
    EXPECT_EQ(bench.view.rows[0][0], u"Bell(手动)");
    stopJobsByName(bench.play, bench.services, u"BELL", deletedReason);
    ASSERT_EQ(bench.play.nowPlaying.size(), 1u);
    EXPECT_EQ(bench.texts()[1], u"Bell(手动) ◆ 终止播放… ◆ 该节目被删除");
    EXPECT_EQ(bench.texts()[2], u"bell ◆ 终止播放 ◆ 该节目被删除");
    stopAllJobs(bench.play, bench.services, u"别的节目要播: x(手动)", 600, bench.clock);
    EXPECT_TRUE(bench.play.nowPlaying.empty());
}

TEST(PlayJobs, AFailedStartLetsTheNextJobStartInTheSameTick) {
    JobBench bench;
    ProgramRecord missing = sampleProgram(u"缺");
    setFixed(missing.path, u"/music/none.mp3");
    missing.lastStart = bench.clock;
    bench.add(missing);
    bench.add(bench.fileProgram(u"好"));
    bench.script.openFailures[u"/music/bell.mp3"] = audioNoHardware;
    bench.services.classify = [](AudioResult code) {
        return code == audioNoHardware ? PlayErrorKind::DeviceInvalid : PlayErrorKind::FormatProblem;
    };
    bench.tick();
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    const auto texts = bench.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], u"缺 ◆ 音频文件不存在 ◆ /music/none.mp3 ◆ 请重选音频文件");
    EXPECT_EQ(texts[1],
              u"好 ◆ 播放失败 ◆ 音频设备无效 ◆ 常见原因: (1)找不到设备,电脑无声卡或被禁用了; (2)有多个设备,到设置栏另选音频设备; "
              u"(3)远程登录时,应选{在远程电脑上播音频} (参看:官网>帮助) ◆ 官网/专家在线: 主界面左侧点{帮助栏}");
}

TEST(PlayJobs, TheClockGoingBackEndsOnlySecondsModeJobs) {
    JobBench bench;
    ProgramRecord timed = bench.fileProgram(u"秒");
    timed.countMode = 0;
    timed.seconds = 600;
    bench.add(timed);
    bench.tick();
    bench.clock = addSeconds(bench.clock, -15);
    bench.tick();
    EXPECT_EQ(bench.play.nowPlaying.size(), 1u);  // 15 s back is tolerated
    bench.clock = addSeconds(bench.clock, -1);
    bench.tick();
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_EQ(bench.texts().back(), u"秒 ◆ 终止播放… ◆ 系统时间倒退");

    JobBench counting;
    counting.add(counting.fileProgram(u"遍"));
    counting.tick();
    counting.clock = addSeconds(counting.clock, -3600);
    counting.tick();
    EXPECT_EQ(counting.play.nowPlaying.size(), 1u);
}

TEST(PlayJobs, GraphErrorsEndAFileJobAndSkipAFolderSong) {
    JobBench bench;
    bench.add(bench.fileProgram(u"单"));
    bench.tick();
    bench.head()->pendingEvent = std::make_unique<AudioEvent>(AudioEvent{true, u""});
    onJobAudioEvent(bench.play, bench.services, bench.head());
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_EQ(bench.texts().back(),
              u"单 ◆ 播放异常 ◆ 音频设备失效 ◆ 常见原因: (1)音频设备被拔出或禁用; (2)远程登录时,应选{在远程电脑上播音频} "
              u"(参看:官网>帮助) ◆ 官网/专家在线: 主界面左侧点{帮助栏}");

    JobBench folder;
    ProgramRecord program = folder.folderProgram(u"夹", 3, true);
    program.songCount = 3;
    folder.add(program);
    folder.tick();
    folder.head()->pendingEvent = std::make_unique<AudioEvent>(AudioEvent{false, u"解码出错"});
    onJobAudioEvent(folder.play, folder.services, folder.head());
    ASSERT_EQ(folder.play.nowPlaying.size(), 1u);
    EXPECT_EQ(folder.view.rows[0][1], u"2 / 3首");
    EXPECT_EQ(folder.view.rows[0][2], u"2.mp3");
    const auto texts = folder.texts();
    EXPECT_EQ(texts[1].rfind(u"夹 ◆ 音频异常(跳过) ◆ 1.mp3 ◆ 解码出错 ◆ 常见原因: (1)如安装了酷狗/酷我", 0), 0u);
    EXPECT_EQ(texts[2], u"夹 ◆ 音频切换 ◆ 2.mp3");
    // A player that is no longer in the queue is ignored.
    onJobAudioEvent(folder.play, folder.services, nullptr);
    EXPECT_EQ(folder.play.nowPlaying.size(), 1u);
}

TEST(PlayJobs, FadeAllJobsLowersThenStopsEverything) {
    JobBench bench;
    ProgramRecord program = bench.fileProgram(u"全");
    program.volume = 100;
    bench.add(program);
    bench.add(bench.fileProgram(u"等", u"/music/w.mp3"));
    bench.tick();
    fadeAllJobs(bench.play, bench.services, 0.5);
    EXPECT_EQ(bench.head()->attenuations.back(), volumeToAttenuation(50));
    fadeAllJobs(bench.play, bench.services, 0);
    EXPECT_TRUE(bench.play.nowPlaying.empty());
    EXPECT_TRUE(bench.view.rows.empty());
    EXPECT_EQ(bench.script.alive, 0);
}
