#include <gtest/gtest.h>

#include <algorithm>

#include "data/RowMoves.h"
#include "data/Text.h"
#include "instant/InstantList.h"

namespace {

std::vector<InstantItem> itemsNamed(std::initializer_list<std::u16string_view> names) {
    std::vector<InstantItem> items;
    for (const auto name : names) items.push_back(makeInstantItem(u"D:\\歌\\" + std::u16string(name), 1000));
    return items;
}

std::vector<std::u16string> names(const std::vector<InstantItem>& items) {
    std::vector<std::u16string> result;
    for (const InstantItem& item : items) result.emplace_back(fixedView(item.name));
    return result;
}

}  // namespace

// An operator tidies the list: moves, sorts and deletes, with the current item followed throughout.
TEST(InstantList, TheCurrentItemFollowsMovesSortsAndDeletes) {
    std::vector<InstantItem> items = itemsNamed({u"b.MP3", u"a.flac", u"C.mp3", u"d.wav", u"e.FLAC"});
    EXPECT_EQ(currentIndex(items), -1);
    markCurrent(items, 2);
    EXPECT_EQ(currentIndex(items), 2);

    // Separated rows keep their gap; the top row cannot go up, the bottom row not down.
    EXPECT_EQ(moveRowsDown(items, {0, 2}), (std::vector<int>{1, 3}));
    EXPECT_EQ(names(items), (std::vector<std::u16string>{u"a.flac", u"b.MP3", u"d.wav", u"C.mp3", u"e.FLAC"}));
    EXPECT_EQ(currentIndex(items), 3) << "a moved item keeps its mark";
    EXPECT_TRUE(moveRowsUp(items, {0, 3}).empty());
    EXPECT_TRUE(moveRowsDown(items, {4}).empty());

    // By type: .flac before .mp3 before .wav, letter case ignored, each type in its previous order.
    ASSERT_TRUE(sortInstantItems(items, InstantSortKey::type, false));
    EXPECT_EQ(names(items), (std::vector<std::u16string>{u"a.flac", u"e.FLAC", u"b.MP3", u"C.mp3", u"d.wav"}));
    ASSERT_TRUE(sortInstantItems(items, InstantSortKey::name, true));
    EXPECT_EQ(names(items), (std::vector<std::u16string>{u"e.FLAC", u"d.wav", u"C.mp3", u"b.MP3", u"a.flac"}));
    EXPECT_EQ(fixedView(items[currentIndex(items)].name), u"C.mp3");

    std::mt19937 random(3);
    const std::vector<std::u16string> before = names(items);
    ASSERT_TRUE(shuffleInstantItems(items, random));
    std::vector<std::u16string> after = names(items);
    EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), before.begin()));

    for (InstantItem& item : items) item.playedInCycle = 1;
    const int current = currentIndex(items);
    EXPECT_FALSE(deleteInstantItems(items, {current == 0 ? 1 : 0}));
    EXPECT_TRUE(std::none_of(items.begin(), items.end(), [](const InstantItem& i) { return i.playedInCycle; }));
    EXPECT_TRUE(deleteInstantItems(items, {currentIndex(items)}));
    EXPECT_EQ(currentIndex(items), -1);
    EXPECT_EQ(items.size(), 3u);

    std::vector<InstantItem> one = itemsNamed({u"x.mp3"});
    EXPECT_FALSE(sortInstantItems(one, InstantSortKey::name, false));
    EXPECT_FALSE(shuffleInstantItems(one, random));
    EXPECT_EQ(instantCapacityMessage(), u"最多添加 300 个音频\n\n ");
}
