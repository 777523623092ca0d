// The volume readers against Wine's audio stack (the null sound device of the test harness):
// Core Audio finds the default endpoint by its friendly name as well as by the default name,
// a device that is not there reads as the start values, and the mixer path answers within
// bounds. A real mute or a changed default device is left to the injected readers' tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <ole2.h>

#include "audio/DefaultDevice.h"
#include "system/win32/SystemVolumeReader.h"

namespace {

class SystemVolumeReaderTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { CoUninitialize(); }
};

void expectWithinBounds(const VolumeReading& reading) {
    EXPECT_GE(reading.endpointLevel, 0.0);
    EXPECT_LE(reading.endpointLevel, 1.0);
    EXPECT_GE(reading.sessionLevel, 0.0);
    EXPECT_LE(reading.sessionLevel, 1.0);
}

bool sameReading(const VolumeReading& a, const VolumeReading& b) {
    return a.endpointMuted == b.endpointMuted && a.sessionMuted == b.sessionMuted &&
           a.endpointLevel == b.endpointLevel && a.sessionLevel == b.sessionLevel;
}

}  // namespace

TEST_F(SystemVolumeReaderTest, CoreAudioReadsTheDefaultEndpointByEitherName) {
    const std::u16string defaultDevice = readDefaultDeviceName(6);
    ASSERT_FALSE(defaultDevice.empty());
    const VolumeReading byDefaultName = readSystemVolume(6, defaultDeviceName);
    expectWithinBounds(byDefaultName);
    EXPECT_TRUE(sameReading(readSystemVolume(6, defaultDevice), byDefaultName));
    EXPECT_TRUE(sameReading(readSystemVolume(6, u"default directsound device"), byDefaultName));
}

TEST_F(SystemVolumeReaderTest, AMissingDeviceReadsAsTheStartValues) {
    for (const int osMajor : {5, 6}) {
        const VolumeReading reading = readSystemVolume(osMajor, u"拔掉的声卡 (USB Audio)");
        EXPECT_TRUE(sameReading(reading, VolumeReading{})) << "Windows " << osMajor;
    }
}

TEST_F(SystemVolumeReaderTest, TheMixerPathAnswersWithinBounds) {
    expectWithinBounds(readSystemVolume(5, defaultDeviceName));
    const std::u16string mixer = readDefaultDeviceName(5);
    if (!mixer.empty()) expectWithinBounds(readSystemVolume(5, mixer));
}
