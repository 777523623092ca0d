// The settings page driven from outside: it shows the rules of a settings file written by the
// test; a daily rule falling due opens the countdown over the hidden main window, which "取消"
// closes with the program still running; logon start writes and removes the Run value; the rule
// dialogs and the duck dialog change the texts and the file, or refuse and leave them; the web
// console's section refuses to switch on before a password, sets one through its dialog and
// writes "网页t".
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "e2e/LvtxTest.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/LocalTime.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/SettingsFile.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/WebSettingsFile.h"
#include "e2e/driver/Windows.h"

namespace {

// The page
enum PageId {
    autostartId = 1229,
    autostartHiddenId = 1230,
    autostartLockId = 1545,
    dailyOnId = 1410,
    dailyTextId = 1232,
    dailySetId = 1412,
    weeklyOnId = 1413,
    weeklyTextId = 1420,
    weeklySetId = 1421,
    restartOnId = 1233,
    restartTextId = 1234,
    restartSetId = 1418,
    deviceTextId = 1422,
    duckingTextId = 1734,
    duckingSetId = 1733,
    webOnId = 1810,
    webPortId = 1811,
    webPortApplyId = 1812,
    webSetPasswordId = 1813,
    webPasswordStateId = 1814,
    webAddressesId = 1815,
};
// The rule dialogs, the duck dialog and the countdown
constexpr int dailyTimeId = 1428;
constexpr int weeklyMondayId = 1430;
constexpr int weeklyTimeId = 1437;
constexpr int duckPercentId = 1576;
constexpr int duckFadeInId = 1577;
constexpr int duckFadeOutId = 1578;
constexpr int duckDefaultsId = 1579;
constexpr int countdownTextId = 1446;
constexpr int countdownDigitsId = 1447;
constexpr int newPasswordId = 1817;
constexpr int repeatPasswordId = 1818;

constexpr DWORD windowTimeoutMs = 15000;  // showing a hidden window takes seconds under Wine
constexpr wchar_t runKey[] = L"HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring timeText(const TestTime& time) {
    wchar_t text[16] = {};
    std::swprintf(text, 16, L"%02d:%02d:%02d", time.hour, time.minute, time.second);
    return text;
}

// The lines of a multi-line edit.
std::vector<std::wstring> linesOf(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find(L"\r\n", start);
        lines.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) break;
        start = end + 2;
    }
    return lines;
}

// Each line "http://<an IPv4 address or localhost>:<port>/".
std::string addressFailures(const std::wstring& text, int port) {
    std::string failures;
    const std::wstring tail = L":" + std::to_wstring(port) + L"/";
    for (const std::wstring& line : linesOf(text)) {
        const bool framed = line.starts_with(L"http://") && line.ends_with(tail) && line.size() > 7 + tail.size();
        const std::wstring host = framed ? line.substr(7, line.size() - 7 - tail.size()) : L"";
        const bool hostOk = host == L"localhost" ||
                            (!host.empty() && host.find_first_not_of(L"0123456789.") == std::wstring::npos &&
                             std::count(host.begin(), host.end(), L'.') == 3 && !host.starts_with(L"127."));
        if (!hostOk) failures += "bad line \"" + utf8(line) + "\"; ";
    }
    return failures;
}

TestTime timeOf(const SYSTEMTIME& time) {
    return {time.wHour, time.wMinute, time.wSecond};
}

int countShown(HWND countdown) {
    return _wtoi(itemText(countdown, countdownDigitsId).c_str());
}

// reg.exe as an operator would run it: its exit code, 0 when the value exists.
std::optional<DWORD> runReg(const std::wstring& arguments) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    ProgramProcess reg;
    if (reg.start(std::wstring(system) + L"\\reg.exe", arguments) != 0) return std::nullopt;
    return reg.waitForExit(windowTimeoutMs);
}

class SettingsPageTest : public LvtxTest {
protected:
    std::wstring settingsPath() const { return dataFolder_ + L"\\设置t"; }

    void start(const TestSettings& settings, const std::wstring& arguments = L"") {
        const auto bytes = settingsFileBytes(settings);
        ASSERT_TRUE(bytes.has_value());
        ASSERT_TRUE(writeFileBytes(settingsPath(), *bytes));
        startApp(app_, arguments, 0);
        page_ = app_.pageHolding(dailyTextId);
        ASSERT_NE(page_, nullptr);
    }

    std::optional<TestSettings> saved() const {
        const auto bytes = readFileBytes(settingsPath());
        return bytes ? settingsIn(*bytes) : std::nullopt;
    }

    DWORD pid() { return app_.process().id(); }

    HWND openDialog(int buttonId, const std::wstring& title) {
        EXPECT_TRUE(postItemCommand(page_, buttonId));
        const HWND dialog = waitForDialogTitled(pid(), title);
        EXPECT_NE(dialog, nullptr) << utf8(title);
        return dialog;
    }

    bool confirm(HWND dialog, int button = IDOK) { return pressItem(dialog, button) && waitUntilGone(dialog); }

    LvtxApp app_;
    HWND page_ = nullptr;
};

TEST_F(SettingsPageTest, PageShowsTheRulesTheDuckingAndTheDeviceOfTheFile) {
    // Hours away, so that no rule falls due while the test looks.
    const TestTime later = timeOf(addSeconds(localNowToSecond(), 3 * 3600));
    TestSettings settings;
    settings.dailyShutdownOn = 1;
    settings.dailyShutdownTime = later;
    settings.restartOn = 7;  // any nonzero value is on
    settings.restartDays = {1, 0, 1, 0, 1, 0, 0};
    settings.restartTime = later;
    settings.duckPercent = 85;
    settings.outputDevice = L"Out: default";
    start(settings);

    EXPECT_EQ(itemText(page_, dailyTextId), timeText(later));
    EXPECT_EQ(itemText(page_, weeklyTextId), L"01:00:00 (周67)") << "shown while the rule is off";
    EXPECT_EQ(itemText(page_, restartTextId), timeText(later) + L" (周135)");
    EXPECT_EQ(itemText(page_, duckingTextId), L"{立即播}播出时, {定时播}音量降低  85%");
    EXPECT_EQ(itemText(page_, deviceTextId), L"Out: default");
    for (const int id : {dailyOnId, restartOnId}) EXPECT_TRUE(itemChecked(page_, id)) << id;
    for (const int id : {weeklyOnId, autostartId, autostartHiddenId, autostartLockId}) {
        EXPECT_FALSE(itemChecked(page_, id)) << id;
    }
    for (const int id : {dailyTextId, dailySetId, restartTextId, restartSetId}) EXPECT_TRUE(itemEnabled(page_, id)) << id;
    for (const int id : {weeklyTextId, weeklySetId, autostartHiddenId, autostartLockId}) {
        EXPECT_FALSE(itemEnabled(page_, id)) << id;
    }

    // Every text of the page as the operator reads it.
    const std::pair<int, const wchar_t*> texts[] = {
        {autostartId, L"登录 Windows 后自动启动"},
        {autostartHiddenId, L"最小化到屏幕右下角 (托盘)"},
        {autostartLockId, L"立即锁屏"},
        {1143, L"<a>有密码时, 自动登录 Windows 的方法</a>"},
        {1144, L"<a>可一直开机: 可关闭显示器, 耗电很少, 详情…</a>"},
        {dailyOnId, L"每天关机"},
        {weeklyOnId, L"每周关机"},
        {restartOnId, L"关机重启"},
        {dailySetId, L"设置…"},
        {1700, L"<a>通过主板BIOS定时开机教程</a>"},
        {1701, L"<a>需要定时开关吗? 实现方法</a>"},
        {1423, L"另选…"},
        {duckingSetId, L"修改…"},
        {1236, L"备份…"},
        {1796, L"还原…"},
        {1797, L"作息表切换…"},
        {1237, L"最小化到托盘"},
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(itemText(page_, id), text) << id;
    const std::wstring all = childTexts(page_);
    for (const wchar_t* text : {L"┄┄ 开关机 ┄┄", L"┄┄ 其它 ┄┄", L"(自动登录 Windows 后, 可立即锁屏)", L"定时开机:",
                                L"功放开/关:", L"选音频输出设备:"}) {
        EXPECT_NE(all.find(text), std::wstring::npos) << utf8(text);
    }

    ASSERT_TRUE(postItemCommand(page_, 1797));
    EXPECT_EQ(expectMessage(pid(), L"作息表切换：\n可通过备份、还原实现", IDOK), "");
    EXPECT_EQ(saved(), settings) << "showing writes nothing";
}

TEST_F(SettingsPageTest, ADueDailyRuleOpensTheCountdownOverTheHiddenWindowAndCancelKeepsTheProgram) {
    TestSettings settings;
    settings.dailyShutdownOn = 1;
    // Due a few seconds from now; the rule still fires when start-up ends within its 15 s window.
    settings.dailyShutdownTime = timeOf(addSeconds(localNowToSecond(), 3));
    start(settings, L"1");
    const HWND main = app_.mainWindow();

    const HWND countdown = waitForDialogTitled(pid(), productName, startUpTimeoutMs);
    ASSERT_NE(countdown, nullptr);
    EXPECT_EQ(itemText(countdown, countdownTextId), L"关机倒计时");
    EXPECT_EQ(itemText(countdown, IDCANCEL), L"取消");
    const int first = countShown(countdown);
    EXPECT_GE(first, 55);
    EXPECT_LE(first, 60);
    EXPECT_TRUE(waitUntil([&] { return countShown(countdown) <= first - 2; }, 5000))
        << "one count each 950 ms; shows " << countShown(countdown);
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(main) != FALSE; }, windowTimeoutMs))
        << "the hidden main window comes back for the countdown";

    ASSERT_TRUE(pressItem(countdown, IDCANCEL));
    EXPECT_TRUE(waitUntilGone(countdown));
    EXPECT_TRUE(app_.process().running());
    EXPECT_TRUE(sendBounded(main, WM_NULL, 0, 0).has_value());
    // The occurrence stays fired: no second countdown while its window is still open.
    EXPECT_EQ(waitForDialogTitled(pid(), productName, 2000), nullptr);
}

TEST_F(SettingsPageTest, LogonStartWritesAndRemovesTheRunValue) {
    start(TestSettings{});
    const std::wstring query = std::wstring(L"query ") + runKey + L" /v TolvarBroadcasting";
    ASSERT_TRUE(clickItem(page_, autostartId));
    EXPECT_TRUE(itemEnabled(page_, autostartHiddenId));
    EXPECT_EQ(runReg(query), 0u) << "the value exists";

    ASSERT_TRUE(clickItem(page_, autostartLockId));
    ASSERT_TRUE(clickItem(page_, autostartId));
    EXPECT_FALSE(itemChecked(page_, autostartLockId)) << "unticked with logon start";
    EXPECT_FALSE(itemEnabled(page_, autostartLockId));
    EXPECT_EQ(runReg(query), 1u) << "the value is gone";
}

TEST_F(SettingsPageTest, RuleDialogsChangeTextAndFileAndTheDuckDialogRefusesTwentyFour) {
    start(TestSettings{});
    // The daily rule's time, confirmed: the text and the file follow.
    HWND dialog = openDialog(dailySetId, L"每天关机");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(setPickerTime(GetDlgItem(dialog, dailyTimeId), todayAt(6, 7, 8)));
    ASSERT_TRUE(confirm(dialog));
    EXPECT_EQ(itemText(page_, dailyTextId), L"06:07:08");
    TestSettings expected;
    expected.dailyShutdownTime = {6, 7, 8};
    EXPECT_TRUE(waitUntil([&] { return saved() == expected; }, dialogTimeoutMs));

    // The weekly rule on, then Monday alone at 22:30:00; then no day at all.
    ASSERT_TRUE(clickItem(page_, weeklyOnId));
    EXPECT_TRUE(itemEnabled(page_, weeklySetId));
    dialog = openDialog(weeklySetId, L"每周关机");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(itemChecked(dialog, weeklyMondayId + 5));
    EXPECT_TRUE(itemChecked(dialog, weeklyMondayId + 6));
    ASSERT_TRUE(clickItem(dialog, weeklyMondayId));
    ASSERT_TRUE(clickItem(dialog, weeklyMondayId + 5));
    ASSERT_TRUE(clickItem(dialog, weeklyMondayId + 6));
    ASSERT_TRUE(setPickerTime(GetDlgItem(dialog, weeklyTimeId), todayAt(22, 30, 0)));
    ASSERT_TRUE(confirm(dialog));
    EXPECT_EQ(itemText(page_, weeklyTextId), L"22:30:00 (周1)");
    expected.weeklyShutdownOn = 1;
    expected.weeklyShutdownDays = {1, 0, 0, 0, 0, 0, 0};
    expected.weeklyShutdownTime = {22, 30, 0};
    EXPECT_TRUE(waitUntil([&] { return saved() == expected; }, dialogTimeoutMs));

    dialog = openDialog(weeklySetId, L"每周关机");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(clickItem(dialog, weeklyMondayId));
    ASSERT_TRUE(confirm(dialog));
    EXPECT_EQ(itemText(page_, weeklyTextId), L"");
    expected.weeklyShutdownDays = {};
    EXPECT_TRUE(waitUntil([&] { return saved() == expected; }, dialogTimeoutMs));

    // A cancelled dialog changes nothing.
    dialog = openDialog(dailySetId, L"每天关机");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(setPickerTime(GetDlgItem(dialog, dailyTimeId), todayAt(9, 9, 9)));
    ASSERT_TRUE(confirm(dialog, IDCANCEL));
    EXPECT_EQ(itemText(page_, dailyTextId), L"06:07:08");

    // The duck dialog: 24 refused, 100 taken.
    dialog = openDialog(duckingSetId, L"音量降低");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(itemText(dialog, duckPercentId), L"60");
    EXPECT_EQ(sendBounded(GetDlgItem(dialog, duckFadeOutId), TBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(sendBounded(GetDlgItem(dialog, duckFadeInId), TBM_GETRANGEMAX, 0, 0), 16);
    ASSERT_TRUE(setItemText(dialog, duckPercentId, L"24"));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"音量降低百分比，输入无效　　　　　 \n\n\n ", duckPercentId), "");
    ASSERT_TRUE(setItemText(dialog, duckPercentId, L"100"));
    ASSERT_TRUE(confirm(dialog));
    EXPECT_EQ(itemText(page_, duckingTextId), L"{立即播}播出时, {定时播}音量降低 100%");
    expected.duckPercent = 100;
    EXPECT_TRUE(waitUntil([&] { return saved() == expected; }, dialogTimeoutMs));

    // "恢复默认" then "取消" keeps 100; confirming unchanged values writes nothing.
    dialog = openDialog(duckingSetId, L"音量降低");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(clickItem(dialog, duckDefaultsId));
    EXPECT_EQ(itemText(dialog, duckPercentId), L"60");
    ASSERT_TRUE(confirm(dialog, IDCANCEL));
    ASSERT_TRUE(DeleteFileW(settingsPath().c_str()));
    dialog = openDialog(duckingSetId, L"音量降低");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(confirm(dialog));
    EXPECT_EQ(itemText(page_, duckingTextId), L"{立即播}播出时, {定时播}音量降低 100%");
    Sleep(500);
    EXPECT_FALSE(readFileBytes(settingsPath()).has_value()) << "unchanged values are not saved";
}

TEST_F(SettingsPageTest, WebConsoleTakesAPasswordBeforeItSwitchesOnAndMovesToANewPort) {
    // A port of an earlier run, read at start-up.
    const std::wstring webPath = dataFolder_ + L"\\网页t";
    TestWebSettings web;
    web.port = 9001;
    const auto bytes = webSettingsFileBytes(web);
    ASSERT_TRUE(bytes.has_value());
    ASSERT_TRUE(writeFileBytes(webPath, *bytes));
    start(TestSettings{});
    const auto stored = [&] {
        const auto read = readFileBytes(webPath);
        return read ? webSettingsIn(*read) : std::nullopt;
    };

    const std::wstring all = childTexts(page_);
    EXPECT_NE(all.find(L"┄┄ 网页控制台 ┄┄"), std::wstring::npos);
    EXPECT_EQ(itemText(page_, webOnId), L"开启网页控制台（局域网内用浏览器或手机查看、停铃）");
    EXPECT_EQ(itemText(page_, webPortApplyId), L"应用");
    EXPECT_EQ(itemText(page_, webSetPasswordId), L"设置密码…");
    EXPECT_EQ(itemText(page_, webPortId), L"9001");
    EXPECT_EQ(itemText(page_, webPasswordStateId), L"(未设置密码)");
    EXPECT_EQ(addressFailures(itemText(page_, webAddressesId), 9001), "");

    // On without a password is refused, and the box goes back.
    ASSERT_TRUE(pressItem(page_, webOnId));
    EXPECT_EQ(expectMessage(pid(), L"请先设置网页控制台密码（至少8个字符）", IDOK), "");
    EXPECT_TRUE(waitUntil([&] { return !itemChecked(page_, webOnId); }, dialogTimeoutMs));
    EXPECT_EQ(readFileBytes(webPath), bytes) << "a refusal writes nothing";

    // The password dialog: too short, then not repeated, then taken.
    HWND dialog = openDialog(webSetPasswordId, L"网页控制台密码");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(setItemText(dialog, newPasswordId, L"1234567"));
    ASSERT_TRUE(setItemText(dialog, repeatPasswordId, L"1234567"));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"网页控制台密码至少8个字符", newPasswordId), "");
    ASSERT_TRUE(setItemText(dialog, newPasswordId, L"校园广播2024"));
    ASSERT_TRUE(setItemText(dialog, repeatPasswordId, L"校园广播2025"));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"两次输入的密码不一样，请重新输入", repeatPasswordId), "");
    EXPECT_EQ(readFileBytes(webPath), bytes);
    ASSERT_TRUE(setItemText(dialog, repeatPasswordId, L"校园广播2024"));
    ASSERT_TRUE(confirm(dialog));
    EXPECT_TRUE(waitUntil([&] { return stored() == TestWebSettings{0, 9001, 1}; }, dialogTimeoutMs));
    EXPECT_EQ(itemText(page_, webPasswordStateId), L"(已设置密码)");

    ASSERT_TRUE(clickItem(page_, webOnId));
    EXPECT_TRUE(itemChecked(page_, webOnId));
    EXPECT_TRUE(waitUntil([&] { return stored() == TestWebSettings{1, 9001, 1}; }, dialogTimeoutMs));

    // A port out of range is refused and changes nothing; a good one moves the addresses.
    ASSERT_TRUE(setItemText(page_, webPortId, L"70000"));
    ASSERT_TRUE(pressItem(page_, webPortApplyId));
    EXPECT_EQ(expectMessage(pid(), L"端口须在1到65535之间", IDOK), "");
    EXPECT_EQ(stored(), (TestWebSettings{1, 9001, 1}));
    EXPECT_EQ(addressFailures(itemText(page_, webAddressesId), 9001), "");
    ASSERT_TRUE(setItemText(page_, webPortId, L"8899"));
    ASSERT_TRUE(pressItem(page_, webPortApplyId));
    EXPECT_TRUE(waitUntil([&] { return stored() == TestWebSettings{1, 8899, 1}; }, dialogTimeoutMs));
    EXPECT_EQ(addressFailures(itemText(page_, webAddressesId), 8899), "");
    EXPECT_EQ(itemText(page_, webPortId), L"8899");
}

}  // namespace
