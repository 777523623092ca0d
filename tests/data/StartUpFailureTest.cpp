#include <gtest/gtest.h>

#include "data/StartUpFailure.h"

TEST(StartUpFailure, TheMessageNamesTheCallAndItsCodeInEightHexDigits) {
    EXPECT_EQ(startUpFailureText(u"OleInitialize", 0x8007000E),
              u"软件启动失败：OleInitialize 返回 0x8007000E\n\n请重启电脑后再试；如仍失败，请重装软件。");
    EXPECT_EQ(startUpFailureText(u"GdiplusStartup", 3),
              u"软件启动失败：GdiplusStartup 返回 0x00000003\n\n请重启电脑后再试；如仍失败，请重装软件。");
}
