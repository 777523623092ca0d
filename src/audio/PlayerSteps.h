#pragma once
// The steps of a player's life that timed play and immediate play share: the silent start
// before the ramp in, the level, and the end.
#include <memory>
#include <string_view>

#include "audio/AudioPlayer.h"

// A player opened on `path` and running silent, or the failure with nothing left allocated.
struct SilentStart {
    std::unique_ptr<AudioPlayer> player;  // null on failure
    AudioResult failure = audioOk;        // the failing step's code
    bool openFailed = false;              // the open failed; otherwise the run did
};
SilentStart startSilent(AudioPlayerFactory& players, std::u16string_view path, std::u16string_view deviceName);

// The level in percent; fractions are cut.
void setPlayerLevel(AudioPlayer& player, double level);

// Stops, closes and drops the player; nothing when there is none.
void destroyPlayer(std::unique_ptr<AudioPlayer>& player);
