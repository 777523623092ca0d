#include <gtest/gtest.h>

#include "audio/DefaultDevice.h"
#include "ui/PageTexts.h"

TEST(PageTexts, DefaultDeviceIsShownInChineseWhateverItsCase) {
    EXPECT_EQ(displayedDeviceName(defaultDeviceName), u"默认的音频输出设备");
    EXPECT_EQ(displayedDeviceName(u"default directsound DEVICE"), u"默认的音频输出设备");
    EXPECT_EQ(displayedDeviceName(u"Speakers (USB Audio)"), u"Speakers (USB Audio)");
    EXPECT_EQ(deviceBarText(u"DEFAULT DirectSound Device"), u"播放设备:  默认的音频输出设备");
    EXPECT_EQ(deviceBarText(u"NullRenderer"), u"播放设备:  NullRenderer");
    EXPECT_EQ(deviceBarText(u""), u"播放设备:  Loading...");
}

TEST(PageTexts, DuckingPercentIsRightAlignedInThreePlaces) {
    EXPECT_EQ(duckingText(60), u"{立即播}播出时, {定时播}音量降低  60%");
    EXPECT_EQ(duckingText(100), u"{立即播}播出时, {定时播}音量降低 100%");
    EXPECT_EQ(duckingText(5), u"{立即播}播出时, {定时播}音量降低   5%");
}
