#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/DefaultDevice.h"
#include "system/DeviceBar.h"
#include "system/SystemVolume.h"

namespace {

// Windows as the bar sees it: a default device that the test changes, one reading for every
// device, and the warm-ups counted.
struct FakeWindows : DeviceBarSystem {
    std::u16string defaultDevice;
    VolumeReading reading;
    std::vector<std::u16string> devicesRead;
    int warmUps = 0;

    VolumeReading readVolume(std::u16string_view device) override {
        devicesRead.emplace_back(device);
        return reading;
    }
    std::u16string readDefaultDevice() override { return defaultDevice; }
    void warmUpDefaultDevice() override { ++warmUps; }
};

VolumeReading levels(double endpoint, double session) {
    VolumeReading reading;
    reading.endpointLevel = endpoint;
    reading.sessionLevel = session;
    return reading;
}

}  // namespace

TEST(DeviceBar, VolumeTextIsTheRoundedProductOrSilentWhenEitherMuteIsOn) {
    EXPECT_EQ(volumeText(VolumeReading{}), u"100") << "a reading that reached nothing";
    EXPECT_EQ(volumeText(levels(0.5, 0.5)), u"25");
    EXPECT_EQ(volumeText(levels(0.5, 1.0)), u"50");
    EXPECT_EQ(volumeText(levels(0.994, 1.0)), u"99");
    EXPECT_EQ(volumeText(levels(0.995, 1.0)), u"100");
    EXPECT_EQ(volumeText(levels(0.004, 1.0)), u"0");
    EXPECT_EQ(volumeText(levels(0.0, 0.3)), u"0");

    VolumeReading device = levels(0.8, 0.6);
    device.endpointMuted = 1;
    EXPECT_EQ(volumeText(device), u"静");
    VolumeReading session = levels(1.0, 1.0);
    session.sessionMuted = -1;
    EXPECT_EQ(volumeText(session), u"静");
    device.sessionMuted = 1;
    EXPECT_EQ(volumeText(device), u"静");
}

TEST(DeviceBar, MixerLevelRunsFromTheLowerBoundAndCoincidingBoundsReadAsFull) {
    EXPECT_DOUBLE_EQ(mixerLevel(0, 0, 65535), 0.0);
    EXPECT_DOUBLE_EQ(mixerLevel(65535, 0, 65535), 1.0);
    EXPECT_DOUBLE_EQ(mixerLevel(32768, 0, 65536), 0.5);
    // Measured from the lower bound: value / (max - min) would give 1.0 here.
    EXPECT_DOUBLE_EQ(mixerLevel(200, 100, 300), 0.5);
    EXPECT_DOUBLE_EQ(mixerLevel(100, 100, 300), 0.0);
    // Values outside the bounds stay within 0..1.
    EXPECT_DOUBLE_EQ(mixerLevel(50, 100, 300), 0.0);
    EXPECT_DOUBLE_EQ(mixerLevel(400, 100, 300), 1.0);
    // Coinciding bounds: full, not a division by zero.
    EXPECT_DOUBLE_EQ(mixerLevel(0, 0, 0), 1.0);
    EXPECT_DOUBLE_EQ(mixerLevel(7, 7, 7), 1.0);
    EXPECT_EQ(volumeText(levels(mixerLevel(5, 5, 5), mixerLevel(0, 0, 0))), u"100");
    EXPECT_EQ(volumeText(levels(mixerLevel(32768, 0, 65536), mixerLevel(32768, 0, 65536))), u"25");
}

TEST(DeviceBar, DeviceTextNamesTheDefaultDeviceInChineseWhateverItsCase) {
    EXPECT_EQ(displayedDeviceName(defaultDeviceName), u"默认的音频输出设备");
    EXPECT_EQ(displayedDeviceName(u"default directsound DEVICE"), u"默认的音频输出设备");
    EXPECT_EQ(displayedDeviceName(u"Speakers (USB Audio)"), u"Speakers (USB Audio)");
    EXPECT_EQ(deviceBarText(u"DEFAULT DirectSound Device"), u"播放设备:  默认的音频输出设备");
    EXPECT_EQ(deviceBarText(u"NullRenderer"), u"播放设备:  NullRenderer");
    EXPECT_EQ(deviceBarText(u""), u"播放设备:  Loading...");
}

TEST(DeviceBar, RefreshShowsTheConfiguredDeviceAndItsReading) {
    FakeWindows windows;
    std::u16string lastDefault;
    windows.reading = levels(0.5, 0.5);
    DeviceBarTexts texts = refreshDeviceBar(lastDefault, windows, defaultDeviceName);
    EXPECT_EQ(texts.device, u"播放设备:  默认的音频输出设备");
    EXPECT_EQ(texts.volume, u"25");

    // A device that is not connected: the reader finds nothing and the bar still names it.
    windows.reading = VolumeReading{};
    texts = refreshDeviceBar(lastDefault, windows, u"Speakers (USB Audio)");
    EXPECT_EQ(texts.device, u"播放设备:  Speakers (USB Audio)");
    EXPECT_EQ(texts.volume, u"100");

    windows.reading.endpointMuted = 1;
    EXPECT_EQ(refreshDeviceBar(lastDefault, windows, u"Speakers (USB Audio)").volume, u"静");
    EXPECT_EQ(windows.devicesRead, (std::vector<std::u16string>{std::u16string(defaultDeviceName),
                                                                u"Speakers (USB Audio)", u"Speakers (USB Audio)"}));

    // A record that was never filled: no reading at all.
    texts = refreshDeviceBar(lastDefault, windows, u"");
    EXPECT_EQ(texts.device, u"播放设备:  Loading...");
    EXPECT_EQ(texts.volume, u"…");
    EXPECT_EQ(windows.devicesRead.size(), 3u);
}

TEST(DeviceBar, EachChangeOfTheWindowsDefaultDeviceWarmsItUpOnce) {
    FakeWindows windows;
    std::u16string lastDefault;
    const auto warmUpsAfter = [&](std::u16string_view defaultDevice, std::u16string_view outputDevice) {
        windows.defaultDevice = defaultDevice;
        refreshDeviceBar(lastDefault, windows, outputDevice);
        return windows.warmUps;
    };
    EXPECT_EQ(warmUpsAfter(u"", defaultDeviceName), 0) << "no default device: nothing seen yet";
    EXPECT_EQ(warmUpsAfter(u"Speakers", defaultDeviceName), 1) << "the first refresh with a device";
    EXPECT_EQ(warmUpsAfter(u"Speakers", defaultDeviceName), 1);
    EXPECT_EQ(warmUpsAfter(u"SPEAKERS", defaultDeviceName), 1) << "letter case is no change";
    EXPECT_EQ(lastDefault, u"Speakers");
    EXPECT_EQ(warmUpsAfter(u"Headphones", u"Speakers"), 2) << "whatever device the settings name";
    EXPECT_EQ(lastDefault, u"Headphones");
    EXPECT_EQ(warmUpsAfter(u"Headphones", u""), 2);
    EXPECT_EQ(warmUpsAfter(u"Speakers", u""), 3) << "noticed before the settings are loaded too";
    EXPECT_EQ(warmUpsAfter(u"", defaultDeviceName), 4) << "the default device went away";
    EXPECT_EQ(warmUpsAfter(u"", defaultDeviceName), 4);
}
