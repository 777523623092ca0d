#pragma once
// A timed-play page without windows: fake players, recorded rows and log lines, and a
// clock the test moves.
#include <string>
#include <vector>

#include "audio/DefaultDevice.h"
#include "audio/PlayJob.h"
#include "support/FakeAudio.h"
#include "support/HolidaySamples.h"
#include "support/MemoryFileSystem.h"
#include "support/ProgramSamples.h"

struct JobBench {
    MemoryFileSystem fs;
    FakePlayerScript script;
    FakePlayerFactory factory{script};
    RecordingNowPlaying view;
    std::vector<LoggedEvent> logged;
    std::vector<int> sleeps;
    std::mt19937 random{12345};
    DateTime clock = at(2024, 9, 2, 8, 0, 0);
    JobServices services{factory,
                         view,
                         fs,
                         [](char16_t) { return false; },
                         [this](const DateTime& t, std::u16string_view text) { logged.push_back({t, std::u16string(text)}); },
                         [](AudioResult) { return PlayErrorKind::FormatProblem; },
                         [](AudioResult code) { return u"错误 " + formatNumber(code); },
                         [this](int ms) { sleeps.push_back(ms); },
                         [this] { return clock; },
                         random,
                         std::u16string(defaultDeviceName),
                         DuckSettings{},
                         false};
    TimedPlay play;

    ProgramRecord fileProgram(std::u16string_view name, std::u16string path = u"/music/bell.mp3") {
        fs.addFile(path, {1});
        ProgramRecord program = sampleProgram(name);
        setFixed(program.path, path);
        program.lastStart = clock;
        return program;
    }

    ProgramRecord folderProgram(std::u16string_view name, int songs, bool sequential = false) {
        for (int i = 1; i <= songs; ++i) fs.addFile(u"/songs/" + formatNumber(i) + u".mp3", {1});
        ProgramRecord program = sampleProgram(name);
        program.isFile = 0;
        program.sequential = sequential ? 1 : 0;
        setFixed(program.path, u"/songs");
        program.lastStart = clock;
        return program;
    }

    void add(const ProgramRecord& program, bool manual = false) { appendJob(play, services, makeJob(program, manual)); }
    void tick() { advanceJobs(play, services, clock); }
    // Ticks for whole seconds of the clock, 20 ticks each.
    void run(int seconds) {
        for (int s = 0; s < seconds; ++s) {
            for (int t = 0; t < 20; ++t) tick();
            clock = addSeconds(clock, 1);
        }
    }
    FakePlayer* head() {
        return play.nowPlaying.empty() ? nullptr : static_cast<FakePlayer*>(play.nowPlaying[0].player.get());
    }
    std::vector<std::u16string> texts() const {
        std::vector<std::u16string> result;
        for (const auto& e : logged) result.push_back(e.text);
        return result;
    }
    std::vector<std::u16string> songsStarted() const {
        std::vector<std::u16string> names;
        for (const auto& path : script.opened) names.emplace_back(fileNameOf(path));
        return names;
    }
};

