#pragma once
// The Windows volume that applies to this program's sound on one output device, as one
// reading finds it, and the bar's volume text made from it.
#include <cstdint>
#include <string>

// A field the reading could not reach keeps its start value, so a failed reading reads
// as full volume, not muted.
struct VolumeReading {
    std::int32_t endpointMuted = 0;  // the device's master mute
    std::int32_t sessionMuted = 0;   // this program's audio session, or the mixer's wave-out line
    double endpointLevel = 1.0;      // 0..1
    double sessionLevel = 1.0;       // 0..1
};

// "静" when either mute is on, else the effective volume in percent, rounded.
std::u16string volumeText(const VolumeReading& reading);

// A waveform-mixer volume control's value as a level 0..1 between its bounds; a control whose
// bounds coincide reads as full.
double mixerLevel(std::uint32_t value, std::uint32_t minimum, std::uint32_t maximum);
