#include <gtest/gtest.h>

#include <string>

#include "system/Autostart.h"

namespace {

void expectOptions(const AutostartOptions& options, int autostart, int hidden, int lock) {
    EXPECT_EQ(options.autostart, autostart);
    EXPECT_EQ(options.autostartHidden, hidden);
    EXPECT_EQ(options.autostartLock, lock);
}

TEST(Autostart, EveryOptionCombinationSurvivesWriteAndRead) {
    for (const std::u16string_view path : {u"E:\\A B\\x.exe", u"E:\\Prog\\x.exe"}) {
        for (int hidden = 0; hidden <= 1; ++hidden) {
            for (int lock = 0; lock <= 1; ++lock) {
                const AutostartOptions written{1, hidden, lock};
                const std::u16string data = autostartValueData(path, written);
                SCOPED_TRACE(std::string(data.begin(), data.end()));
                expectOptions(parseAutostartValue(data, path), 1, hidden, lock);
            }
        }
    }
    const std::u16string_view path = u"E:\\A B\\x.exe";
    EXPECT_EQ(autostartValueData(path, {1, 0, 0}), u"\"E:\\A B\\x.exe\"");
    EXPECT_EQ(autostartValueData(path, {1, 1, 0}), u"\"E:\\A B\\x.exe\" 1");
    EXPECT_EQ(autostartValueData(path, {1, 0, 1}), u"\"E:\\A B\\x.exe\" 2");
    EXPECT_EQ(autostartValueData(path, {1, 1, 1}), u"\"E:\\A B\\x.exe\" 3");
}

TEST(Autostart, QuotedDataIsMatchedIgnoringCaseAndSpacesAroundTheArgument) {
    const std::u16string_view path = u"E:\\A B\\x.exe";
    expectOptions(parseAutostartValue(u"\"e:\\a b\\X.EXE\"", path), 1, 0, 0);
    expectOptions(parseAutostartValue(u"\"E:\\A B\\x.exe\"   3  ", path), 1, 1, 1);
    expectOptions(parseAutostartValue(u"\"E:\\A B\\x.exe\"2", path), 1, 0, 1);
    // Anything but a lone 1, 2 or 3 is no sub-option, yet autostart stays on.
    expectOptions(parseAutostartValue(u"\"E:\\A B\\x.exe\" 4", path), 1, 0, 0);
    expectOptions(parseAutostartValue(u"\"E:\\A B\\x.exe\" 1 2", path), 1, 0, 0);
    expectOptions(parseAutostartValue(u"\"E:\\A B\\x.exe\" /1", path), 1, 0, 0);
    // The data ends at its first NUL.
    expectOptions(parseAutostartValue(std::u16string(u"\"E:\\A B\\x.exe\" 1\0 3", 19), path), 1, 1, 0);
    expectOptions(parseAutostartValue(std::u16string(u"\0\"E:\\A B\\x.exe\" 1", 17), path), 0, 0, 0);
}

TEST(Autostart, UnquotedDataCountsOnlyForAPathWithoutSpaces) {
    const std::u16string_view plain = u"E:\\Prog\\x.exe";
    expectOptions(parseAutostartValue(u"E:\\Prog\\x.exe 1", plain), 1, 1, 0);
    expectOptions(parseAutostartValue(u"e:\\prog\\X.exe", plain), 1, 0, 0);
    expectOptions(parseAutostartValue(u"E:\\Prog\\x.exe1", plain), 0, 0, 0);
    expectOptions(parseAutostartValue(u"E:\\Prog\\x.exe.bak 3", plain), 0, 0, 0);
    expectOptions(parseAutostartValue(u"E:\\A B\\x.exe 3", u"E:\\A B\\x.exe"), 0, 0, 0);
}

TEST(Autostart, OtherDataReadsAsAllOff) {
    const std::u16string_view path = u"E:\\A B\\x.exe";
    expectOptions(parseAutostartValue(u"", path), 0, 0, 0);
    expectOptions(parseAutostartValue(u"\"D:\\A B\\x.exe\" 3", path), 0, 0, 0);
    expectOptions(parseAutostartValue(u"\"E:\\A B\\x.exe", path), 0, 0, 0);
    expectOptions(parseAutostartValue(u" \"E:\\A B\\x.exe\" 3", path), 0, 0, 0);
}

}  // namespace
