// A Wine with no sound device at all (no null pcm): only the WaveOut renderer is listed,
// so nothing can be played and a failure is the device's. These run in their own Wine.
#include <gtest/gtest.h>

#include "AudioTestSupport.h"
#include "audio/DefaultDevice.h"
#include "audio/PlayError.h"
#include "audio/win32/AudioSystemCheck.h"
#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/OutputDevices.h"
#include "audio/win32/WarmUp.h"

namespace {

class NoAudioDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!noSoundDeviceRun()) GTEST_SKIP() << "runs only in the Wine without a sound device";
    }
    EventWindow window;
};

TEST_F(NoAudioDeviceTest, NoDirectSoundDeviceIsListedOrCreated) {
    const OutputDeviceList list = listOutputDevices();
    EXPECT_TRUE(list.names.empty());
    EXPECT_TRUE(list.errorText.empty()) << "the enumerator itself works";
    EXPECT_FALSE(createAudioRenderer(defaultDeviceName));
    EXPECT_TRUE(createAudioRenderer(nullDeviceName)) << "the null renderer needs no device";
}

TEST_F(NoAudioDeviceTest, OpeningFailsWithNoAudioHardwareWhichIsTheDevicesFault) {
    DirectShowPlayer player(window.handle(), builtToolsConfig());
    for (const std::u16string_view device : {defaultDeviceName, std::u16string_view(u"Out: default")}) {
        const AudioResult code = player.open(samplePath(u"tone.mp3"), 1, device);
        EXPECT_EQ(code, audioNoHardware);
        EXPECT_EQ(player.graph(), nullptr);
        EXPECT_EQ(classifyOpenFailure(code, audioSystemChecks(builtProgramFolder())), PlayErrorKind::DeviceInvalid);
    }
}

TEST_F(NoAudioDeviceTest, TheWarmUpIsSilentAndQuick) {
    const DWORD start = GetTickCount();
    warmUpDevice(defaultDeviceName, window.handle(), builtToolsConfig());
    EXPECT_LT(GetTickCount() - start, 2000u);
}

}  // namespace
