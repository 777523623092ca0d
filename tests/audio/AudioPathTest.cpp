#include <gtest/gtest.h>

#include "audio/AudioExtensions.h"
#include "audio/AudioPath.h"
#include "support/MemoryFileSystem.h"

TEST(AudioPath, NetworkPathsAreRefusedAndOthersMustExistAsTheRightKind) {
    MemoryFileSystem fs;
    fs.addFile(u"C:/music/bell.mp3", {1});
    const NetworkDriveQuery networkZ = [](char16_t drive) { return drive == u'Z'; };
    EXPECT_EQ(checkAudioPath(fs, networkZ, u"\\\\server\\bell.mp3", audioFileLabel, false), u"音频文件路径无效, 不可从网络读取");
    EXPECT_EQ(checkAudioPath(fs, networkZ, u"Z:\\bell.mp3", audioFileLabel, false), u"音频文件路径无效, 不可从网络读取[Z]");
    EXPECT_EQ(checkAudioPath(fs, networkZ, u"C:/music/bell.mp3", audioFileLabel, false), std::nullopt);
    EXPECT_EQ(checkAudioPath(fs, networkZ, u"C:/music", audioFolderLabel, true), std::nullopt);
    EXPECT_EQ(checkAudioPath(fs, networkZ, u"C:/music", audioFileLabel, false), u"音频文件不存在");
    EXPECT_EQ(checkAudioPath(fs, networkZ, u"C:/music/bell.mp3", audioFolderLabel, true), u"音频文件夹不存在");
    EXPECT_EQ(checkAudioPath(fs, networkZ, u"C", audioFileLabel, false), u"音频文件不存在");
}

TEST(AudioPath, SupportedExtensions) {
    EXPECT_TRUE(isSupportedAudioFile(u"D:\\铃\\上课.MP3"));
    EXPECT_TRUE(isSupportedAudioFile(u"a.flac"));
    EXPECT_TRUE(isSupportedAudioFile(u"a.Wv"));
    EXPECT_FALSE(isSupportedAudioFile(u"a.mid"));
    EXPECT_FALSE(isSupportedAudioFile(u"mp3"));
    EXPECT_FALSE(isSupportedAudioFile(u"D:\\x.mp3\\readme"));
    EXPECT_EQ(fileNameOf(u"D:\\铃\\上课.mp3"), u"上课.mp3");
}
