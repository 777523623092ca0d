#pragma once
// A scripted audio player and the recorders the play jobs talk to.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "audio/PlayJob.h"

struct FakePlayerScript {
    std::map<std::u16string, AudioResult> openFailures;  // by path
    std::map<std::u16string, AudioResult> runFailures;
    std::vector<std::u16string> opened;                  // every path opened, in order
    int endAfterPolls = 0;                               // > 0: isAtEnd turns true on that poll after a (re)start
    std::int32_t durationMs = 1000;                      // what every player reports
    int alive = 0;                                       // players created and not yet destroyed
};

class FakePlayer : public AudioPlayer {
public:
    explicit FakePlayer(FakePlayerScript& script) : script_(script) { ++script_.alive; }
    ~FakePlayer() override { --script_.alive; }

    AudioResult open(std::u16string_view path, std::uintptr_t, std::u16string_view device) override {
        path_ = path;
        device_ = device;
        script_.opened.push_back(path_);
        const auto failure = script_.openFailures.find(path_);
        if (failure != script_.openFailures.end()) return failure->second;
        open_ = true;
        return audioOk;
    }
    void close() override { open_ = false; }
    AudioResult run() override {
        ++runs;
        const auto failure = script_.runFailures.find(path_);
        if (failure != script_.runFailures.end()) return failure->second;
        running = true;
        return audioOk;
    }
    AudioResult stop() override {
        running = false;
        ++stops;
        return audioOk;
    }
    std::int32_t durationMs() override { return script_.durationMs; }
    std::int32_t positionMs() override { return atEnd ? script_.durationMs : 0; }
    void seekMs(std::int32_t ms) override {
        seeks.push_back(ms);
        atEnd = false;
        polls = 0;
    }
    bool isAtEnd() override {
        if (script_.endAfterPolls > 0 && ++polls >= script_.endAfterPolls) atEnd = true;
        return atEnd;
    }
    void setAttenuation(std::int32_t value) override { attenuations.push_back(value); }
    const std::u16string& path() const override { return path_; }
    bool drainEvents(AudioEvent& acted) override {
        if (!pendingEvent) return false;
        acted = *pendingEvent;
        pendingEvent.reset();
        return true;
    }

    bool atEnd = false;
    int polls = 0;
    bool running = false;
    int runs = 0;
    int stops = 0;
    std::vector<std::int32_t> seeks;
    std::vector<std::int32_t> attenuations;
    std::unique_ptr<AudioEvent> pendingEvent;
    bool isOpen() const { return open_; }
    const std::u16string& device() const { return device_; }

private:
    FakePlayerScript& script_;
    std::u16string path_;
    std::u16string device_;
    bool open_ = false;
};

class FakePlayerFactory : public AudioPlayerFactory {
public:
    explicit FakePlayerFactory(FakePlayerScript& script) : script_(script) {}
    std::unique_ptr<AudioPlayer> create() override { return std::make_unique<FakePlayer>(script_); }

private:
    FakePlayerScript& script_;
};

class RecordingNowPlaying : public NowPlayingView {
public:
    std::vector<std::vector<std::u16string>> rows;
    int appended = 0;
    int cellWrites = 0;
    void appendRow(std::u16string_view name) override {
        rows.push_back({std::u16string(name), u"", u""});
        ++appended;
    }
    void setCell(int row, int column, std::u16string_view text) override {
        rows.at(row).at(column) = text;
        ++cellWrites;
    }
    void deleteRow(int row) override { rows.erase(rows.begin() + row); }
    void clear() override { rows.clear(); }
};

struct LoggedEvent {
    DateTime time;
    std::u16string text;
};
