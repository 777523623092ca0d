#pragma once
// The Windows volume of an output device as it applies to this program, and Windows' default
// output device: Core Audio from Windows 6 on, the waveform mixer before. Every failure is
// silent and leaves the reading's start values.
#include <string>
#include <string_view>

#include "system/SystemVolume.h"

// `deviceName` as the settings name it; "Default DirectSound Device" reads the default device.
VolumeReading readSystemVolume(int osMajor, std::u16string_view deviceName);

// The name of Windows' default output device; empty when none can be read.
std::u16string readDefaultDeviceName(int osMajor);
