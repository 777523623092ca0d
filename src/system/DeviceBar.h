#pragma once
// The device bar's refresh: which device plays and at what Windows volume, and the warm-up of
// a new Windows default device. Windows is reached through DeviceBarSystem.
#include <string>
#include <string_view>

#include "system/SystemVolume.h"

// "Default DirectSound Device" (any letter case) is shown as "默认的音频输出设备".
std::u16string displayedDeviceName(std::u16string_view outputDevice);

// "播放设备:  " and the displayed device; "Loading..." while no device is known yet (the
// settings hold their defaults from the start, so only a record never filled shows it).
std::u16string deviceBarText(std::u16string_view outputDevice);

// What a refresh asks of Windows.
class DeviceBarSystem {
public:
    virtual ~DeviceBarSystem() = default;
    virtual VolumeReading readVolume(std::u16string_view device) = 0;
    // Windows' default output device; empty when none can be read.
    virtual std::u16string readDefaultDevice() = 0;
    // The test sound, briefly, on "Default DirectSound Device".
    virtual void warmUpDefaultDevice() = 0;
};

struct DeviceBarTexts {
    std::u16string device;
    std::u16string volume;
};

// `lastDefaultDevice` is the default device the previous refresh saw, empty at first, so the
// first refresh that finds a default device warms it up.
DeviceBarTexts refreshDeviceBar(std::u16string& lastDefaultDevice, DeviceBarSystem& system,
                                std::u16string_view outputDevice);
