#include <gtest/gtest.h>

#include "ui/PageTexts.h"

TEST(PageTexts, DuckingPercentIsRightAlignedInThreePlaces) {
    EXPECT_EQ(duckingText(60), u"{立即播}播出时, {定时播}音量降低  60%");
    EXPECT_EQ(duckingText(100), u"{立即播}播出时, {定时播}音量降低 100%");
    EXPECT_EQ(duckingText(5), u"{立即播}播出时, {定时播}音量降低   5%");
}

TEST(PageTexts, HolidayCountsNameBothLists) {
    const std::u16string text = holidayCountsText(3, 12);
    EXPECT_NE(text.find(u"节假日 3 个"), std::u16string::npos);
    EXPECT_NE(text.find(u"调休 12 个"), std::u16string::npos);
}
