// The timed-play page's commands on its program list driven from outside: play now with an
// amount, a playing program modified (No, then Yes) and deleted, a multiple selection moved,
// the four sorts, and two selected plays stopped; the programs file follows every change.
#include <windows.h>

#include "e2e/LvtxTest.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/StoredPrograms.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

constexpr int nameId = 1009;
constexpr int volumeId = 1070;
constexpr int songsId = 1019;
constexpr int playNowSongsNameId = 1584;
constexpr int playNowSongsId = 1377;
constexpr int playNowSecondsNameId = 1585;
constexpr int playNowSecondsId = 1376;
constexpr int playNowFadeLink = 1034;

// The page's answer to a command that opens nothing modal, waited for.
bool sendPageCommand(const LvtxApp& app, int id) {
    return sendBounded(GetParent(app.control(programListId)), WM_COMMAND, static_cast<WPARAM>(id), 0).has_value();
}

bool nowPlayingShows(const LvtxApp& app, const std::vector<std::wstring>& names) {
    return column(app, nowPlayingListId, 0) == names;
}

TEST_F(LvtxTest, PlayNowWithACountThenModifyingThePlayingProgramAsksNoKeepsYesStops) {
    writePrograms({TestProgram{L"午休音乐", tone(L"song", 30000), {{3, 0, 0}}},
                   TestProgram{L"其它", tone(L"other", 1000), {{4, 0, 0}}}});
    LvtxApp app;
    startApp(app, L"", 2);
    const DWORD pid = app.process().id();

    ASSERT_TRUE(selectListRows(app.control(programListId), {0}));
    ASSERT_TRUE(postPageCommand(app, playNowCommand));
    const HWND amount = waitForDialogTitled(pid, playNowTitle);
    ASSERT_NE(amount, nullptr);
    EXPECT_EQ(itemText(amount, playNowSongsNameId), L"午休音乐");
    EXPECT_EQ(itemText(amount, playNowSongsId), L"1");
    ASSERT_TRUE(setItemText(amount, playNowSongsId, L"0"));
    EXPECT_EQ(expectRefusal(pid, amount, IDOK, L"播 n 首，输入无效", playNowSongsId), "");
    ASSERT_TRUE(setItemText(amount, playNowSongsId, L"3"));
    ASSERT_TRUE(pressItem(amount, IDOK));
    ASSERT_TRUE(waitUntilGone(amount));
    EXPECT_TRUE(waitUntil(
        [&] {
            const auto rows = app.rows(nowPlayingListId);
            return rows && rows->size() == 1 && rows->at(0).at(0) == L"午休音乐(手动)" && rows->at(0).at(1) == L"1 / 3遍";
        },
        dialogTimeoutMs))
        << "the play-now entry plays the entered three times";

    ASSERT_TRUE(postPageCommand(app, modifyCommand));
    const HWND editor = waitForDialogTitled(pid, editorTitle);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(itemText(editor, IDOK), L"修改");
    EXPECT_EQ(itemText(editor, nameId), L"午休音乐");
    EXPECT_EQ(itemText(editor, songsId), L"1") << "play now leaves the stored count";
    ASSERT_TRUE(setItemText(editor, volumeId, L"90"));
    ASSERT_TRUE(pressItem(editor, IDOK));
    EXPECT_EQ(expectMessage(pid, L"正在播放：午休音乐\n终止后才可修改，是否终止播放 ？　　 ", IDNO), "");
    EXPECT_TRUE(IsWindowVisible(editor)) << "No keeps the editor open";
    EXPECT_TRUE(nowPlayingShows(app, {L"午休音乐(手动)"})) << "No keeps the play";
    EXPECT_EQ(column(app, programListId, 5), (std::vector<std::wstring>{L"80", L"80"}));

    ASSERT_TRUE(setItemText(editor, nameId, L"午休歌曲"));
    ASSERT_TRUE(pressItem(editor, IDOK));
    EXPECT_EQ(expectMessage(pid, L"正在播放：午休音乐\n终止后才可改名，是否终止播放 ？　　 ", IDYES), "");
    ASSERT_TRUE(waitUntilGone(editor));
    EXPECT_TRUE(waitUntil([&] { return nowPlayingShows(app, {}); }, dialogTimeoutMs));
    EXPECT_TRUE(hasLine(logRows(app), L"午休音乐(手动) ◆ 终止播放… ◆ 用户终止播放")) << describe(logRows(app));
    EXPECT_EQ(column(app, programListId, 0), (std::vector<std::wstring>{L"午休歌曲", L"其它"}));
    EXPECT_EQ(column(app, programListId, 5), (std::vector<std::wstring>{L"90", L"80"}));
    const auto bytes = readFileBytes(dataFolder_ + L"\\定时播t");
    const auto stored = bytes ? readStoredPrograms(*bytes) : std::nullopt;
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->at(0).name, L"午休歌曲");
    EXPECT_EQ(stored->at(0).volume, 90);
    EXPECT_EQ(stored->at(0).songCount, 1);
}

TEST_F(LvtxTest, DeletingAProgramPlayedNowForSecondsStopsItsPlay) {
    TestProgram notice{L"广播通知", tone(L"notice", 30000), {{3, 0, 0}}};
    notice.countMode = false;
    notice.seconds = 60;
    writePrograms({notice, TestProgram{L"眼保健操", tone(L"eyes", 1000), {{4, 0, 0}}}});
    LvtxApp app;
    startApp(app, L"", 2);
    const DWORD pid = app.process().id();

    ASSERT_TRUE(selectListRows(app.control(programListId), {0}));
    ASSERT_TRUE(postPageCommand(app, playNowCommand));
    const HWND amount = waitForDialogTitled(pid, playNowTitle);
    ASSERT_NE(amount, nullptr);
    EXPECT_EQ(itemText(amount, playNowSecondsNameId), L"广播通知");
    EXPECT_EQ(itemText(amount, playNowSecondsId), L"60");
    ASSERT_TRUE(postItemCommand(amount, playNowFadeLink));
    EXPECT_EQ(expectMessage(pid, L"播 n 秒  -  末尾 9 秒淡出", IDOK), "");
    ASSERT_TRUE(setItemText(amount, playNowSecondsId, L"600"));
    ASSERT_TRUE(pressItem(amount, IDOK));
    ASSERT_TRUE(waitUntilGone(amount));
    EXPECT_TRUE(waitUntil(
        [&] {
            const auto rows = app.rows(nowPlayingListId);
            return rows && rows->size() == 1 && rows->at(0).at(1).ends_with(L" / 10:00");
        },
        dialogTimeoutMs))
        << "the play-now entry plays the entered 600 seconds";

    ASSERT_TRUE(postPageCommand(app, deleteCommand));
    EXPECT_EQ(expectMessage(pid, L"确定删除 ？", IDYES), "");
    EXPECT_TRUE(waitUntil([&] { return column(app, programListId, 0) == std::vector<std::wstring>{L"眼保健操"}; },
                          dialogTimeoutMs));
    EXPECT_TRUE(waitUntil([&] { return nowPlayingShows(app, {}); }, dialogTimeoutMs));
    EXPECT_TRUE(hasLine(logRows(app), L"广播通知(手动) ◆ 终止播放… ◆ 该节目被删除")) << describe(logRows(app));
    // The list shows the change before the file is saved.
    EXPECT_TRUE(waitUntil([&] { return storedNamesIn(dataFolder_) == std::vector<std::wstring>{L"眼保健操"}; },
                          dialogTimeoutMs));
}

TEST_F(LvtxTest, MultipleSelectionMovesUpAndDownAndTheFourSortsReorderListAndFile) {
    const std::wstring song = tone(L"song", 1000);
    writePrograms({TestProgram{L"delta", song, {{7, 0, 0}}}, TestProgram{L"Alpha", song, {{12, 0, 0}}},
                   TestProgram{L"charlie", song, {{6, 0, 0}}}, TestProgram{L"Bravo", song, {{9, 0, 0}}},
                   TestProgram{L"echo", song, {{8, 0, 0}}}});
    LvtxApp app;
    startApp(app, L"", 5);
    const HWND list = app.control(programListId);
    const auto expectOrder = [&](const std::vector<std::wstring>& names, const char* step) {
        EXPECT_EQ(column(app, programListId, 0), names) << step;
        EXPECT_EQ(storedNamesIn(dataFolder_), names) << step;
    };

    ASSERT_TRUE(selectListRows(list, {1, 2}));
    ASSERT_TRUE(sendPageCommand(app, moveUpCommand));
    expectOrder({L"Alpha", L"charlie", L"delta", L"Bravo", L"echo"}, "up");
    EXPECT_EQ(selectedListRows(list), (std::vector<int>{0, 1}));
    EXPECT_EQ(column(app, programListId, 2)[0], L"12:00:00") << "rows rewritten with all their cells";
    ASSERT_TRUE(sendPageCommand(app, moveUpCommand));
    expectOrder({L"Alpha", L"charlie", L"delta", L"Bravo", L"echo"}, "up with the first row selected");
    ASSERT_TRUE(sendPageCommand(app, moveDownCommand));
    expectOrder({L"delta", L"Alpha", L"charlie", L"Bravo", L"echo"}, "down");
    EXPECT_EQ(selectedListRows(list), (std::vector<int>{1, 2}));
    ASSERT_TRUE(selectListRows(list, {2, 4}));
    ASSERT_TRUE(sendPageCommand(app, moveDownCommand));
    expectOrder({L"delta", L"Alpha", L"charlie", L"Bravo", L"echo"}, "down with the last row selected");

    ASSERT_TRUE(sendPageCommand(app, sortNameUpCommand));
    expectOrder({L"Alpha", L"Bravo", L"charlie", L"delta", L"echo"}, "name ascending, letter case ignored");
    EXPECT_TRUE(selectedListRows(list).empty());
    ASSERT_TRUE(sendPageCommand(app, sortNameDownCommand));
    expectOrder({L"echo", L"delta", L"charlie", L"Bravo", L"Alpha"}, "name descending");
    ASSERT_TRUE(sendPageCommand(app, sortTimeUpCommand));
    expectOrder({L"charlie", L"delta", L"echo", L"Bravo", L"Alpha"}, "time ascending");
    ASSERT_TRUE(sendPageCommand(app, sortTimeDownCommand));
    expectOrder({L"Alpha", L"Bravo", L"echo", L"delta", L"charlie"}, "time descending");
}

TEST_F(LvtxTest, ArrowKeysMoveOnlyWhileTheListHasTheFocusEnterPlaysDoubleClickModifies) {
    const std::wstring song = tone(L"song", 1000);
    writePrograms({TestProgram{L"早操", song, {{7, 0, 0}}}, TestProgram{L"午休", song, {{12, 0, 0}}}});
    LvtxApp app;
    startApp(app, L"", 2);
    const DWORD pid = app.process().id();
    const HWND list = app.control(programListId);
    const std::vector<std::wstring> moved{L"午休", L"早操"};

    ASSERT_TRUE(clickListRow(list, 1));
    ASSERT_TRUE(waitUntil([&] { return focusOf(list) == list; }, dialogTimeoutMs));
    EXPECT_EQ(selectedListRows(list), std::vector<int>{1});
    ASSERT_TRUE(pressKey(list, VK_UP));
    EXPECT_TRUE(waitUntil([&] { return column(app, programListId, 0) == moved; }, dialogTimeoutMs));
    EXPECT_TRUE(waitUntil([&] { return storedNamesIn(dataFolder_) == moved; }, dialogTimeoutMs));

    // With the focus in the log list the arrows are its own.
    const HWND log = app.control(logListId);
    ASSERT_TRUE(clickListRow(log, 0));
    ASSERT_TRUE(waitUntil([&] { return focusOf(list) == log; }, dialogTimeoutMs));
    ASSERT_TRUE(pressKey(log, VK_DOWN));
    // The click is queued behind the key: once the list has the focus again, the key was handled.
    ASSERT_TRUE(clickListRow(list, 0));
    ASSERT_TRUE(waitUntil([&] { return focusOf(list) == list; }, dialogTimeoutMs));
    EXPECT_EQ(column(app, programListId, 0), moved);

    ASSERT_TRUE(pressKey(list, VK_RETURN));
    const HWND amount = waitForDialogTitled(pid, playNowTitle);
    ASSERT_NE(amount, nullptr) << "Enter on the list plays the selected program now";
    EXPECT_EQ(itemText(amount, playNowSongsNameId), L"午休");
    ASSERT_TRUE(pressItem(amount, IDCANCEL));
    ASSERT_TRUE(waitUntilGone(amount));

    ASSERT_TRUE(clickListRow(list, 1));
    ASSERT_TRUE(clickListRow(list, 1, true));
    const HWND editor = waitForDialogTitled(pid, editorTitle);
    ASSERT_NE(editor, nullptr) << "a double click modifies the row";
    EXPECT_EQ(itemText(editor, nameId), L"早操");
    ASSERT_TRUE(pressItem(editor, IDCANCEL));
    ASSERT_TRUE(waitUntilGone(editor));
}

TEST_F(LvtxTest, TwoSelectedPlaysAreStoppedTogether) {
    // Both due all day long from the start: the first plays, the second waits behind it.
    TestProgram first{L"第一节", tone(L"first", 30000), {{0, 0, 0}}};
    first.countMode = false;
    first.seconds = 86399;
    first.delayable = true;
    TestProgram second = first;
    second.name = L"第二节";
    writePrograms({first, second});
    LvtxApp app;
    startApp(app, L"", 2);

    ASSERT_TRUE(waitUntil([&] { return nowPlayingShows(app, {L"第一节", L"第二节"}); }, dialogTimeoutMs));
    // The head gets its player on the tick after it is queued: stop it once it sounds.
    ASSERT_TRUE(waitUntil([&] { return hasLine(logRows(app), L"第一节 ◆ 开始播放"); }, dialogTimeoutMs))
        << describe(logRows(app));
    ASSERT_TRUE(selectListRows(app.control(nowPlayingListId), {0, 1}));
    ASSERT_TRUE(postPageCommand(app, stopPlaysCommand));
    EXPECT_TRUE(waitUntil([&] { return nowPlayingShows(app, {}); }, dialogTimeoutMs));
    const auto lines = logRows(app);
    EXPECT_TRUE(hasLine(lines, L"第一节 ◆ 终止播放… ◆ 用户终止播放")) << describe(lines);
    EXPECT_TRUE(hasLine(lines, L"第二节 ◆ 终止播放 ◆ 用户终止播放")) << describe(lines);
}

}  // namespace
