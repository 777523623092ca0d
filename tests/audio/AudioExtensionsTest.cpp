#include <gtest/gtest.h>

#include <string>

#include "audio/AudioExtensions.h"

// The dialogs, the editor's check and the log all name the same types, in the same order.
TEST(AudioExtensions, TheDialogFilterAndTheTextsNameEveryTypeInOrder) {
    const std::u16string filter = audioFileFilter();
    const std::u16string expected =
        std::u16string(u"mp3/wav/wma/flac/aac/ape/cda/m1a/m2a/m4a/mp2/mpa/ogg/tak/tta/wv") + u'\0' +
        u"*.mp3;*.wav;*.wma;*.flac;*.aac;*.ape;*.cda;*.m1a;*.m2a;*.m4a;*.mp2;*.mpa;*.ogg;*.tak;*.tta;*.wv" + u'\0';
    EXPECT_EQ(filter, expected);
    EXPECT_EQ(filter.c_str()[filter.size()], u'\0') << "the list ends in two NULs";

    EXPECT_EQ(audioExtensionList(u", "), u"mp3, wav, wma, flac, aac, ape, cda, m1a, m2a, m4a, mp2, mpa, ogg, tak, tta, wv");
    for (std::size_t i = 0; i < audioExtensions.size(); ++i) {
        EXPECT_TRUE(isSupportedAudioFile(u"D:\\铃\\a." + std::u16string(audioExtensions[i]))) << "extension " << i;
    }
    EXPECT_FALSE(isSupportedAudioFile(u"a."));
    EXPECT_FALSE(isSupportedAudioFile(u"a.mp"));
    EXPECT_FALSE(isSupportedAudioFile(u"a.mp3x"));
}
