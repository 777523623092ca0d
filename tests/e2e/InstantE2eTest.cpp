// The immediate-play page driven from outside: a list file written here shows its rows and
// plays through the run dialog, from the start button or a double-click, until the exit; the
// page's edits, drops and menu commands reach the list file; a run waits while timed play is
// lowered, and a bell that falls due during it still rings.
#include <windows.h>

#include <map>

#include "e2e/LvtxTest.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/FileDrop.h"
#include "e2e/driver/InstantFile.h"
#include "e2e/driver/LocalTime.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

constexpr wchar_t runDialogTitle[] = L"立即播";

class LvtxInstantTest : public LvtxTest {
protected:
    void writeInstantList(const TestInstantList& list) {
        const auto bytes = instantFileBytes(list);
        ASSERT_TRUE(bytes.has_value());
        ASSERT_TRUE(writeFileBytes(instantFile(), *bytes));
    }

    // Starts the program and waits until the immediate-play list shows `rowCount` rows.
    void startWithList(LvtxApp& app, size_t programCount, size_t rowCount) {
        startApp(app, L"", programCount);
        page_ = app.pageHolding(instantListId);
        ASSERT_NE(page_, nullptr);
        ASSERT_TRUE(waitUntil([&] { return rows().size() == rowCount; }, startUpTimeoutMs, 100))
            << rows().size() << " rows";
    }

    ListRows rows() const { return readListView(GetDlgItem(page_, instantListId)).value_or(ListRows{}); }
    std::wstring status() const { return itemText(page_, instantStatusId); }

    StoredInstantList stored() const {
        const auto bytes = readFileBytes(instantFile());
        return bytes ? readStoredInstant(*bytes).value_or(StoredInstantList{}) : StoredInstantList{};
    }
    std::vector<std::wstring> storedNames() const {
        std::vector<std::wstring> names;
        for (const StoredInstantItem& item : stored().items) names.push_back(item.name);
        return names;
    }

    // The start button's run dialog; null when it did not open.
    HWND openRunDialog(DWORD pid) const {
        return pressItem(page_, instantStartId) ? waitForDialogTitled(pid, runDialogTitle) : nullptr;
    }

    // The run dialog with `songs` typed into the checked "播 n 首", then 开始播.
    void startCountRun(DWORD pid, const std::wstring& songs) {
        const HWND run = openRunDialog(pid);
        ASSERT_NE(run, nullptr);
        ASSERT_TRUE(setItemText(run, runSongsEditId, songs));
        ASSERT_TRUE(pressItem(run, IDOK));
        ASSERT_TRUE(waitUntilGone(run));
    }

    std::wstring instantFile() const { return dataFolder_ + L"\\立即播t"; }

    HWND page_ = nullptr;
};

bool runControlsShow(HWND page, bool active) {
    return itemEnabled(page, instantStartId) == !active && itemEnabled(page, instantStopId) == active &&
           itemEnabled(page, instantSeekId) == active;
}

TEST_F(LvtxInstantTest, AListFileShowsItsRowsPlaysThroughTheRunDialogAndFadesOutAtExit) {
    const std::wstring first = tone(L"甲", 1000), second = tone(L"乙", 1000);
    TestInstantList list;
    list.volume = 70;
    list.items = {{first, 1000, true}, {second, 1000}, {audioFolder_ + L"\\丙.mp3", -1}};
    list.countMode = 0;
    list.songCount = 5;
    list.seconds = 300;
    writeInstantList(list);

    LvtxApp app;
    startWithList(app, 0, 3);
    const DWORD pid = app.process().id();
    EXPECT_EQ(rows(), (ListRows{{L"→ 甲.wav", L"00:01"}, {L"乙.wav", L"00:01"}, {L"丙.mp3", L""}}));
    EXPECT_EQ(itemText(page_, instantVolumeTextId), L"音量:70");
    EXPECT_EQ(itemText(page_, instantModeId), L"列表循环");
    EXPECT_TRUE(runControlsShow(page_, false));
    EXPECT_EQ(status(), L"");

    // The dialog opens on the stored seconds run; the songs radio unlocks the other edit.
    const HWND run = openRunDialog(pid);
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(itemChecked(run, runSecondsRadioId));
    EXPECT_EQ(itemText(run, runSecondsEditId), L"300");
    EXPECT_EQ(itemText(run, runSongsEditId), L"5");
    EXPECT_FALSE(itemEnabled(run, runSongsEditId));
    ASSERT_TRUE(clickItem(run, runSongsRadioId));
    EXPECT_TRUE(itemEnabled(run, runSongsEditId));
    EXPECT_FALSE(itemEnabled(run, runSecondsEditId));
    for (const wchar_t* refused : {L"2.5", L"-1", L"", L"02"}) {
        ASSERT_TRUE(setItemText(run, runSongsEditId, refused));
        EXPECT_EQ(expectRefusal(pid, run, IDOK, L"播 n 首，输入无效　　　　　　　 \n\n ", runSongsEditId), "")
            << utf8(refused);
    }
    // A bad number in the unchecked edit is not taken: the file must stay loadable.
    ASSERT_TRUE(setItemText(run, runSecondsEditId, L"-5"));
    ASSERT_TRUE(setItemText(run, runSongsEditId, L"2"));
    ASSERT_TRUE(pressItem(run, IDOK));
    ASSERT_TRUE(waitUntilGone(run));

    ASSERT_TRUE(waitUntil([&] { return status() == L"第 1/2 首"; }, 3000)) << utf8(status());
    EXPECT_TRUE(runControlsShow(page_, true));
    EXPECT_NE(itemText(page_, instantPositionId).find(L" / 00:01"), std::wstring::npos)
        << utf8(itemText(page_, instantPositionId));
    ASSERT_TRUE(waitUntil([&] { return status() == L"第 2/2 首"; }, 3000)) << utf8(status());
    EXPECT_EQ(column(rows(), 0), (std::vector<std::wstring>{L"甲.wav", L"→ 乙.wav", L"丙.mp3"}));
    ASSERT_TRUE(waitUntil([&] { return status().empty() && runControlsShow(page_, false); }, 3000))
        << utf8(status());
    EXPECT_EQ(itemText(page_, instantPositionId), L"");

    const StoredInstantList after = stored();
    EXPECT_EQ(after.countMode, 1);
    EXPECT_EQ(after.songCount, 2);
    EXPECT_EQ(after.seconds, 300);
    ASSERT_EQ(after.items.size(), 3u);
    EXPECT_FALSE(after.items[0].isCurrent);
    EXPECT_TRUE(after.items[1].isCurrent);
    EXPECT_NEAR(after.items[1].durationMs, 1000, 50);

    // A double-click makes its row current; cancelling the run dialog keeps that choice.
    const HWND listView = GetDlgItem(page_, instantListId);
    ASSERT_TRUE(clickListRow(listView, 2, true));
    const HWND cancelled = waitForDialogTitled(pid, runDialogTitle);
    ASSERT_NE(cancelled, nullptr);
    ASSERT_TRUE(pressItem(cancelled, IDCANCEL));
    ASSERT_TRUE(waitUntilGone(cancelled));
    EXPECT_TRUE(waitUntil([&] { return stored().items.size() == 3 && stored().items[2].isCurrent; },
                          dialogTimeoutMs));
    EXPECT_EQ(column(rows(), 0), (std::vector<std::wstring>{L"甲.wav", L"乙.wav", L"→ 丙.mp3"}));

    // An endless run from a double-clicked row; the program's exit fades it out and ends it.
    ASSERT_TRUE(clickListRow(listView, 0, true));
    const HWND endless = waitForDialogTitled(pid, runDialogTitle);
    ASSERT_NE(endless, nullptr);
    EXPECT_TRUE(itemChecked(endless, runSongsRadioId));
    ASSERT_TRUE(setItemText(endless, runSongsEditId, L"0"));
    ASSERT_TRUE(pressItem(endless, IDOK));
    ASSERT_TRUE(waitUntil([&] { return status() == L"第 1 首 / 一直播"; }, 3000)) << utf8(status());
    EXPECT_EQ(app.exitThroughCloseDialog(15000), 0u);
    const auto log = readFileBytes(logPath());
    ASSERT_TRUE(log.has_value());
    EXPECT_TRUE(hasLine(parseLogFile(*log).value_or(std::vector<LogLine>{}), L"软件关闭"));
}

TEST_F(LvtxInstantTest, DeletesMovesDropsSortsAndClearingReachTheListFile) {
    TestInstantList list;
    for (const wchar_t* name : {L"a", L"b", L"c"}) list.items.push_back({tone(name, 1000), 1000});
    writeInstantList(list);
    const std::wstring dropped1 = tone(L"d", 1500), dropped2 = tone(L"e", 2000);
    const std::wstring notAudio = audioFolder_ + L"\\说明.txt";
    ASSERT_TRUE(writeFileBytes(notAudio, "text"));

    LvtxApp app;
    startWithList(app, 0, 3);
    const DWORD pid = app.process().id();
    const HWND listView = GetDlgItem(page_, instantListId);
    // With no item marked, the first one is current.
    EXPECT_EQ(column(rows(), 0), (std::vector<std::wstring>{L"→ a.wav", L"b.wav", L"c.wav"}));

    ASSERT_TRUE(pressItem(page_, instantDeleteId));
    EXPECT_EQ(expectMessage(pid, L"删除 - 请先选中音频　  \n\n ", IDOK), "");
    ASSERT_TRUE(pressItem(page_, instantDownId));
    EXPECT_EQ(expectMessage(pid, L"下移 - 请先选中音频\n\n ", IDOK), "");

    ASSERT_TRUE(selectListRows(listView, {0}));
    ASSERT_TRUE(pressItem(page_, instantDownId));
    const std::vector<std::wstring> moved = {L"b.wav", L"a.wav", L"c.wav"};
    ASSERT_TRUE(waitUntil([&] { return storedNames() == moved; }, dialogTimeoutMs));
    EXPECT_EQ(column(rows(), 0), (std::vector<std::wstring>{L"b.wav", L"→ a.wav", L"c.wav"}));
    EXPECT_EQ(selectedListRows(listView), std::vector<int>{1});
    EXPECT_TRUE(stored().items[1].isCurrent) << "a moved item keeps its mark";

    ASSERT_TRUE(selectListRows(listView, {0, 2}));
    ASSERT_TRUE(pressKey(listView, VK_DELETE));
    const std::vector<std::wstring> left = {L"a.wav"};
    ASSERT_TRUE(waitUntil([&] { return storedNames() == left; }, dialogTimeoutMs));
    EXPECT_EQ(column(rows(), 0), (std::vector<std::wstring>{L"→ a.wav"}));

    // A file of another kind among the dropped ones is skipped without a word.
    ASSERT_TRUE(dropFilesOn(page_, {dropped1, notAudio, dropped2}));
    const std::vector<std::wstring> withDrops = {L"a.wav", L"d.wav", L"e.wav"};
    ASSERT_TRUE(waitUntil([&] { return storedNames() == withDrops; }, dialogTimeoutMs)) << storedNames().size();
    EXPECT_EQ(rows(), (ListRows{{L"→ a.wav", L"00:01"}, {L"d.wav", L"00:01"}, {L"e.wav", L"00:02"}}));
    const StoredInstantList after = stored();
    EXPECT_EQ(after.items[1].path, dropped1);
    EXPECT_NEAR(after.items[1].durationMs, 1500, 50);
    EXPECT_NEAR(after.items[2].durationMs, 2000, 50);
    EXPECT_EQ(selectedListRows(listView), std::vector<int>{2}) << "the last added row is selected";

    // The context menu's commands: a sort rebuilds the rows, the current mark goes along.
    ASSERT_TRUE(postItemCommand(page_, instantSortNameDownCommand));
    const std::vector<std::wstring> sorted = {L"e.wav", L"d.wav", L"a.wav"};
    ASSERT_TRUE(waitUntil([&] { return storedNames() == sorted; }, dialogTimeoutMs));
    EXPECT_EQ(column(rows(), 0), (std::vector<std::wstring>{L"e.wav", L"d.wav", L"→ a.wav"}));
    ASSERT_TRUE(postItemCommand(page_, instantOpenFolderCommand));
    EXPECT_EQ(expectMessage(pid, L"打开所在文件夹 - 请先选中音频　　　\n\n ", IDOK), "");
    ASSERT_TRUE(postItemCommand(page_, instantClearCommand));
    EXPECT_EQ(expectMessage(pid, L"确定清空 ？\n\n ", IDNO), "");
    EXPECT_EQ(stored().items.size(), 3u);
    ASSERT_TRUE(postItemCommand(page_, instantClearCommand));
    EXPECT_EQ(expectMessage(pid, L"确定清空 ？\n\n ", IDYES), "");
    EXPECT_TRUE(waitUntil([&] { return stored().items.empty() && rows().empty(); }, dialogTimeoutMs));
}

// Timed play's level is set inside the program's players; from outside the lowering shows as
// the run's wait: its first item starts only once timed play has come down to the duck level
// (60 % lower in 5 s per full swing by default, so 3 s from full volume).
TEST_F(LvtxInstantTest, ARunWaitsWhileABellIsLoweredAndABellDueDuringTheRunRings) {
    const SYSTEMTIME due = addSeconds(localNowToSecond(), 12);
    const SYSTEMTIME later = addSeconds(due, 8);
    writePrograms({{L"上课铃", tone(L"bell", 5000), {{due.wHour, due.wMinute, due.wSecond}}},
                   {L"下课铃", tone(L"bell2", 1000), {{later.wHour, later.wMinute, later.wSecond}}}});
    TestInstantList list;
    list.items = {{tone(L"song", 7000), 7000}};
    writeInstantList(list);

    LvtxApp app;
    startWithList(app, 2, 1);
    const DWORD pid = app.process().id();
    ASSERT_TRUE(waitUntil([&] { return hasLine(logRows(app), L"上课铃 ◆ 开始播放"); }, 20000, 100))
        << describe(logRows(app));

    startCountRun(pid, L"1");
    const DWORD begun = GetTickCount();
    std::map<std::wstring, DWORD> firstSeen;
    ASSERT_TRUE(waitUntil(
        [&] {
            firstSeen.emplace(status(), GetTickCount() - begun);
            return firstSeen.count(L"第 1/1 首") != 0;
        },
        8000, 20));
    EXPECT_TRUE(firstSeen.count(L"即将播放") && firstSeen.count(L"即将播放 ...")) << "no blinking wait";
    EXPECT_GE(firstSeen[L"第 1/1 首"], 2000u) << "the run did not wait for timed play to come down";
    EXPECT_LE(firstSeen[L"第 1/1 首"], 4500u);

    // The bell that falls due during the run rings to its end; neither stops the other.
    ASSERT_TRUE(waitUntil([&] { return hasLine(logRows(app), L"下课铃 ◆ 开始播放"); }, 12000, 100))
        << describe(logRows(app));
    EXPECT_EQ(status(), L"第 1/1 首");
    ASSERT_TRUE(waitUntil([&] { return hasLine(logRows(app), L"下课铃 ◆ 播放结束"); }, 5000, 100));
    EXPECT_TRUE(runControlsShow(page_, true)) << "the bell stopped immediate play";
    EXPECT_TRUE(waitUntil([&] { return status().empty() && runControlsShow(page_, false); }, 8000));
}

}  // namespace
