#pragma once
// Percent to DirectShow attenuation, and the standard fade ramps.
#include <cstdint>
#include <functional>

#include "audio/AudioPlayer.h"

// 40 dB per decade: 100 -> 0, 10 -> -4000, 1 -> -8000, 0 -> -10000.
std::int32_t volumeToAttenuation(int percent);

// Sleeps the given milliseconds at 1 ms timer resolution; injected so tests count the steps.
using SleepFunction = std::function<void(int ms)>;

// A time-limited play fades out over its last seconds, at most this many.
inline constexpr int endFadeSeconds = 9;
// One 50 ms step of that fade over `lengthSeconds`: the factor falls fast while loud and slower
// near silence, in stretches of len/2, len/4 and len/4. Floor 0.
double lowerEndFade(double factor, int lengthSeconds);

// Steps 1/20 .. 20/20 of `level` with 6 ms between steps.
void rampIn(AudioPlayer& player, double level, const SleepFunction& sleep);
// Steps 49/50 .. 0/50 of `level` with totalMs/50 before each step after the first.
void rampOut(AudioPlayer& player, double level, int totalMs, const SleepFunction& sleep);
