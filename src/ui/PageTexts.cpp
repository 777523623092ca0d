#include "ui/PageTexts.h"

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

std::u16string duckingText(int duckPercent) {
    std::u16string number = formatNumber(duckPercent);
    if (number.size() < 3) number.insert(0, 3 - number.size(), u' ');
    return u"{立即播}播出时, {定时播}音量降低 " + number + u"%";
}
