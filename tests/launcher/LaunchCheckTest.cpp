#include <gtest/gtest.h>

#include <map>

#include "data/Text.h"
#include "launcher/LaunchCheck.h"

namespace {

const std::u16string folder = u"D:\\校园广播";

// An installation folder as the existence test sees it: paths not listed are missing.
struct FakeFolder {
    std::map<std::u16string, PathKind> paths;
    bool systemGdiPlus = false;
    int systemChecks = 0;

    FakeFolder& with(std::u16string_view name, PathKind kind = PathKind::file) {
        paths[folder + u"\\" + std::u16string(name)] = kind;
        return *this;
    }
    LaunchProbes probes() {
        return {[this](std::u16string_view path) {
                    const auto found = paths.find(std::u16string(path));
                    return found == paths.end() ? PathKind::missing : found->second;
                },
                [this] {
                    ++systemChecks;
                    return systemGdiPlus;
                }};
    }
    LaunchDecision decide() { return decideLaunch(folder, probes()); }
};

void expectDecision(const LaunchDecision& decision, LaunchAction action, std::u16string_view name) {
    EXPECT_EQ(decision.action, action);
    EXPECT_EQ(decision.path, folder + u"\\" + std::u16string(name));
}

}  // namespace

TEST(LaunchCheck, TheFolderIsTheModulePathWithoutItsFileName) {
    EXPECT_EQ(launcherFolder(u"D:\\校园广播\\TolvarBroadcasting.exe"), folder);
    EXPECT_EQ(launcherFolder(u"C:\\TolvarBroadcasting.exe"), u"C:");
    FakeFolder root;
    EXPECT_EQ(decideLaunch(u"C:", root.probes()).path, u"C:\\lvtx.exe");
}

TEST(LaunchCheck, WithoutAnyInstalledFileTheArchiveWasNotExtracted) {
    expectDecision(FakeFolder{}.decide(), LaunchAction::showUnextracted, u"lvtx.exe");
    // Folders do not count as files, and a plain file does not count as the tools folder.
    expectDecision(FakeFolder{}
                       .with(u"lvtx.exe", PathKind::folder)
                       .with(u"GdiPlus.dll", PathKind::folder)
                       .with(u"faqOfRun.htm", PathKind::folder)
                       .with(u"lvtx_tools", PathKind::file)
                       .decide(),
                   LaunchAction::showUnextracted, u"lvtx.exe");
}

TEST(LaunchCheck, AnyInstalledFileOrTheToolsFolderPassesTheArchiveTestAndTheMainProgramIsNamed) {
    for (const auto& name : {u"faqOfRun.htm", u"GdiPlus.dll"}) {
        expectDecision(FakeFolder{}.with(name).decide(), LaunchAction::showMissing, u"lvtx.exe");
    }
    expectDecision(FakeFolder{}.with(u"lvtx_tools", PathKind::folder).decide(), LaunchAction::showMissing,
                   u"lvtx.exe");
    // A failed test of any of them is taken as presence.
    expectDecision(FakeFolder{}.with(u"lvtx_tools", PathKind::unknown).decide(), LaunchAction::showMissing,
                   u"lvtx.exe");
    expectDecision(FakeFolder{}.with(u"faqOfRun.htm", PathKind::unknown).decide(), LaunchAction::showMissing,
                   u"lvtx.exe");
    // A folder named like the main program beside a real installation: still missing.
    expectDecision(FakeFolder{}.with(u"faqOfRun.htm").with(u"lvtx.exe", PathKind::folder).decide(),
                   LaunchAction::showMissing, u"lvtx.exe");
}

TEST(LaunchCheck, TheGraphicsLibraryMayLieBesideTheLauncherOrInTheSystem) {
    FakeFolder beside;
    beside.with(u"lvtx.exe").with(u"GdiPlus.dll");
    expectDecision(beside.decide(), LaunchAction::startMainProgram, u"lvtx.exe");
    EXPECT_EQ(beside.systemChecks, 0) << "the copy beside is enough";

    FakeFolder system;
    system.with(u"lvtx.exe");
    system.systemGdiPlus = true;
    expectDecision(system.decide(), LaunchAction::startMainProgram, u"lvtx.exe");

    FakeFolder neither;
    neither.with(u"lvtx.exe").with(u"GdiPlus.dll", PathKind::folder);
    expectDecision(neither.decide(), LaunchAction::showMissing, u"GdiPlus.dll");
    EXPECT_EQ(neither.systemChecks, 1);
}

TEST(LaunchCheck, AnExistenceTestThatFailsOtherwiseCountsAsPresent) {
    expectDecision(FakeFolder{}.with(u"lvtx.exe", PathKind::unknown).with(u"GdiPlus.dll", PathKind::unknown).decide(),
                   LaunchAction::startMainProgram, u"lvtx.exe");
}

TEST(LaunchCheck, TheMessagesNameTheirPath) {
    const std::u16string mainProgram = folder + u"\\lvtx.exe";
    EXPECT_EQ(launchMessage({LaunchAction::showUnextracted, mainProgram}),
              u"文件缺失：\n" + mainProgram +
                  u"\n( 压缩包中吗 ?  请先完整解压 )\n\n官网 / 专家在线 - 点确定后弹出                    \n ");
    const std::u16string library = folder + u"\\GdiPlus.dll";
    EXPECT_EQ(launchMessage({LaunchAction::showMissing, library}),
              u"文件丢失：\n" + library +
                  u"\n(常见原因：杀毒乱删/用户误删)\n\n可从官网下载软件重装 (10.x版)\n(提示：重装软件不会丢失数据)\n\n"
                  u"官网 / 专家在线 - 点确定后弹出");
}

TEST(LaunchCheck, AfterAMessageTheLocalHelpPageOpensOnlyWhenItIsThere) {
    FakeFolder withPage;
    withPage.with(u"faqOfRun.htm");
    EXPECT_EQ(helpPageAfterMessage(folder, withPage.probes()), folder + u"\\faqOfRun.htm");
    FakeFolder pageAsFolder;
    pageAsFolder.with(u"faqOfRun.htm", PathKind::folder);
    EXPECT_EQ(helpPageAfterMessage(folder, pageAsFolder.probes()), std::nullopt);
    FakeFolder empty;
    EXPECT_EQ(helpPageAfterMessage(folder, empty.probes()), std::nullopt);
}
