#include "system/DeviceBar.h"

#include "audio/DefaultDevice.h"
#include "data/Text.h"

std::u16string displayedDeviceName(std::u16string_view outputDevice) {
    if (equalsNoCase(outputDevice, defaultDeviceName)) return u"默认的音频输出设备";
    return std::u16string(outputDevice);
}

std::u16string deviceBarText(std::u16string_view outputDevice) {
    if (outputDevice.empty()) return u"播放设备:  Loading...";
    return u"播放设备:  " + displayedDeviceName(outputDevice);
}

DeviceBarTexts refreshDeviceBar(std::u16string& lastDefaultDevice, DeviceBarSystem& system,
                                std::u16string_view outputDevice) {
    std::u16string current = system.readDefaultDevice();
    if (!equalsNoCase(current, lastDefaultDevice)) {
        lastDefaultDevice = std::move(current);
        system.warmUpDefaultDevice();
    }
    if (outputDevice.empty()) return {deviceBarText(outputDevice), u"…"};
    return {deviceBarText(outputDevice), volumeText(system.readVolume(outputDevice))};
}
