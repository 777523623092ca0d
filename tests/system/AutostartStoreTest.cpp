// Loading and saving the logon-start options over an in-memory registry: what reads as off,
// the one access repair and retry, the failure texts, and value data that is no proper string.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/MemoryRegistry.h"
#include "support/RecordingPrompt.h"
#include "support/Utf16Bytes.h"
#include "system/AutostartStore.h"

namespace {

using Op = MemoryRegistry::Op;

constexpr std::u16string_view programPath = u"E:\\A B\\x.exe";
const std::u16string runKey(autostartRunKey);
const std::u16string runKeyObject(autostartRunKeyObject);
const std::u16string valueName(autostartValueName);

struct Store {
    MemoryRegistry registry;
    RecordingPrompt prompt;
    AutostartOptions options;

    bool load() { return loadAutostartFrom(registry, options, programPath, prompt); }
    bool save(const AutostartOptions& wanted) { return saveAutostartTo(registry, wanted, programPath, prompt); }

    void putValue(std::vector<std::uint8_t> data) { registry.keys[runKey][valueName] = data; }
    const MemoryRegistry::Value* value() const { return registry.find(runKey, valueName); }
};

void expectOptions(const AutostartOptions& options, int autostart, int hidden, int lock) {
    EXPECT_EQ(options.autostart, autostart);
    EXPECT_EQ(options.autostartHidden, hidden);
    EXPECT_EQ(options.autostartLock, lock);
}

TEST(AutostartStore, EachSaveWritesTheCommandLineThatTheNextLoadReadsBack) {
    Store store;
    for (const AutostartOptions wanted : {AutostartOptions{1, 0, 0}, AutostartOptions{1, 1, 0},
                                          AutostartOptions{1, 0, 1}, AutostartOptions{1, 1, 1}}) {
        // The first save finds no Run key and creates it.
        ASSERT_TRUE(store.save(wanted));
        ASSERT_NE(store.value(), nullptr);
        EXPECT_EQ(*store.value(), utf16leWithNul(autostartValueData(programPath, wanted)));
        store.options = {};
        EXPECT_TRUE(store.load());
        expectOptions(store.options, 1, wanted.autostartHidden, wanted.autostartLock);
    }
    EXPECT_EQ(store.registry.flushed, std::vector<std::u16string>(4, runKey));

    ASSERT_TRUE(store.save({0, 1, 1}));
    EXPECT_EQ(store.value(), nullptr);
    EXPECT_EQ(store.registry.flushed.size(), 5u);
    store.options = {};
    EXPECT_TRUE(store.load());
    expectOptions(store.options, 0, 0, 0);
    // Off when there is nothing to delete is no failure.
    EXPECT_TRUE(store.save({}));
    EXPECT_TRUE(store.prompt.messages.empty());
    EXPECT_TRUE(store.registry.repaired.empty());
}

TEST(AutostartStore, AMissingKeyOrValueOrEmptyDataLeavesTheOptionsWithoutAMessage) {
    Store noKey, noValue, empty;
    noValue.registry.keys[runKey][u"Other"] = utf16leWithNul(u"\"E:\\A B\\x.exe\" 3");
    empty.putValue({});
    for (Store* store : {&noKey, &noValue, &empty}) {
        store->options = {1, 0, 1};
        EXPECT_TRUE(store->load());
        expectOptions(store->options, 1, 0, 1);
        EXPECT_TRUE(store->prompt.messages.empty());
    }
    // A missing key is first taken for a denied one: the retry after the repair finds it missing too.
    EXPECT_EQ(noKey.registry.repaired, std::vector<std::u16string>{runKeyObject});
}

TEST(AutostartStore, ADeniedRunKeyIsRepairedOnceAndOpenedAgain) {
    Store store;
    store.putValue(utf16leWithNul(u"\"E:\\A B\\x.exe\" 1"));
    store.registry.denied.insert(runKey);
    EXPECT_TRUE(store.load());
    expectOptions(store.options, 1, 1, 0);
    store.registry.denied.insert(runKey);
    EXPECT_TRUE(store.save({1, 0, 1}));
    EXPECT_EQ(*store.value(), utf16leWithNul(u"\"E:\\A B\\x.exe\" 2"));
    EXPECT_EQ(store.registry.repaired, std::vector<std::u16string>(2, runKeyObject));
    EXPECT_TRUE(store.prompt.messages.empty());

    // Still denied after the repair: one repair only, then the failure.
    store.registry.repaired.clear();
    store.registry.failNext(Op::openQuery, errorAccessDenied, 2);
    store.options = {};
    EXPECT_FALSE(store.load());
    expectOptions(store.options, 0, 0, 0);
    store.registry.failNext(Op::openSet, errorAccessDenied, 2);
    EXPECT_FALSE(store.save({}));
    EXPECT_EQ(store.registry.repaired, std::vector<std::u16string>(2, runKeyObject));
    EXPECT_EQ(store.prompt.messages.size(), 2u);
    EXPECT_NE(store.value(), nullptr);
}

std::u16string withSystemText(const std::u16string& pattern, std::u16string_view text) {
    const auto at = pattern.find(u"%s");
    return pattern.substr(0, at) + std::u16string(text) + pattern.substr(at + 2);
}

TEST(AutostartStore, FailuresQuoteTheSystemTextInTheLoadOrSaveWording) {
    const std::u16string loadAdmin =
        u"无法读取 \"开机自动启动\" 相关设置\n\n%s\n\n解决方法：\n1. 是否被管家、卫士之类的软件拦截了\n"
        u"    (拦截时选允许，或卸载管家、卫士)\n2. 是否缺权限，以管理员身份重新运行\n"
        u"    用鼠标右键点击软件图标 > 弹出菜单 > 选:以管理员身份运行\n3. 专家在线 - 主界面的左侧点 {帮助栏}";
    const std::u16string loadOther =
        u"无法读取 \"开机自动启动\" 相关设置\n\n%s\n\n解决方法：\n1. 是否被管家、卫士之类的软件拦截了\n"
        u"    (拦截时选允许，或卸载管家、卫士)\n2. 是否缺权限，{专家在线}可远程协助\n"
        u"3. 专家在线 - 主界面的左侧点 {帮助栏}";
    const std::u16string saveAdmin =
        u"无法保存 \"开机自动启动\" 相关设置\n\n%s\n\n解决方法：\n1. 是否被管家、卫士之类的软件拦截了\n"
        u"    (拦截时选允许，或卸载管家、卫士)\n2. 是否缺权限，以管理员身份重新运行\n"
        u"    用鼠标右键点击软件图标 > 弹出菜单 > 选择:以管理员身份运行　\n"
        u"3. 专家在线 - 主界面的左侧点 {帮助栏}";
    const std::u16string saveOther =
        u"无法保存 \"开机自动启动\" 相关设置\n\n%s\n\n解决方法：\n1. 是否被管家、卫士之类的软件拦截了\n"
        u"    (拦截时选允许，或卸载管家、卫士)\n2. 是否缺权限，{专家在线}可远程协助\n"
        u"3. 专家在线 - 主界面的左侧点 {帮助栏}";
    for (const bool admin : {true, false}) {
        Store store;
        store.registry.adminUnelevated = admin;
        store.putValue(utf16leWithNul(u"\"E:\\A B\\x.exe\" 3"));
        store.registry.failNext(Op::valueSize, 1018);
        EXPECT_FALSE(store.load());
        store.registry.failNext(Op::setText, errorAccessDenied);
        EXPECT_FALSE(store.save({1, 0, 0}));

        ASSERT_EQ(store.prompt.messages.size(), 2u);
        const std::u16string load = admin ? loadAdmin : loadOther;
        const std::u16string save = admin ? saveAdmin : saveOther;
        EXPECT_EQ(store.prompt.messages[0].text, withSystemText(load, u"registry text 1018"));
        EXPECT_EQ(store.prompt.messages[1].text, withSystemText(save, u"registry text 5"));
        for (const auto& box : store.prompt.messages) EXPECT_EQ(box.icon, MessageIcon::error);
    }
}

TEST(AutostartStore, ErrorsAfterTheOpenFailAndKeepWhatWasThere) {
    const std::vector<std::uint8_t> before = utf16leWithNul(u"\"E:\\A B\\x.exe\" 3");
    Store store;
    store.putValue(before);
    store.registry.failNext(Op::readValue, errorAccessDenied);
    EXPECT_FALSE(store.load());
    expectOptions(store.options, 0, 0, 0);
    store.registry.failNext(Op::setText, errorAccessDenied);
    EXPECT_FALSE(store.save({1, 1, 0}));
    // A delete that fails leaves the program starting at logon: that must be told.
    store.registry.failNext(Op::deleteValue, errorAccessDenied);
    EXPECT_FALSE(store.save({}));

    EXPECT_EQ(store.prompt.messages.size(), 3u);
    EXPECT_EQ(*store.value(), before);
    EXPECT_TRUE(store.registry.flushed.empty());
    EXPECT_TRUE(store.registry.repaired.empty());
}

TEST(AutostartStore, DataIsReadAsWholeUnitsUpToItsFirstNulOrItsEnd) {
    std::vector<std::uint8_t> odd = utf16le(u"\"E:\\A B\\x.exe\" 1");
    odd.push_back(u'3');  // a stray byte, no character
    std::vector<std::uint8_t> afterNul = utf16leWithNul(u"\"E:\\A B\\x.exe\" 2");
    const std::vector<std::uint8_t> tail = utf16le(u" 1");
    afterNul.insert(afterNul.end(), tail.begin(), tail.end());
    struct Case {
        std::vector<std::uint8_t> data;
        int autostart, hidden, lock;
    };
    const Case cases[] = {
        {utf16le(u"\"E:\\A B\\x.exe\" 3"), 1, 1, 1},  // no terminating NUL
        {odd, 1, 1, 0},
        {afterNul, 1, 0, 1},
        {{u'"'}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Store store;
        store.putValue(c.data);
        EXPECT_TRUE(store.load());
        expectOptions(store.options, c.autostart, c.hidden, c.lock);
    }
}

}  // namespace
