#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "audio/DefaultDevice.h"
#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"
#include "system/SettingsFile.h"

namespace {

struct SettingsFolder : MemoryDataFolder {
    std::u16string settingsFile = dataDir + u"/设置t";
    SettingsRecord settings = defaultSettings();

    ReadResult loadIt() { return loadSettings(contextOf(settingsFile, &prompt), settings); }
    SaveResult saveIt() { return saveSettings(contextOf(settingsFile, &prompt), settings); }
};

bool sameSettings(const SettingsRecord& a, const SettingsRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

TEST(Settings, Defaults) {
    const SettingsRecord s = defaultSettings();
    EXPECT_EQ(s.dailyShutdownOn, 0);
    EXPECT_EQ(s.dailyShutdownTime.hour, 1);
    EXPECT_EQ(s.weeklyShutdownDays[4], 0);
    EXPECT_EQ(s.weeklyShutdownDays[5], 1);
    EXPECT_EQ(s.weeklyShutdownDays[6], 1);
    EXPECT_EQ(s.restartDays[6], 0);
    EXPECT_EQ(s.duckPercent, 60);
    EXPECT_EQ(s.duckFadeOutLength, 5);
    EXPECT_EQ(s.duckFadeInLength, 9);
    EXPECT_EQ(fixedView(s.outputDevice), defaultDeviceName);
}

TEST(SettingsFile, The644ByteFileRoundTripsAndAnyChangedByteIsAContentError) {
    SettingsFolder data;
    data.settings.restartOn = 1;
    data.settings.restartDays[2] = 1;
    setFixed(data.settings.outputDevice, u"扬声器 (Realtek High Definition Audio)");
    ASSERT_TRUE(data.saveIt().ok);
    const auto bytes = data.fs.files.at(data.settingsFile);
    ASSERT_EQ(bytes.size(), 644u);
    const SettingsRecord saved = data.settings;
    settingsReset(data.settings);
    ASSERT_TRUE(data.loadIt().ok());
    EXPECT_TRUE(sameSettings(data.settings, saved));

    for (std::size_t at = 0; at < 628; at += 7) {
        SettingsFolder changed;
        auto broken = bytes;
        broken[at] ^= 0x10;
        changed.fs.addFile(changed.settingsFile, broken);
        ASSERT_EQ(changed.loadIt().failure, ReadFailure::content) << at;
        EXPECT_TRUE(sameSettings(changed.settings, defaultSettings()));
    }
}

TEST(SettingsFile, EachRangeCheckGivesTheDefaultsBackIncludingFieldsReadBefore) {
    const std::vector<std::pair<const char*, std::function<void(SettingsRecord&)>>> breaks = {
        {"duck 24", [](SettingsRecord& s) { s.duckPercent = 24; }},
        {"duck 101", [](SettingsRecord& s) { s.duckPercent = 101; }},
        {"fade out 0", [](SettingsRecord& s) { s.duckFadeOutLength = 0; }},
        {"fade out 11", [](SettingsRecord& s) { s.duckFadeOutLength = 11; }},
        {"fade in 1", [](SettingsRecord& s) { s.duckFadeInLength = 1; }},
        {"fade in 17", [](SettingsRecord& s) { s.duckFadeInLength = 17; }},
        {"daily 24:00:00", [](SettingsRecord& s) { s.dailyShutdownTime.hour = 24; }},
        {"weekly minute 60", [](SettingsRecord& s) { s.weeklyShutdownTime.minute = 60; }},
        {"restart second 60", [](SettingsRecord& s) { s.restartTime.second = 60; }},
    };
    for (const auto& [why, breakIt] : breaks) {
        SettingsRecord bad = defaultSettings();
        bad.dailyShutdownOn = 1;  // read before the bad field, and discarded with it
        breakIt(bad);
        SettingsFolder data;
        data.fs.addFile(data.settingsFile, withDigest(settingsPayload(bad)));
        EXPECT_EQ(data.loadIt().failure, ReadFailure::content) << why;
        EXPECT_TRUE(sameSettings(data.settings, defaultSettings())) << why;
        EXPECT_FALSE(data.readFailed) << why;
    }
}

TEST(SettingsFile, LenientFieldsLoadAndTheDeviceNameIsCut) {
    SettingsRecord s = defaultSettings();
    s.weeklyShutdownOn = 1;
    std::memset(s.weeklyShutdownDays, 0, sizeof s.weeklyShutdownDays);
    s.restartOn = -7;
    for (auto& unit : s.outputDevice) unit = u'D';
    SettingsFolder data;
    data.fs.addFile(data.settingsFile, withDigest(settingsPayload(s)));
    ASSERT_TRUE(data.loadIt().ok());
    EXPECT_EQ(data.settings.weeklyShutdownOn, 1);
    EXPECT_EQ(data.settings.restartOn, -7);
    EXPECT_EQ(fixedView(data.settings.outputDevice), std::u16string(255, u'D'));
}

TEST(SettingsFile, AbsentShortAndUnreadableFiles) {
    SettingsFolder absent;
    absent.settings.duckPercent = 99;
    EXPECT_TRUE(absent.loadIt().ok());
    EXPECT_TRUE(sameSettings(absent.settings, defaultSettings()));
    EXPECT_TRUE(absent.prompt.messages.empty());

    SettingsFolder shortFile;
    auto bytes = withDigest(settingsPayload(defaultSettings()));
    bytes.resize(643);
    shortFile.fs.addFile(shortFile.settingsFile, bytes);
    EXPECT_EQ(shortFile.loadIt().failure, ReadFailure::content);
    EXPECT_FALSE(shortFile.readFailed);

    SettingsFolder denied;
    denied.fs.addFile(denied.settingsFile, withDigest(settingsPayload(defaultSettings())));
    denied.fs.failNext(MemoryFileSystem::Op::openRead, denied.settingsFile, errorAccessDenied, 2);
    EXPECT_EQ(denied.loadIt().failure, ReadFailure::io);
    EXPECT_TRUE(denied.readFailed);
    denied.settings.duckPercent = 30;
    EXPECT_FALSE(denied.saveIt().ok);
    ASSERT_EQ(denied.prompt.questions.size(), 1u);
    EXPECT_EQ(denied.prompt.questions[0],
              u"要保存修改吗 ？\n\n" + denied.settingsFile +
                  u"\n\n警告 !!\n软件启动时，该文件读取失败，保存会覆盖该文件 !\u3000\u3000\u3000\u3000\u3000\u3000\u3000  \n\n\n ");
}

TEST(SettingsFile, TheSettingsFilesOwnWriteTexts) {
    SettingsFolder data;
    data.fs.addFile(data.settingsFile, withDigest(settingsPayload(defaultSettings())));
    data.fs.busy.insert(data.settingsFile);
    const std::u16string wide(15, u'\u3000');
    EXPECT_EQ(data.saveIt().message, u"写文件失败：\n" + data.settingsFile +
                                         u"\n被别的程序占用\n\n您可尝试：\n关闭相关程序，或重启下电脑再试\n\n专家在线 - 主界面左侧点 {帮助栏}" +
                                         wide + u"\n ");
    data.fs.busy.clear();
    data.fs.failNext(MemoryFileSystem::Op::flush, data.settingsFile + u"Tmp", 112);
    EXPECT_EQ(data.saveIt().message, u"写文件失败：\n" + data.settingsFile +
                                         u"Tmp\n\nsystem text 112\n\n专家在线 - 主界面左侧点 {帮助栏}" + wide + u"\n\n\n ");
}
