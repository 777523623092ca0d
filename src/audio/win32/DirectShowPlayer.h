#pragma once
// AudioPlayer on a DirectShow graph built by hand: the tools source filter or, for WMA
// files it cannot take, the ASF reader and the WMA decoder DMO, connected pin to pin
// to the chosen device's renderer. Lives on the thread that made it (an STA).
#include <windows.h>

#include <memory>
#include <string>

#include "audio/AudioPlayer.h"
#include "audio/win32/PlayerGraph.h"
#include "audio/win32/ToolsSource.h"

class DirectShowPlayer : public AudioPlayer {
public:
    // Graph events are posted to `notifyWindow` as WM_AUDIO_EVENT.
    DirectShowPlayer(HWND notifyWindow, AudioToolsConfig config);
    ~DirectShowPlayer() override;
    DirectShowPlayer(const DirectShowPlayer&) = delete;
    DirectShowPlayer& operator=(const DirectShowPlayer&) = delete;

    AudioResult open(std::u16string_view path, std::uintptr_t notifyParam, std::u16string_view deviceName) override;
    void close() override;
    AudioResult run() override;
    AudioResult stop() override;
    std::int32_t durationMs() override;
    std::int32_t positionMs() override;
    void seekMs(std::int32_t ms) override;
    bool isAtEnd() override;
    void setAttenuation(std::int32_t hundredthsOfDb) override;
    const std::u16string& path() const override { return path_; }
    bool drainEvents(AudioEvent& acted) override;

    // The open graph, none when closed; for diagnosis.
    IGraphBuilder* graph() const { return graph_ ? graph_->builder.Get() : nullptr; }

private:
    AudioResult openToolsPath(std::u16string_view path, std::uintptr_t notifyParam, std::u16string_view deviceName);
    AudioResult openWmaPath(std::u16string_view path, std::uintptr_t notifyParam, std::u16string_view deviceName);
    AudioResult finishOpen(std::unique_ptr<PlayerGraph> graph, std::u16string_view path, std::uintptr_t notifyParam);

    HWND notifyWindow_;
    AudioToolsConfig config_;
    std::u16string path_;
    std::unique_ptr<PlayerGraph> graph_;  // present exactly while open
};

class DirectShowPlayerFactory : public AudioPlayerFactory {
public:
    DirectShowPlayerFactory(HWND notifyWindow, AudioToolsConfig config)
        : notifyWindow_(notifyWindow), config_(std::move(config)) {}
    std::unique_ptr<AudioPlayer> create() override;

private:
    HWND notifyWindow_;
    AudioToolsConfig config_;
};
