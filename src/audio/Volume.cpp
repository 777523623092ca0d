#include "audio/Volume.h"

#include <algorithm>
#include <cmath>

std::int32_t volumeToAttenuation(int percent) {
    if (percent <= 0) return silentAttenuation;
    const double attenuation = std::max(4000.0 * std::log10(percent / 100.0), double(silentAttenuation));
    return static_cast<std::int32_t>(attenuation);
}

double lowerEndFade(double factor, int lengthSeconds) {
    const double base = 0.05 / lengthSeconds;
    const double rate = factor > 0.25 ? base * 1.5 : factor > 0.08 ? base * 0.68 : base * 0.32;
    return std::max(0.0, factor - rate);
}

void rampIn(AudioPlayer& player, double level, const SleepFunction& sleep) {
    for (int step = 1; step <= 20; ++step) {
        if (step > 1) sleep(6);
        player.setAttenuation(volumeToAttenuation(static_cast<int>(step * level / 20)));
    }
}

void rampOut(AudioPlayer& player, double level, int totalMs, const SleepFunction& sleep) {
    for (int step = 49; step >= 0; --step) {
        if (step < 49) sleep(totalMs / 50);
        player.setAttenuation(volumeToAttenuation(static_cast<int>(step * level / 50)));
    }
}
