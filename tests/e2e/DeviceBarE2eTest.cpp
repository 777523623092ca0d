// The status bar and the output-device dialog driven through their windows: the bar names the
// device and its Windows volume, refreshes itself and keeps its controls centred; the dialog
// lists Wine's DirectSound device, switches to it and saves it, warns about a saved device
// that is not there and refuses an empty choice.
#include <windows.h>

#include <array>

#include "e2e/LvtxTest.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/SettingsFile.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

// The status bar (195)
enum BarId {
    deviceTextId = 1758,
    chooseDeviceLink = 1759,
    volumeTextId = 1760,
    volumeHelpLink = 1761,
    refreshLink = 1762,
    volumeLabelId = 1764,
};
// "选音频输出设备"
enum DeviceDialogId {
    defaultDeviceId = 1771,
    listedDeviceId = 1772,
    deviceListId = 1773,
};
constexpr wchar_t deviceDialogTitle[] = L"选音频输出设备";
// Wine's DirectSound renderer of the null sound device, without its "DirectSound: " prefix.
constexpr wchar_t wineDevice[] = L"Out: default";
constexpr wchar_t defaultDeviceText[] = L"播放设备:  默认的音频输出设备";
constexpr DWORD barTimeoutMs = 10000;  // the bar refreshes twice a second

class DeviceBarTest : public LvtxTest {
protected:
    std::wstring settingsPath() const { return dataFolder_ + L"\\设置t"; }

    void writeSettings(const std::wstring& outputDevice) {
        TestSettings settings;
        settings.outputDevice = outputDevice;
        const auto bytes = settingsFileBytes(settings);
        ASSERT_TRUE(bytes.has_value());
        ASSERT_TRUE(writeFileBytes(settingsPath(), *bytes));
    }

    // The settings file's last write, to tell a rewrite of the same bytes from no write at all.
    FILETIME settingsWriteTime() const {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        EXPECT_TRUE(GetFileAttributesExW(settingsPath().c_str(), GetFileExInfoStandard, &data));
        return data.ftLastWriteTime;
    }

    std::optional<std::wstring> savedDevice() const {
        const auto bytes = readFileBytes(settingsPath());
        const auto settings = bytes ? settingsIn(*bytes) : std::nullopt;
        return settings ? std::optional(settings->outputDevice) : std::nullopt;
    }

    // Starts the program and returns its status bar once it shows these texts.
    HWND startWithBar(LvtxApp& app, const std::wstring& deviceText, const std::wstring& volumeText) {
        startApp(app, L"", 0);
        const HWND device = findDescendant(app.mainWindow(), deviceTextId);
        const HWND bar = device ? GetParent(device) : nullptr;
        EXPECT_NE(bar, nullptr);
        if (bar == nullptr) return nullptr;
        const bool shown = waitUntil(
            [&] { return itemText(bar, deviceTextId) == deviceText && itemText(bar, volumeTextId) == volumeText; },
            barTimeoutMs);
        EXPECT_TRUE(shown) << utf8(itemText(bar, deviceTextId)) << " / " << utf8(itemText(bar, volumeTextId));
        return bar;
    }

    HWND openDeviceDialog(DWORD pid, HWND bar) {
        EXPECT_TRUE(postItemCommand(bar, chooseDeviceLink));
        const HWND dialog = waitForDialogTitled(pid, deviceDialogTitle);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }
};

// Left edges of the bar's visible controls, in screen pixels, once the main window is `width`
// pixels wide and the bar has followed it.
std::array<LONG, 5> groupLeftsAtWidth(HWND main, HWND bar, int width) {
    RECT window{};
    GetWindowRect(main, &window);
    SetWindowPos(main, nullptr, 0, 0, width, window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto followed = [&] {
        RECT client{}, barRect{};
        GetClientRect(main, &client);
        GetWindowRect(bar, &barRect);
        GetWindowRect(main, &window);
        return window.right - window.left == width && barRect.right - barRect.left == client.right;
    };
    EXPECT_TRUE(waitUntil(followed, barTimeoutMs)) << "width " << width;
    std::array<LONG, 5> lefts{};
    const std::array ids{deviceTextId, chooseDeviceLink, volumeLabelId, volumeTextId, volumeHelpLink};
    for (size_t i = 0; i < ids.size(); ++i) {
        RECT rect{};
        GetWindowRect(GetDlgItem(bar, ids[i]), &rect);
        lefts[i] = rect.left;
    }
    return lefts;
}

TEST_F(DeviceBarTest, BarShowsTheDefaultDeviceAtFullVolumeAndStaysCentred) {
    LvtxApp app;
    const HWND bar = startWithBar(app, defaultDeviceText, L"100");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(itemText(bar, volumeLabelId), L"系统音量:");
    for (const int id : {deviceTextId, chooseDeviceLink, volumeLabelId, volumeTextId, volumeHelpLink}) {
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(bar, id))) << id;
    }
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(bar, refreshLink)));
    const LONG volumeStyle = GetWindowLongW(GetDlgItem(bar, volumeTextId), GWL_STYLE);
    EXPECT_EQ(volumeStyle & (ES_READONLY | ES_CENTER), ES_READONLY | ES_CENTER);

    // A stale number is put right by the next of the refreshes that come twice a second.
    ASSERT_TRUE(setWindowText(GetDlgItem(bar, volumeTextId), L"7"));
    EXPECT_TRUE(waitUntil([&] { return itemText(bar, volumeTextId) == L"100"; }, 2000));

    // Wider by 200 pixels: every control moves right by half of that, the spacing kept.
    const HWND main = app.mainWindow();
    ShowWindow(main, SW_RESTORE);
    const std::array<LONG, 5> narrow = groupLeftsAtWidth(main, bar, 800);
    const std::array<LONG, 5> wide = groupLeftsAtWidth(main, bar, 1000);
    for (size_t i = 0; i < wide.size(); ++i) EXPECT_NEAR(wide[i] - narrow[i], 100, 1) << i;
}

TEST_F(DeviceBarTest, DeviceDialogListsWinesDeviceSwitchesToItAndSavesIt) {
    LvtxApp app;
    const HWND bar = startWithBar(app, defaultDeviceText, L"100");
    ASSERT_NE(bar, nullptr);
    const DWORD pid = app.process().id();
    const HWND dialog = openDeviceDialog(pid, bar);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(itemChecked(dialog, defaultDeviceId));
    EXPECT_FALSE(itemEnabled(dialog, deviceListId));
    EXPECT_EQ(comboBoxItems(GetDlgItem(dialog, deviceListId)), std::vector<std::wstring>{wineDevice});
    EXPECT_EQ(itemText(dialog, deviceListId), wineDevice) << "the first entry is selected";

    ASSERT_TRUE(clickItem(dialog, listedDeviceId));
    EXPECT_TRUE(itemEnabled(dialog, deviceListId));
    ASSERT_TRUE(pressItem(dialog, IDOK));
    EXPECT_EQ(expectMessage(pid, L"切换设备：\n下次播放音频/语音时生效 !　　   \n\n ", IDOK), "");
    EXPECT_TRUE(waitUntilGone(dialog));
    EXPECT_TRUE(waitUntil([&] { return savedDevice() == wineDevice; }, dialogTimeoutMs));
    EXPECT_TRUE(waitUntil([&] { return itemText(bar, deviceTextId) == L"播放设备:  Out: default"; }, barTimeoutMs));
    EXPECT_EQ(itemText(bar, volumeTextId), L"100");

    // The same device again: closed without the switch message, the file not written.
    const FILETIME written = settingsWriteTime();
    const HWND again = openDeviceDialog(pid, bar);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(itemChecked(again, listedDeviceId));
    EXPECT_EQ(itemText(again, deviceListId), wineDevice);
    ASSERT_TRUE(pressItem(again, IDOK));
    EXPECT_TRUE(waitUntilGone(again));
    EXPECT_FALSE(messageBoxShown(pid));
    Sleep(500);  // a save would follow the dialog's end at once
    const FILETIME after = settingsWriteTime();
    EXPECT_EQ(CompareFileTime(&written, &after), 0);
    EXPECT_EQ(savedDevice(), wineDevice);
}

TEST_F(DeviceBarTest, ASavedDeviceThatIsNotThereIsNamedWarnedAboutAndAnEmptyChoiceRefused) {
    const std::wstring unplugged = L"拔掉的声卡 (USB Audio)";
    writeSettings(unplugged);
    LvtxApp app;
    // Not connected: no reading reaches it, so the bar shows the start values.
    const HWND bar = startWithBar(app, L"播放设备:  " + unplugged, L"100");
    ASSERT_NE(bar, nullptr);
    const DWORD pid = app.process().id();
    const HWND dialog = openDeviceDialog(pid, bar);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(expectMessage(pid, L"该设备不存在：　　　　　　　　　　　　　 \n" + unplugged + L"\n\n ", IDOK), "");
    EXPECT_TRUE(itemChecked(dialog, listedDeviceId));
    EXPECT_TRUE(itemEnabled(dialog, deviceListId));
    EXPECT_EQ(itemText(dialog, deviceListId), L"");

    EXPECT_EQ(expectRefusal(pid, dialog, IDOK, L"请选取音频输出设备　　　　　   \n\n\n ", 0), "");
    ASSERT_TRUE(pressItem(dialog, IDCANCEL));
    EXPECT_TRUE(waitUntilGone(dialog));
    EXPECT_FALSE(messageBoxShown(pid));
    EXPECT_EQ(savedDevice(), unplugged);
}

TEST_F(DeviceBarTest, VolumeLinkShowsWhereWindowsSetsTheVolume) {
    LvtxApp app;
    const HWND bar = startWithBar(app, defaultDeviceText, L"100");
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(postItemCommand(bar, volumeHelpLink));
    const HWND dialog = waitForDialogTitled(app.process().id(), L"系统音量");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(itemText(dialog, IDOK), L"关闭");
    ASSERT_TRUE(pressItem(dialog, IDOK));
    EXPECT_TRUE(waitUntilGone(dialog));
}

}  // namespace
