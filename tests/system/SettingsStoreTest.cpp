#include <gtest/gtest.h>

#include "data/Text.h"
#include "support/HolidaySamples.h"
#include "support/MemoryDataFolder.h"
#include "support/MemoryRegistry.h"
#include "system/SettingsFile.h"
#include "system/SettingsStore.h"

namespace {

struct CountingView : ListObserver {
    int changes = 0;
    void listChanged(const ListChange&) override { ++changes; }
};

struct SettingsBench : MemoryDataFolder {
    std::u16string settingsFile = dataDir + u"/设置t";
    MemoryRegistry registry;
    SettingsStore store{folder, settingsFile, registry, u"D:\\广播\\lvtx.exe"};
    CountingView view;

    SettingsBench() { store.addObserver(view); }

    SettingsRecord stored() {
        SettingsRecord read = defaultSettings();
        loadSettings({folder, settingsFile, nullptr, nullptr}, read);
        return read;
    }
    const MemoryRegistry::Value* runValue() const {
        return registry.find(std::u16string(autostartRunKey), std::u16string(autostartValueName));
    }
};

}  // namespace

// The settings page's changes through the owner: each shows, is stored at once where it
// belongs (the file or the Run value), and one that changes nothing writes nothing.
TEST(SettingsStore, EachChangeShowsAndIsStoredWhereItBelongsAndNoChangeWritesNothing) {
    SettingsBench bench;
    bench.store.load(bench.prompt);
    EXPECT_EQ(bench.view.changes, 1);

    EXPECT_FALSE(bench.store.setOutputDevice(fixedView(defaultSettings().outputDevice), bench.prompt));
    EXPECT_FALSE(bench.fs.hasFile(bench.settingsFile));
    EXPECT_TRUE(bench.store.setOutputDevice(u"扬声器 (USB Audio)", bench.prompt));
    EXPECT_EQ(fixedView(bench.stored().outputDevice), u"扬声器 (USB Audio)");

    // A rule ticked on today may fire again today: its stamp starts over.
    bench.store.stamps().dailyShutdownLastFired = at(2026, 12, 9, 17, 30, 0);
    bench.store.setPowerRuleOn(PowerRule::dailyShutdown, true, bench.prompt);
    EXPECT_EQ(bench.stored().dailyShutdownOn, 1);
    EXPECT_EQ(bench.store.stamps().dailyShutdownLastFired.year, neverFiredStamps().dailyShutdownLastFired.year);

    const DuckChoice unchanged = duckChoice(bench.store.settings());
    EXPECT_FALSE(bench.store.setDuck(unchanged, bench.prompt));
    EXPECT_TRUE(bench.store.setDuck(DuckChoice{40, unchanged.fadeOutLength, unchanged.fadeInLength}, bench.prompt));
    EXPECT_EQ(bench.stored().duckPercent, 40);

    EXPECT_TRUE(bench.store.setAutostartOn(true, bench.prompt));
    EXPECT_TRUE(bench.store.setAutostartOptions(true, true, bench.prompt));
    ASSERT_NE(bench.runValue(), nullptr);
    EXPECT_TRUE(bench.store.setAutostartOn(false, bench.prompt));
    EXPECT_EQ(bench.runValue(), nullptr);
    EXPECT_EQ(bench.store.autostart().autostartHidden, 0) << "off takes the sub-options with it";
    EXPECT_EQ(bench.view.changes, 7);
    EXPECT_TRUE(bench.prompt.messages.empty());
}
