#include "system/win32/SystemVolumeReader.h"

#include "system/win32/CoreAudioVolume.h"
#include "system/win32/MixerVolume.h"

VolumeReading readSystemVolume(int osMajor, std::u16string_view deviceName) {
    return osMajor > 5 ? readCoreAudioVolume(deviceName) : readMixerVolume(deviceName);
}

std::u16string readDefaultDeviceName(int osMajor) {
    return osMajor > 5 ? coreAudioDefaultDevice() : mixerDefaultDevice();
}
