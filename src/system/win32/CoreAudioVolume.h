#pragma once
// Core Audio (Windows 6 and later): the endpoint's master volume and mute, and those of this
// process's audio session on it, which exists only once the program has played there.
#include <string>
#include <string_view>

#include "system/SystemVolume.h"

// Every active rendering endpoint of that friendly name is read, so of several equal names
// the last decides.
VolumeReading readCoreAudioVolume(std::u16string_view deviceName);

// The friendly name of the default rendering endpoint of the console role.
std::u16string coreAudioDefaultDevice();
