// The output devices as Wine lists them with the null sound device: "Default DirectSound
// Device", "DirectSound: Out: default" and the WaveOut renderers beside them.
#include "audio/win32/OutputDevices.h"

#include <gtest/gtest.h>

#include <uuids.h>

#include <algorithm>

#include "AudioTestSupport.h"
#include "audio/DefaultDevice.h"
#include "audio/win32/DirectShowIds.h"

namespace {

constexpr std::u16string_view nullDeviceDirectSoundName = u"Out: default";

CLSID classOf(const Microsoft::WRL::ComPtr<IBaseFilter>& filter) {
    CLSID classId = GUID_NULL;
    if (filter) filter->GetClassID(&classId);
    return classId;
}

class OutputDevicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (noSoundDeviceRun()) GTEST_SKIP() << "needs the null sound device";
    }
};

TEST_F(OutputDevicesTest, ListsTheDirectSoundRenderersWithoutPrefixOrTheDefaultEntry) {
    const OutputDeviceList list = listOutputDevices();
    EXPECT_TRUE(list.errorText.empty());
    EXPECT_NE(std::find(list.names.begin(), list.names.end(), nullDeviceDirectSoundName), list.names.end());
    for (const std::u16string& name : list.names) {
        EXPECT_FALSE(sameTextIgnoringCase(name, defaultDeviceName));
        EXPECT_EQ(name.find(u"DirectSound"), std::u16string::npos);
        EXPECT_EQ(name.find(u"WaveOut"), std::u16string::npos);
    }
}

TEST_F(OutputDevicesTest, EveryListedNameFindsItsRendererAgainWhateverItsCase) {
    for (const std::u16string& name : listOutputDevices().names) {
        EXPECT_EQ(classOf(createAudioRenderer(name)), CLSID_DSoundRender);
    }
    EXPECT_EQ(classOf(createAudioRenderer(u"OUT: DEFAULT")), CLSID_DSoundRender);
}

TEST_F(OutputDevicesTest, TheDefaultNameFindsTheDefaultDirectSoundRenderer) {
    EXPECT_EQ(classOf(createAudioRenderer(defaultDeviceName)), CLSID_DSoundRender);
    EXPECT_EQ(classOf(createAudioRenderer(u"default directsound device")), CLSID_DSoundRender);
}

TEST_F(OutputDevicesTest, RenderersListedWithoutThePrefixAreNeverReturnedForOtherNames) {
    EXPECT_FALSE(createAudioRenderer(u"Default WaveOut Device"));
    EXPECT_FALSE(createAudioRenderer(u"DirectSound: Out: default")) << "the prefix is not part of a name";
    EXPECT_FALSE(createAudioRenderer(u"拔掉的声卡 (USB Audio)"));
    EXPECT_FALSE(createAudioRenderer(u""));
}

TEST_F(OutputDevicesTest, NullRendererIsTheDirectShowNullRendererInAnyCase) {
    EXPECT_EQ(classOf(createAudioRenderer(u"NullRenderer")), nullRendererClassId);
    EXPECT_EQ(classOf(createAudioRenderer(u"nullrenderer")), nullRendererClassId);
}

}  // namespace
