#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "support/FakeSecrets.h"
#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"
#include "web/ConsoleAddresses.h"
#include "web/WebSettingsFile.h"
#include "web/WebSettingsStore.h"

namespace {

struct WebFolder : MemoryDataFolder {
    std::u16string webFile = dataDir + u"/网页t";
    QuickKdf kdf;
    SeededRandom random;
    WebSettingsStore store{folder, webFile, kdf, random};

    ReadResult loadFile(WebSettingsRecord& settings) { return loadWebSettings(contextOf(webFile, &prompt), settings); }
};

bool sameRecord(const WebSettingsRecord& a, const WebSettingsRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

// The store from a new installation to a console in use: switched on only with a password, each
// change saved at once, the file read back as saved, and the sessions' generation moving.
TEST(WebSettingsStore, OnNeedsAPasswordAndEveryChangeIsSavedAndReadBack) {
    WebFolder data;
    ASSERT_TRUE(data.store.load(&data.prompt).ok());
    EXPECT_TRUE(sameRecord(data.store.settings(), defaultWebSettings()));
    EXPECT_EQ(data.store.settings().port, 8765);
    EXPECT_EQ(data.store.settings().on, 0);

    const WebSettingsResult refused = data.store.setOn(true, data.prompt);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, u"请先设置网页控制台密码（至少8个字符）");
    EXPECT_FALSE(data.fs.hasFile(data.webFile)) << "a refusal writes nothing";
    EXPECT_FALSE(data.store.setPassword(u"short", data.prompt).ok);
    EXPECT_FALSE(data.store.setPort(0, data.prompt).ok);
    EXPECT_FALSE(data.store.setPort(65536, data.prompt).ok);
    EXPECT_FALSE(data.fs.hasFile(data.webFile));
    EXPECT_FALSE(data.store.passwordMatches("anything"));

    ASSERT_TRUE(data.store.setPassword(u"铃声密码abcd", data.prompt).saved);
    EXPECT_EQ(data.store.settings().sessionGeneration, 1u);
    EXPECT_TRUE(data.store.passwordMatches("铃声密码abcd"));
    EXPECT_FALSE(data.store.passwordMatches("铃声密码abc"));
    ASSERT_TRUE(data.store.setOn(true, data.prompt).saved);
    ASSERT_TRUE(data.store.setPort(9000, data.prompt).saved);
    const WebSettingsResult same = data.store.setPort(9000, data.prompt);
    EXPECT_TRUE(same.ok);
    EXPECT_FALSE(same.saved) << "an unchanged value writes nothing";
    EXPECT_EQ(data.fs.files.at(data.webFile).size(), 88u);

    WebFolder reread;
    reread.fs.addFile(reread.webFile, data.fs.files.at(data.webFile));
    ASSERT_TRUE(reread.store.load(&reread.prompt).ok());
    EXPECT_TRUE(sameRecord(reread.store.settings(), data.store.settings()));
    EXPECT_TRUE(reread.store.passwordMatches("铃声密码abcd"));

    ASSERT_TRUE(data.store.setPassword(u"another password", data.prompt).saved);
    EXPECT_EQ(data.store.settings().sessionGeneration, 2u);
    EXPECT_FALSE(data.store.passwordMatches("铃声密码abcd"));
    ASSERT_TRUE(data.store.setOn(false, data.prompt).saved);
    EXPECT_EQ(data.store.settings().sessionGeneration, 3u) << "switching off ends the sessions too";
    EXPECT_TRUE(data.prompt.messages.empty());

    data.random.fail = true;
    const WebSettingsResult noRandom = data.store.setPassword(u"third password", data.prompt);
    EXPECT_FALSE(noRandom.ok);
    EXPECT_TRUE(data.store.passwordMatches("another password")) << "the old password stays";
}

TEST(WebSettingsFile, AnyChangedByteAndEachDamagedFieldIsAContentErrorThatKeepsTheDefaults) {
    WebFolder data;
    ASSERT_TRUE(data.store.setPassword(u"12345678", data.prompt).saved);
    ASSERT_TRUE(data.store.setOn(true, data.prompt).saved);
    const auto bytes = data.fs.files.at(data.webFile);
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        WebFolder changed;
        auto broken = bytes;
        broken[at] ^= 0x01;
        changed.fs.addFile(changed.webFile, broken);
        WebSettingsRecord loaded = data.store.settings();
        ASSERT_EQ(changed.loadFile(loaded).failure, ReadFailure::content) << at;
        EXPECT_TRUE(sameRecord(loaded, defaultWebSettings())) << at;
    }

    const std::vector<std::pair<const char*, std::function<void(WebSettingsRecord&)>>> damages = {
        {"port 0", [](WebSettingsRecord& s) { s.port = 0; }},
        {"port 65536", [](WebSettingsRecord& s) { s.port = 65536; }},
        {"199999 rounds", [](WebSettingsRecord& s) { s.password.iterations = 199'999; }},
        {"rounds past the bound", [](WebSettingsRecord& s) { s.password.iterations = maxPasswordIterations + 1; }},
        {"another algorithm", [](WebSettingsRecord& s) { s.password.algorithm = 2; }},
        {"on without a password", [](WebSettingsRecord& s) { s.passwordSet = 0; }},
        {"on = 2", [](WebSettingsRecord& s) { s.on = 2; }},
        {"password flag -1", [](WebSettingsRecord& s) { s.passwordSet = -1; }},
    };
    for (const auto& [why, damage] : damages) {
        WebSettingsRecord bad = data.store.settings();
        damage(bad);
        WebFolder damaged;
        damaged.fs.addFile(damaged.webFile, withDigest(webSettingsPayload(bad)));
        const ReadResult result = damaged.store.load(&damaged.prompt);
        EXPECT_EQ(result.failure, ReadFailure::content) << why;
        EXPECT_EQ(result.message, u"读文件失败：\n" + damaged.webFile + u"\n\n文件内容有错误\n\n ") << why;
        ASSERT_EQ(damaged.prompt.messages.size(), 1u) << why;
        EXPECT_TRUE(sameRecord(damaged.store.settings(), defaultWebSettings())) << why;
        EXPECT_FALSE(damaged.readFailed) << why;
    }

    // The lowest and highest ports and an off console without a password load.
    WebSettingsRecord edge = defaultWebSettings();
    for (const int port : {1, 65535}) {
        edge.port = port;
        WebFolder fine;
        fine.fs.addFile(fine.webFile, withDigest(webSettingsPayload(edge)));
        WebSettingsRecord loaded;
        ASSERT_TRUE(fine.loadFile(loaded).ok()) << port;
        EXPECT_TRUE(sameRecord(loaded, edge));
    }
}

TEST(WebSettingsFile, AnInterruptedSaveIsReadFromItsCompanionAndAFailedReadGuardsTheFile) {
    WebFolder data;
    ASSERT_TRUE(data.store.setPassword(u"12345678", data.prompt).saved);
    WebFolder interrupted;
    interrupted.fs.addFile(interrupted.webFile + u"Tmp", data.fs.files.at(data.webFile));
    ASSERT_TRUE(interrupted.store.load(&interrupted.prompt).ok());
    EXPECT_TRUE(interrupted.store.passwordMatches("12345678"));

    WebFolder denied;
    denied.fs.addFile(denied.webFile, data.fs.files.at(data.webFile));
    denied.fs.failNext(MemoryFileSystem::Op::openRead, denied.webFile, errorAccessDenied, 2);
    EXPECT_EQ(denied.store.load(&denied.prompt).failure, ReadFailure::io);
    EXPECT_TRUE(denied.store.readFailed());
    // The operator is asked before the unread file is overwritten; No keeps it.
    EXPECT_FALSE(denied.store.setPassword(u"87654321", denied.prompt).ok);
    EXPECT_EQ(denied.prompt.questions.size(), 1u);
    EXPECT_EQ(denied.fs.files.at(denied.webFile), data.fs.files.at(data.webFile));
}

// What the settings page lists for the browser: each reachable address once with the port, in
// the adapters' order; with none of them, the PC itself.
TEST(ConsoleAddresses, EachReachableAddressOnceOrElseLocalhost) {
    EXPECT_EQ(consoleAddresses({{192, 168, 1, 20}, {127, 0, 0, 1}, {10, 0, 0, 5}, {192, 168, 1, 20}, {0, 0, 0, 0}}, 8765),
              u"http://192.168.1.20:8765/\r\nhttp://10.0.0.5:8765/");
    EXPECT_EQ(consoleAddresses({{255, 255, 255, 255}}, 1), u"http://255.255.255.255:1/");
    EXPECT_EQ(consoleAddresses({}, 65535), u"http://localhost:65535/");
    EXPECT_EQ(consoleAddresses({{127, 0, 1, 1}}, 8080), u"http://localhost:8080/");
}
