#include <gtest/gtest.h>

#include "ui/PageTexts.h"

TEST(PageTexts, DuckingPercentIsRightAlignedInThreePlaces) {
    EXPECT_EQ(duckingText(60), u"{立即播}播出时, {定时播}音量降低  60%");
    EXPECT_EQ(duckingText(100), u"{立即播}播出时, {定时播}音量降低 100%");
    EXPECT_EQ(duckingText(5), u"{立即播}播出时, {定时播}音量降低   5%");
}
