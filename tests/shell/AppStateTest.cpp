#include <gtest/gtest.h>

#include "data/Text.h"
#include "shell/AppState.h"

TEST(CommandLine, OnlyTheThreeDigitsAloneAfterTrimmingSetFlags) {
    const auto flags = [](std::u16string_view line) {
        const StartFlags f = parseCommandLine(line);
        return std::pair{f.startHidden, f.lockAtStart};
    };
    EXPECT_EQ(flags(u"1"), std::pair(true, false));
    EXPECT_EQ(flags(u"2"), std::pair(false, true));
    EXPECT_EQ(flags(u" 3 "), std::pair(true, true));
    for (const std::u16string_view other : {u"", u"   ", u"13", u"-1", u"\"1\"", u"1 2", u"\t1"}) {
        EXPECT_EQ(flags(other), std::pair(false, false)) << toUtf8(other);
    }
}

TEST(AppPaths, EveryPathHangsOffTheProgramFolderOrTheDataFolder) {
    const AppPaths p = makeAppPaths(u"D:\\广播\\lvtx.exe", u"C:\\Users\\王老师\\AppData\\Roaming");
    EXPECT_EQ(p.exeDir, u"D:\\广播");
    EXPECT_EQ(p.musicDir, u"D:\\广播\\music");
    EXPECT_EQ(p.asvPath, u"D:\\广播\\lvtx_tools\\asv.dll");
    EXPECT_EQ(p.dataDir, u"C:\\Users\\王老师\\AppData\\Roaming\\lvtx.10");
    EXPECT_EQ(p.programsFile, p.dataDir + u"\\定时播t");
    EXPECT_EQ(p.instantFile, p.dataDir + u"\\立即播t");
    EXPECT_EQ(p.holidaysFile, p.dataDir + u"\\节假日t");
    EXPECT_EQ(p.settingsFile, p.dataDir + u"\\设置t");
    EXPECT_EQ(p.logFile, p.dataDir + u"\\日志t.txt");
    // A folder that already ends in a separator gets no second one.
    EXPECT_EQ(makeAppPaths(u"C:\\lvtx.exe", u"C:\\Data\\").dataDir, u"C:\\Data\\lvtx.10");
}

TEST(AppPaths, HandBuiltDataFolderUsesTheVistaFormOnlyAfterVersion5) {
    EXPECT_EQ(fallbackShellFolder(u'C', u"王老师", 6), u"C:\\Users\\王老师\\AppData\\Roaming");
    EXPECT_EQ(fallbackShellFolder(u'D', u"admin", 10), u"D:\\Users\\admin\\AppData\\Roaming");
    EXPECT_EQ(fallbackShellFolder(u'C', u"admin", 5), u"C:\\Documents and Settings\\admin\\Application Data");
}

TEST(TitlePrefix, TheSecondCopyFindsTheTitleWithVersionButNotItsOwnMessageBox) {
    constexpr std::u16string_view prefix = u"岚铃校园定时广播系统 ";
    EXPECT_TRUE(startsWithNoCase(u"岚铃校园定时广播系统 10.2", prefix));
    EXPECT_FALSE(startsWithNoCase(u"岚铃校园定时广播系统", prefix));  // the warning box's caption
}
