#pragma once
// The waveform mixer (before Windows 6): the speakers' master volume and mute, and the
// wave-out line's volume and mute in place of the audio session.
#include <string>
#include <string_view>

#include "system/SystemVolume.h"

// The first mixer whose product name is `deviceName`; mixer 0 for the default device.
VolumeReading readMixerVolume(std::u16string_view deviceName);

// The product name of mixer 0.
std::u16string mixerDefaultDevice();
