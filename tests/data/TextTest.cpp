#include <gtest/gtest.h>

#include "data/Text.h"

TEST(Text, FixedBuffersAlwaysEndInNulAndReadUpToIt) {
    char16_t buffer[5];
    setFixed(buffer, u"abcdefg");
    EXPECT_EQ(fixedView(buffer), u"abcd");
    setFixed(buffer, u"x");
    EXPECT_EQ(fixedView(buffer), u"x");
    EXPECT_EQ(buffer[4], u'\0');
    const char16_t full[3] = {u'a', u'b', u'c'};  // no NUL at all
    EXPECT_EQ(fixedView(full), u"abc");
}

TEST(Text, TrimRemovesEveryBlankOfTheSetAtBothEndsOnly) {
    EXPECT_EQ(trimText(u"\r\n\u3000 \t\v\f\u00A0\u200B上课 铃\u3000\u200B "), u"上课 铃");
    EXPECT_EQ(trimText(u" \u3000 "), u"");
    EXPECT_EQ(trimText(u"a"), u"a");
}

TEST(Text, CaseFoldsAsciiLettersOnly) {
    EXPECT_TRUE(equalsNoCase(u"Bell A", u"bELL a"));
    EXPECT_FALSE(equalsNoCase(u"É", u"é"));  // other units compare by value
    EXPECT_FALSE(equalsNoCase(u"ab", u"abc"));
    EXPECT_LT(compareNoCase(u"10.mp3", u"2.mp3"), 0);
    EXPECT_LT(compareNoCase(u"ab", u"ABC"), 0);
    EXPECT_LT(compareNoCase(u"_", u"A"), 0);  // 'A' folds to 'a' (0x61), above '_' (0x5F)
    EXPECT_TRUE(startsWithNoCase(u"Default DirectSound Device", u"default"));
}

TEST(Text, FormatSubstitutesInOrderAndPadsNumbers) {
    EXPECT_EQ(formatText(u"读：%s ◆ %s%s", {u"甲", u"乙"}), u"读：甲 ◆ 乙%s");  // no argument left
    EXPECT_EQ(formatNumber(7, 2), u"07");
    EXPECT_EQ(formatNumber(2024, 2), u"2024");
    EXPECT_EQ(formatNumber(-5, 3), u"-005");
}

TEST(Text, Utf8RoundTripIncludingSurrogatesAndBadInput) {
    const std::u16string text = u"岚铃 a\U0001F514";
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    EXPECT_EQ(toUtf8(u"铃"), "\xE9\x93\x83");
    EXPECT_EQ(fromUtf8("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(fromUtf8("\xE9\x93"), u"\uFFFD\uFFFD");  // cut short
    EXPECT_EQ(toUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}
