#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/AudioExtensions.h"
#include "data/Text.h"
#include "instant/InstantImport.h"
#include "instant/InstantList.h"
#include "support/MemoryFileSystem.h"

namespace {

using Paths = std::vector<std::u16string>;

// The open-file dialog's buffer: the text, then NULs to the end as the dialog leaves it.
std::u16string dialogBuffer(std::u16string_view text) {
    std::u16string buffer(text);
    buffer.resize(buffer.size() + 64, u'\0');
    return buffer;
}

Paths pathsOf(const std::vector<InstantItem>& items) {
    Paths paths;
    for (const InstantItem& item : items) paths.emplace_back(fixedView(item.path));
    return paths;
}

}  // namespace

TEST(InstantImport, TheOpenFileDialogsResultSplitsIntoFullPaths) {
    // One file: the character before the name is the separator, not a NUL.
    EXPECT_EQ(splitChosenFiles(dialogBuffer(u"D:\\歌\\晨曲.mp3"), 5), Paths{u"D:\\歌\\晨曲.mp3"});
    // Several: the folder, then each name up to the empty one; what lies beyond is not read.
    const std::u16string several = dialogBuffer(std::u16string(u"D:\\歌\0a.mp3\0b.WMA\0\0stale.mp3\0", 29));
    EXPECT_EQ(splitChosenFiles(several, 5), (Paths{u"D:\\歌\\a.mp3", u"D:\\歌\\b.WMA"}));
    // A drive's root already ends in its separator; no extension check is made here.
    EXPECT_EQ(splitChosenFiles(dialogBuffer(std::u16string(u"E:\\\0x.txt\0y.ogg\0", 16)), 4),
              (Paths{u"E:\\x.txt", u"E:\\y.ogg"}));
}

TEST(InstantImport, FoldersAndDropsGiveTheirAudioFilesInOrder) {
    EXPECT_TRUE(isSupportedAudioFile(u"a.FLAC"));
    EXPECT_TRUE(isSupportedAudioFile(u"D:\\x.y\\b.Wv"));
    EXPECT_FALSE(isSupportedAudioFile(u"D:\\mp3\\readme"));
    EXPECT_FALSE(isSupportedAudioFile(u"cover.jpg"));

    MemoryFileSystem fs;
    fs.addFolder(u"D:\\操");
    fs.addFile(u"D:\\操\\1.mp3", {});
    fs.addFile(u"D:\\操\\2.TXT", {});
    fs.addFile(u"D:\\操\\3.m4a", {});
    fs.addFolder(u"D:\\操\\sub");
    fs.addFile(u"D:\\操\\sub\\deep.mp3", {});
    fs.addFolder(u"D:\\空");
    fs.addFolder(u"Z:\\网");
    EXPECT_EQ(audioFilesOfFolder(fs, u"D:\\操"), (Paths{u"D:\\操\\1.mp3", u"D:\\操\\3.m4a"}));
    EXPECT_TRUE(audioFilesOfFolder(fs, u"D:\\空").empty());
    EXPECT_TRUE(audioFilesOfFolder(fs, u"D:\\无").empty());

    const NetworkDriveQuery zIsNetwork = [](char16_t drive) { return drive == u'Z'; };
    // Dropped files are taken first, in order, then the folders' files; other files vanish.
    const DroppedFiles drop =
        collectDroppedFiles(fs, zIsNetwork, {u"D:\\操", u"D:\\铃.wav", u"D:\\说明.doc", u"D:\\空", u"E:\\x.ogg"});
    EXPECT_FALSE(drop.failure);
    EXPECT_EQ(drop.files, (Paths{u"D:\\铃.wav", u"E:\\x.ogg", u"D:\\操\\1.mp3", u"D:\\操\\3.m4a"}));

    // A folder on a network drive ends the whole drop with nothing taken.
    const DroppedFiles refused = collectDroppedFiles(fs, zIsNetwork, {u"D:\\铃.wav", u"Z:\\网", u"D:\\操"});
    EXPECT_TRUE(refused.files.empty());
    EXPECT_EQ(refused.failure,
              u"文件夹路径无效, 不可从网络读取[Z]： Z:\\网　　　　　　　　　　　　　　　　　");
}

// Ten files into a list with room for five, among them a path too long for the item's field
// and lengths the probe gets wrong: the page gets five storable items and both notices.
TEST(InstantImport, AnImportFillsTheRoomAndKeepsOnlyStorableItems) {
    const std::u16string longPath = u"D:\\" + std::u16string(252, u'长') + u".mp3";  // 259 units
    const std::u16string tooLong = u"D:\\" + std::u16string(253, u'长') + u".mp3";  // 260 units
    ASSERT_EQ(longPath.size(), maxInstantPathLength);
    const Paths paths = {u"D:\\a.mp3", tooLong, u"D:\\b.wav", u"D:\\c.wma", longPath, u"D:\\d.ogg",
                         u"D:\\e.mp3", u"D:\\f.mp3", u"D:\\g.mp3", u"D:\\h.mp3"};
    Paths probed;
    const DurationProbe probe = [&](std::u16string_view path) -> std::int32_t {
        probed.emplace_back(path);
        if (path == u"D:\\b.wav") return -1;
        if (path == u"D:\\c.wma") return maxInstantDurationMs + 1;
        if (path == u"D:\\d.ogg") return -7;
        return 2000 + static_cast<std::int32_t>(probed.size());
    };
    ImportProgress progress;
    const ImportResult result = runImport(paths, 5, probe, progress);

    EXPECT_TRUE(result.overflow);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.skippedLong, 1);
    EXPECT_EQ(progress.done(), 6) << "every path handled counts, the skipped one too";
    const Paths added = {u"D:\\a.mp3", u"D:\\b.wav", u"D:\\c.wma", longPath, u"D:\\d.ogg"};
    EXPECT_EQ(pathsOf(result.items), added);
    EXPECT_EQ(probed, added) << "a path too long is never probed";
    ASSERT_EQ(result.items.size(), 5u);
    EXPECT_EQ(result.items[0].durationMs, 2001);
    EXPECT_EQ(result.items[1].durationMs, -1);
    EXPECT_EQ(result.items[2].durationMs, -1);
    EXPECT_EQ(result.items[3].durationMs, 2004);
    EXPECT_EQ(result.items[4].durationMs, -1);
    EXPECT_EQ(fixedView(result.items[3].name), std::u16string(252, u'长') + u".mp3");
    EXPECT_EQ(fixedView(result.items[2].ext), u".wma");
    EXPECT_EQ(result.items[0].isCurrent + result.items[0].playedInCycle, 0);

    EXPECT_EQ(importProgressText(progress.done(), static_cast<int>(paths.size())), u"6 / 10");
    EXPECT_EQ(instantOverflowMessage(), u"最多添加 300 个音频");
    EXPECT_EQ(skippedLongPathsMessage(result.skippedLong), u"1 个文件的路径太长 (超过 259 个字符)，未添加");

    // A full list takes nothing; exactly enough room is no overflow.
    ImportProgress again;
    EXPECT_TRUE(runImport({u"D:\\a.mp3"}, 0, probe, again).overflow);
    EXPECT_FALSE(runImport({u"D:\\a.mp3"}, 1, probe, again).overflow);
}

TEST(InstantImport, CancellingStopsBeforeTheNextFile) {
    ImportProgress progress;
    int probes = 0;
    const DurationProbe probe = [&](std::u16string_view) {
        if (++probes == 2) progress.cancel();
        return 1000;
    };
    const ImportResult result = runImport({u"a.mp3", u"b.mp3", u"c.mp3", u"d.mp3"}, 300, probe, progress);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.overflow);
    EXPECT_EQ(probes, 2);
    EXPECT_EQ(progress.done(), 2);
}
