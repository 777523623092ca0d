// The program editor and its dialogs driven through their windows: programs added with a file
// and with a folder reach the list and the programs file; bad input is refused with its text,
// the focus in the field and the dialog still open.
#include <windows.h>

#include "e2e/LvtxTest.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/StoredPrograms.h"
#include "e2e/driver/Wait.h"

namespace {

// Control ids of the editor "定时播" and its dialogs.
enum EditorId {
    nameId = 1009,
    fileModeId = 1012,
    folderModeId = 1013,
    filePathId = 1014,
    folderPathId = 1015,
    secondsModeId = 1016,
    secondsId = 1018,
    songsId = 1019,
    sequentialId = 1020,
    randomId = 1021,
    volumeId = 1070,
    startSummaryId = 1107,
    rangeTextId = 1112,
    setRangeId = 1113,
    daySummaryId = 1339,
    chooseDaysId = 1340,
    setStartTimesId = 1485,
    delayableId = 1544,
    durationId = 1581,
    volumeGuideLink = 1032,
    amplifierLink = 1037,
    // "开始时间"
    singleTimeId = 1495,
    multipleModeId = 1496,
    timeListId = 1497,
    newTimeId = 1498,
    addTimeId = 1499,
    batchId = 1502,
    // "批量生成 开始时间"
    batchFromId = 1053,
    batchToId = 1055,
    batchIntervalId = 1121,
    // "周几或几号"
    byWeekdayId = 1344,
    byMonthDayId = 1345,
    day1Id = 1040,
    day15Id = 1057,
    day31Id = 1079,
    // "日期范围"
    rangeFromId = 1224,
    rangeToId = 1225,
    rangeFromHourId = 1342,
    rangeToHourId = 1343,
};

std::optional<std::vector<StoredProgram>> storedPrograms(const std::wstring& dataFolder) {
    const auto bytes = readFileBytes(dataFolder + L"\\定时播t");
    if (!bytes) return std::nullopt;
    return readStoredPrograms(*bytes);
}

TEST_F(LvtxTest, EditorAddsAFileProgramAndAFolderProgramWithStartTimesAndMonthDays) {
    const std::wstring bell = tone(L"bell", 2500);
    LvtxApp app;
    startApp(app, L"", 0);
    const DWORD pid = app.process().id();

    ASSERT_TRUE(postPageCommand(app, addCommand));
    HWND editor = waitForDialogTitled(pid, editorTitle);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(itemText(editor, IDOK), L"添加");
    EXPECT_EQ(itemText(editor, volumeId), L"80");
    EXPECT_EQ(itemText(editor, startSummaryId), L"22:10:10      <可多个:如打铃>");
    EXPECT_EQ(itemText(editor, daySummaryId), L"每周:1234567");
    EXPECT_EQ(itemText(editor, rangeTextId), L"2000-01-01 00:00 ~ 2099-12-31 24:00");
    EXPECT_EQ(itemText(editor, durationId), L"00:00");
    EXPECT_TRUE(itemChecked(editor, fileModeId));
    EXPECT_TRUE(itemChecked(editor, randomId));
    EXPECT_FALSE(itemEnabled(editor, folderPathId));
    EXPECT_FALSE(itemEnabled(editor, sequentialId));
    EXPECT_FALSE(itemEnabled(editor, secondsId));
    ASSERT_TRUE(setItemText(editor, nameId, L"  上课铃  "));
    ASSERT_TRUE(setItemText(editor, filePathId, bell));
    EXPECT_TRUE(waitUntil([&] { return itemText(editor, durationId) == L"00:02"; }, dialogTimeoutMs))
        << utf8(itemText(editor, durationId));
    ASSERT_TRUE(pressItem(editor, IDOK));
    ASSERT_TRUE(waitUntilGone(editor));
    ASSERT_TRUE(app.waitForPrograms(1, dialogTimeoutMs));
    const std::vector<std::wstring> firstRow{L"上课铃", L"√", L"22:10:10", L"1遍", bell, L"80", L"每周:1234567",
                                             L"2000-01-01 00:00 ~ 2099-12-31 24:00"};
    EXPECT_EQ(app.rows(programListId)->at(0), firstRow);
    EXPECT_EQ(selectedListRows(app.control(programListId)), std::vector<int>{0});

    // A folder played in order for 300 seconds at four times on days 1, 15 and 31, allowed to wait.
    ASSERT_TRUE(postPageCommand(app, addCommand));
    editor = waitForDialogTitled(pid, editorTitle);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(clickItem(editor, folderModeId));
    EXPECT_TRUE(itemEnabled(editor, folderPathId));
    EXPECT_TRUE(itemEnabled(editor, sequentialId));
    EXPECT_FALSE(itemEnabled(editor, filePathId));
    ASSERT_TRUE(setItemText(editor, nameId, L"课间音乐"));
    ASSERT_TRUE(setItemText(editor, folderPathId, audioFolder_));
    ASSERT_TRUE(clickItem(editor, sequentialId));
    ASSERT_TRUE(clickItem(editor, secondsModeId));
    EXPECT_TRUE(itemEnabled(editor, secondsId));
    EXPECT_FALSE(itemEnabled(editor, songsId));
    ASSERT_TRUE(setItemText(editor, secondsId, L"300"));

    ASSERT_TRUE(pressItem(editor, setStartTimesId));
    const HWND times = waitForDialogTitled(pid, L"开始时间");
    ASSERT_NE(times, nullptr);
    EXPECT_FALSE(itemEnabled(times, timeListId));
    ASSERT_TRUE(clickItem(times, multipleModeId));
    EXPECT_TRUE(itemEnabled(times, timeListId));
    EXPECT_FALSE(itemEnabled(times, singleTimeId));
    ASSERT_TRUE(setPickerTime(GetDlgItem(times, newTimeId), todayAt(8, 0, 0)));
    ASSERT_TRUE(clickItem(times, addTimeId));
    EXPECT_EQ(expectRefusal(pid, times, addTimeId, L"该时间点已存在\n\n ", 0), "");
    ASSERT_TRUE(pressItem(times, batchId));
    const HWND batch = waitForDialogTitled(pid, L"批量生成 开始时间");
    ASSERT_NE(batch, nullptr);
    ASSERT_TRUE(setPickerTime(GetDlgItem(batch, batchFromId), todayAt(9, 0, 0)));
    ASSERT_TRUE(setPickerTime(GetDlgItem(batch, batchToId), todayAt(9, 1, 0)));
    ASSERT_TRUE(setItemText(batch, batchIntervalId, L"0.5"));
    ASSERT_TRUE(pressItem(batch, IDOK));
    ASSERT_TRUE(waitUntilGone(batch));
    const std::vector<std::wstring> listed{L"08:00:00", L"09:00:00", L"09:00:30", L"09:01:00"};
    EXPECT_EQ(listBoxItems(GetDlgItem(times, timeListId)), listed);
    ASSERT_TRUE(pressItem(times, IDOK));
    ASSERT_TRUE(waitUntilGone(times));
    EXPECT_EQ(itemText(editor, startSummaryId), L"08:00:00, 09:00:00, 09:00:30, 09:01:00");

    ASSERT_TRUE(pressItem(editor, chooseDaysId));
    const HWND days = waitForDialogTitled(pid, L"周几或几号");
    ASSERT_NE(days, nullptr);
    EXPECT_TRUE(itemChecked(days, byWeekdayId));
    EXPECT_FALSE(itemEnabled(days, day1Id));
    ASSERT_TRUE(clickItem(days, byMonthDayId));
    EXPECT_EQ(expectRefusal(pid, days, IDOK, L"请指定几号\n\n ", 0), "");
    for (const int day : {day1Id, day15Id, day31Id}) ASSERT_TRUE(clickItem(days, day));
    ASSERT_TRUE(pressItem(days, IDOK));
    ASSERT_TRUE(waitUntilGone(days));
    EXPECT_EQ(itemText(editor, daySummaryId), L"每月:1,15,31");

    ASSERT_TRUE(clickItem(editor, delayableId));
    ASSERT_TRUE(pressItem(editor, IDOK));
    ASSERT_TRUE(waitUntilGone(editor));
    ASSERT_TRUE(app.waitForPrograms(2, dialogTimeoutMs));
    const std::vector<std::wstring> secondRow{L"课间音乐", L"√", L"08:00:00, 09:00:00, 09:00:30, 09:01:00", L"300秒",
                                              audioFolder_, L"80", L"每月:1,15,31",
                                              L"2000-01-01 00:00 ~ 2099-12-31 24:00"};
    EXPECT_EQ(app.rows(programListId)->at(1), secondRow);

    // The list shows the new row before the file is saved.
    ASSERT_TRUE(waitUntil([&] { return storedPrograms(dataFolder_).value_or(std::vector<StoredProgram>{}).size() == 2; },
                          dialogTimeoutMs));
    const auto stored = storedPrograms(dataFolder_);
    ASSERT_TRUE(stored.has_value());
    ASSERT_EQ(stored->size(), 2u);
    const StoredProgram& file = stored->at(0);
    EXPECT_EQ(file.name, L"上课铃");
    EXPECT_TRUE(file.isFile);
    EXPECT_EQ(file.path, bell);
    EXPECT_EQ(file.volume, 80);
    ASSERT_EQ(file.startTimes.size(), 1u);
    EXPECT_EQ(file.startTimes[0].hour, 22);
    EXPECT_TRUE(file.countMode);
    EXPECT_EQ(file.songCount, 1);
    EXPECT_FALSE(file.delayable);
    const StoredProgram& folder = stored->at(1);
    EXPECT_EQ(folder.name, L"课间音乐");
    EXPECT_FALSE(folder.isFile);
    EXPECT_EQ(folder.path, audioFolder_);
    EXPECT_TRUE(folder.sequential);
    EXPECT_FALSE(folder.countMode);
    EXPECT_EQ(folder.seconds, 300);
    ASSERT_EQ(folder.startTimes.size(), 4u);
    EXPECT_EQ(folder.startTimes[2].hour * 3600 + folder.startTimes[2].minute * 60 + folder.startTimes[2].second,
              9 * 3600 + 30);
    EXPECT_FALSE(folder.byWeekday);
    std::array<int, 31> monthDays{};
    monthDays[0] = monthDays[14] = monthDays[30] = 1;
    EXPECT_EQ(folder.monthDays, monthDays);
    EXPECT_EQ(folder.weekdays, (std::array<int, 7>{1, 1, 1, 1, 1, 1, 1})) << "the other kind keeps its flags";
    EXPECT_TRUE(folder.delayable);
}

TEST_F(LvtxTest, EditorRefusesBadInputWithItsTextAndFocusAndStaysOpen) {
    const std::wstring bell = tone(L"bell", 1000);
    const std::wstring notes = audioFolder_ + L"\\notes.txt";
    ASSERT_TRUE(writeFileBytes(notes, "text"));
    writePrograms({TestProgram{L"Bell", bell, {{3, 0, 0}}}});
    LvtxApp app;
    startApp(app, L"", 1);
    const DWORD pid = app.process().id();
    const auto before = readFileBytes(dataFolder_ + L"\\定时播t");

    ASSERT_TRUE(postPageCommand(app, addCommand));
    const HWND editor = waitForDialogTitled(pid, editorTitle);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(expectRefusal(pid, editor, IDOK, L"请输入节目名称　　　　　　　  ", nameId), "");
    ASSERT_TRUE(setItemText(editor, nameId, L" bell "));
    EXPECT_EQ(expectRefusal(pid, editor, IDOK, L"该节目已存在　　　　　　　　  ", nameId), "");
    ASSERT_TRUE(setItemText(editor, nameId, L"新节目"));
    EXPECT_EQ(expectRefusal(pid, editor, IDOK, L"请选取音频文件　　　　　　　  ", filePathId), "");
    ASSERT_TRUE(setItemText(editor, filePathId, audioFolder_));
    EXPECT_EQ(expectRefusal(pid, editor, IDOK, L"音频文件不存在", filePathId), "") << "a folder in file mode";
    ASSERT_TRUE(setItemText(editor, filePathId, notes));
    EXPECT_EQ(expectRefusal(pid, editor, IDOK,
                            L"文件后缀名无效，支持 mp3, wav, wma, flac, aac, ape, cda, m1a, m2a, m4a, mp2, mpa, ogg, "
                            L"tak, tta, wv  (官网 > 帮助 > 格式转换工具)",
                            filePathId),
              "");
    ASSERT_TRUE(setItemText(editor, filePathId, bell));
    ASSERT_TRUE(setItemText(editor, volumeId, L"080"));
    EXPECT_EQ(expectRefusal(pid, editor, IDOK, L"音量输入无效　　　　　　　　  ", volumeId), "");
    ASSERT_TRUE(setItemText(editor, volumeId, L"100"));
    ASSERT_TRUE(clickItem(editor, secondsModeId));
    ASSERT_TRUE(setItemText(editor, secondsId, L""));
    EXPECT_EQ(expectRefusal(pid, editor, IDOK, L"播 n 秒，输入无效　　　　　　 ", secondsId), "");
    ASSERT_TRUE(clickItem(editor, folderModeId));
    EXPECT_EQ(expectRefusal(pid, editor, IDOK, L"请选取音频文件夹　　　　　　  ", folderPathId), "");

    // The date range refuses an empty day and an hour out of range, keeping the focus on it.
    ASSERT_TRUE(pressItem(editor, setRangeId));
    const HWND range = waitForDialogTitled(pid, L"日期范围");
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(itemText(range, rangeFromHourId), L"0");
    EXPECT_EQ(itemText(range, rangeToHourId), L"24");
    ASSERT_TRUE(setPickerTime(GetDlgItem(range, rangeFromId), todayAt(0, 0, 0)));
    ASSERT_TRUE(setPickerTime(GetDlgItem(range, rangeToId), todayAt(0, 0, 0)));
    ASSERT_TRUE(setItemText(range, rangeFromHourId, L"8"));
    ASSERT_TRUE(setItemText(range, rangeToHourId, L"8"));
    EXPECT_EQ(expectRefusal(pid, range, IDOK, L"要求：\n截止时间  >  起始时间\n\n ", 0), "");
    ASSERT_TRUE(setItemText(range, rangeFromHourId, L"25"));
    EXPECT_EQ(expectRefusal(pid, range, IDOK, L"起始时间，输入无效\n\n\n ", rangeFromHourId), "");
    ASSERT_TRUE(pressItem(range, IDCANCEL));
    ASSERT_TRUE(waitUntilGone(range));

    // Two of the links: an information box, and the amplifier advice dialog.
    ASSERT_TRUE(postItemCommand(editor, volumeGuideLink));
    EXPECT_EQ(expectMessage(pid,
                            L"--- 音 量 设 置 建 议 ---\n\n1. 节目音量：\n    课操80, 打铃90, 语音录音100\n    歌曲室内时 50,"
                            L"  歌曲室外 65\n    (跟具体音频文件响度也有关)\n2. 歌曲文件/语音录音响度建议：\n    右上角 > "
                            L"调整MP3文件响度\n3. 系统音量：[70-90],  默认 80\n    (参看：主界面底部的状态栏)\n4. "
                            L"功放音量：由低到高调到满意\n5. 只是建议：厂家对硬件更专业\n6. 专家在线：主界面左侧点 {帮助栏}　 ",
                            IDOK),
              "");
    ASSERT_TRUE(postItemCommand(editor, amplifierLink));
    const HWND amplifier = waitForDialogTitled(pid, L"功放开/关");
    ASSERT_NE(amplifier, nullptr);
    ASSERT_TRUE(pressItem(amplifier, IDOK));
    ASSERT_TRUE(waitUntilGone(amplifier));

    ASSERT_TRUE(pressItem(editor, IDCANCEL));
    ASSERT_TRUE(waitUntilGone(editor));
    EXPECT_EQ(app.rows(programListId)->size(), 1u);
    EXPECT_EQ(readFileBytes(dataFolder_ + L"\\定时播t"), before) << "a cancelled editor changes nothing";
}

}  // namespace
