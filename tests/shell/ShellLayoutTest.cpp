#include <gtest/gtest.h>

#include "shell/ShellLayout.h"

TEST(ShellLayout, ScaleFollowsTheDpiWithinOneToFour) {
    EXPECT_DOUBLE_EQ(scaleForDpi(96), 1.0);
    EXPECT_DOUBLE_EQ(scaleForDpi(144), 1.5);
    EXPECT_DOUBLE_EQ(scaleForDpi(72), 1.0);
    EXPECT_DOUBLE_EQ(scaleForDpi(480), 4.0);
}

TEST(ShellLayout, NavigationBarPagesAndStatusBarShareTheClientArea) {
    const MainLayout at100 = layoutMain(1000, 700, 30, 1.0);
    EXPECT_EQ(at100.navBar, (PixelRect{0, 0, 141, 670}));
    EXPECT_EQ(at100.page, (PixelRect{141, 0, 1000, 670}));
    EXPECT_EQ(at100.statusBar, (PixelRect{0, 670, 1000, 700}));
    EXPECT_EQ(layoutMain(1000, 700, 30, 1.5).navBar.width(), 211);
    EXPECT_EQ(layoutMain(1000, 700, 30, 1.25).navBar.width(), 176);
}

TEST(ShellLayout, NavigationButtonsAtOneAndOneAndAHalf) {
    const NavButtons at100 = navButtonRects(1.0);
    const int tops[] = {15, 51, 94, 147, 220, 292};
    const int bottoms[] = {50, 86, 146, 219, 292, 364};
    for (int k = 0; k < navButtonCount; ++k) {
        EXPECT_EQ(at100[k], (PixelRect{5, tops[k], 135, bottoms[k]})) << k;
    }
    // Each coordinate is truncated where it is computed, so rounding does not accumulate.
    const NavButtons at125 = navButtonRects(1.25);
    EXPECT_EQ(at125[0], (PixelRect{6, 18, 168, 61}));
    EXPECT_EQ(at125[1], (PixelRect{6, 62, 168, 105}));
    EXPECT_EQ(at125[2].top, 115);
    EXPECT_EQ(at125[5].top, at125[4].bottom);
}

TEST(ShellLayout, HitTestFindsTheButtonAndNothingInTheGaps) {
    const NavButtons buttons = navButtonRects(1.0);
    EXPECT_EQ(navButtonAt(buttons, 5, 15), 0);
    EXPECT_EQ(navButtonAt(buttons, 134, 49), 0);
    EXPECT_EQ(navButtonAt(buttons, 70, 50), -1);   // the pixel between buttons 0 and 1
    EXPECT_EQ(navButtonAt(buttons, 70, 90), -1);   // the wider gap above button 2
    EXPECT_EQ(navButtonAt(buttons, 70, 292), 5);   // button 5 starts where 4 ends
    EXPECT_EQ(navButtonAt(buttons, 135, 100), -1);
    EXPECT_EQ(navButtonAt(buttons, 70, 400), -1);
}
