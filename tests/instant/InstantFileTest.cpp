#include <gtest/gtest.h>

#include <cstring>

#include "data/Text.h"
#include "instant/InstantFile.h"
#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"

namespace {

struct InstantFolder : MemoryDataFolder {
    std::u16string instantFile = dataDir + u"/立即播t";
    std::u16string musicDir = u"C:\\岚铃\\music";
    std::vector<InstantItem> items;
    InstantOptions options;

    ReadResult loadIt() { return loadInstant(contextOf(instantFile, &prompt), musicDir, items, options); }
    void writeRaw(const std::vector<InstantItem>& stored, const InstantOptions& storedOptions) {
        fs.addFile(instantFile, withDigest(instantPayload(stored, storedOptions)));
    }
};

bool defaultOptions(const InstantOptions& o) {
    return o.volume == 80 && o.mode == listLoop && o.countMode == 1 && o.songCount == 3 && o.seconds == 300;
}

}  // namespace

TEST(InstantFile, ANewInstallationListsTheSampleSongWithoutAMessage) {
    InstantFolder folder;
    EXPECT_TRUE(folder.loadIt().ok());
    ASSERT_EQ(folder.items.size(), 1u);
    const InstantItem& song = folder.items[0];
    EXPECT_EQ(fixedView(song.name), u"莱芜南冶.mp3");
    EXPECT_EQ(fixedView(song.path), u"C:\\岚铃\\music\\歌曲\\莱芜南冶.mp3");
    EXPECT_EQ(fixedView(song.ext), u".mp3");
    EXPECT_EQ(song.durationMs, 110833);
    EXPECT_EQ(song.isCurrent, 0);
    EXPECT_TRUE(defaultOptions(folder.options));
    EXPECT_TRUE(folder.prompt.messages.empty());
}

TEST(InstantFile, ASavedListReadsBackWithNamesDerivedFromThePaths) {
    InstantFolder folder;
    InstantItem first = makeInstantItem(u"D:\\歌\\国歌.WAV", 90000);
    first.isCurrent = 1;
    InstantItem second = makeInstantItem(u"D:\\歌\\无长度", -1);
    second.playedInCycle = 1;
    setFixed(second.name, u"别的名字.mp3");  // never trusted: derived again from the path
    const InstantOptions options{55, randomOrder, 0, 0, 42};
    ASSERT_TRUE(saveInstant(folder.contextOf(folder.instantFile, &folder.prompt), {first, second}, options).ok);

    EXPECT_TRUE(folder.loadIt().ok());
    ASSERT_EQ(folder.items.size(), 2u);
    EXPECT_EQ(std::memcmp(&folder.items[0], &first, sizeof first), 0);
    EXPECT_EQ(fixedView(folder.items[1].name), u"无长度");
    EXPECT_EQ(fixedView(folder.items[1].ext), u"");
    EXPECT_EQ(folder.items[1].durationMs, -1);
    EXPECT_EQ(folder.items[1].playedInCycle, 1);
    EXPECT_EQ(folder.options.volume, 55);
    EXPECT_EQ(folder.options.mode, randomOrder);
    EXPECT_EQ(folder.options.seconds, 42);
    EXPECT_TRUE(folder.prompt.messages.empty());
}

TEST(InstantFile, AFieldOutOfRangeEmptiesTheListAndResetsTheOptions) {
    const InstantItem song = makeInstantItem(u"D:\\歌\\a.mp3", 1000);
    struct Case {
        const char* what;
        std::size_t count;
        InstantOptions options;
        std::int32_t durationMs;
    };
    const Case cases[] = {
        {"301 items", 301, {}, 1000},          {"volume 24", 1, {24}, 1000},
        {"mode 3", 1, {80, 3}, 1000},          {"length -2", 1, {}, -2},
        {"length over 100 h", 1, {}, maxInstantDurationMs + 1},
        {"negative song count", 1, {80, listLoop, 1, -1}, 1000},
    };
    for (const Case& c : cases) {
        InstantFolder folder;
        InstantItem stored = song;
        stored.durationMs = c.durationMs;
        folder.writeRaw(std::vector<InstantItem>(c.count, stored), c.options);
        const ReadResult read = folder.loadIt();
        EXPECT_EQ(read.failure, ReadFailure::content) << c.what;
        EXPECT_TRUE(folder.items.empty()) << c.what;
        EXPECT_TRUE(defaultOptions(folder.options)) << c.what;
        ASSERT_EQ(folder.prompt.messages.size(), 1u) << c.what;
        EXPECT_NE(folder.prompt.messages[0].text.find(u"文件内容有错误"), std::u16string::npos) << c.what;
        EXPECT_EQ(folder.prompt.messages[0].icon, MessageIcon::error) << c.what;
    }
}
