#pragma once
// The running program as the web console sees it, in memory: it records what the console asked
// of it and the play-log lines it was given.
#include <string>
#include <vector>

#include "data/ProgramRecord.h"
#include "data/Text.h"
#include "support/FakeSecrets.h"
#include "web/WebConsoleOperations.h"

class FakeWebConsole : public WebConsoleOperations {
public:
    explicit FakeWebConsole(FileSystem& fs) : fs_(fs) {}

    DateTime nowValue{2026, 3, 1, 9, 8, 30, 5, 0};  // Monday 2026-03-09 08:30:05
    HostNames names{"SCHOOL-PC", {"192.168.1.10", "fe80::1%3"}};
    int freshNameReads = 0;
    WebStatus statusValue;
    WebSchedule scheduleValue;
    WebInstantList instantValue;
    std::vector<std::u16string> playLog;  // every line, oldest first
    std::vector<std::string> actions;     // what the console carried out
    WebActionResult silenceAnswer;

    DateTime now() override { return nowValue; }
    HostNames hostNames(bool fresh) override {
        freshNameReads += fresh ? 1 : 0;
        return names;
    }
    WebStatus status() override { return statusValue; }
    WebSchedule schedule() override { return scheduleValue; }
    FileSystem& fileSystem() override { return fs_; }
    std::vector<std::u16string> logLines(int count) override {
        const std::size_t from = playLog.size() > static_cast<std::size_t>(count) ? playLog.size() - static_cast<std::size_t>(count) : 0;
        return {playLog.begin() + static_cast<std::ptrdiff_t>(from), playLog.end()};
    }
    WebInstantList instantList() override { return instantValue; }

    WebActionResult stopPlays(std::u16string_view name) override {
        if (!name.empty() && findProgramByName(scheduleValue.programs, name) < 0) return {WebOutcome::unknownName, {}};
        actions.push_back(name.empty() ? "stop all" : "stop " + toUtf8(name));
        return {};
    }
    WebActionResult playProgram(std::u16string_view name) override {
        if (findProgramByName(scheduleValue.programs, name) < 0) return {WebOutcome::unknownName, {}};
        actions.push_back("play " + toUtf8(name));
        return {};
    }
    WebActionResult startInstant(int index) override {
        if (index < 0 || static_cast<std::size_t>(index) >= instantValue.items.size()) return {WebOutcome::badIndex, {}};
        actions.push_back("instant " + std::to_string(index));
        return {};
    }
    WebActionResult stopInstant() override {
        actions.push_back("instant stop");
        return {};
    }
    WebActionResult silenceToday() override {
        if (silenceAnswer.outcome == WebOutcome::done) actions.push_back("silence");
        return silenceAnswer;
    }
    void logRemote(std::u16string_view text) override { playLog.emplace_back(text); }

private:
    FileSystem& fs_;
};
