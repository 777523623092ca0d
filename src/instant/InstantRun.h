#pragma once
// The state of one run of immediate play, kept for the life of the process.
#include <memory>

#include "audio/AudioPlayer.h"
#include "data/DateTime.h"

// AppState's part of a run; a run is active while AppState's `instantActive` is set.
struct InstantRun {
    std::unique_ptr<AudioPlayer> player;  // the item that sounds; none while waiting for the ducking
    double fadeFactor = 1.0;              // falls to 0 over the end of a seconds run
    int playedCount = 0;                  // items started in this run, repeats included
    DateTime startTime{};                 // the first item's start, milliseconds 0
    int waitBlink = 1;                    // 1..12: the blinking of "即将播放"
};
