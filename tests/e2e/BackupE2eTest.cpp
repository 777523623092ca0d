// Backup and restore through the settings page's dialogs and the system's file dialog: the
// schedule backed up, a program and a holiday deleted on their pages, the backup restored, and
// both lists back on screen and in the files, with the replaced files kept as dated copies.
#include <windows.h>

#include "e2e/LvtxTest.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/MessageBoxes.h"
#include "e2e/driver/ProgramIds.h"
#include "e2e/driver/RemoteListView.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

// The settings page's buttons and the check boxes of its two dialogs (236 "备份", 237 "还原"),
// whose "备份…" and "还原…" are their OK
enum BackupId {
    backupButton = 1236,
    restoreButton = 1796,
    programsBox = 1801,
    holidaysBox = 1802,
    shiftDaysBox = 1803,
};
// The holiday page's list and its "删除"
constexpr int holidayListId = 1000;
constexpr int deleteHolidaysId = 1461;

std::vector<std::wstring> programNames(const LvtxApp& app) { return column(app, programListId, 0); }

std::vector<std::wstring> holidayNames(HWND page) {
    return column(readListView(GetDlgItem(page, holidayListId)).value_or(ListRows{}), 0);
}

// The settings page's dialog opened by `button`, titled `title`, with every list ticked.
HWND openPartsDialog(LvtxApp& app, int button, const wchar_t* title) {
    const HWND page = app.pageHolding(backupButton);
    if (page == nullptr || !postItemCommand(page, button)) return nullptr;
    const HWND dialog = waitForDialogTitled(app.process().id(), title);
    if (dialog == nullptr) return nullptr;
    EXPECT_TRUE(itemChecked(dialog, programsBox) && itemChecked(dialog, holidaysBox) &&
                itemChecked(dialog, shiftDaysBox))
        << utf8(title);
    return dialog;
}

}  // namespace

TEST_F(LvtxTest, ABackupRestoredThroughTheDialogsBringsADeletedProgramBack) {
    writePrograms({TestProgram{L"上课铃", tone(L"bell", 1000), {{3, 0, 0}}},
                   TestProgram{L"眼保健操", tone(L"eyes", 1000), {{4, 0, 0}}}});
    const TestCalendar calendar{{{L"寒假", {2027, 1, 20, 0, 2027, 2, 20, 24}}, {L"劳动节", {2027, 5, 1, 0, 2027, 5, 5, 24}}},
                                {{{2027, 2, 27}, {2027, 2, 22}, L"补周一的课"}}};
    writeCalendar(calendar);
    LvtxApp app;
    startApp(app, L"", 2);
    const DWORD pid = app.process().id();
    const HWND holidayPage = app.pageHolding(holidayListId);
    ASSERT_NE(holidayPage, nullptr);
    ASSERT_TRUE(waitUntil([&] { return holidayNames(holidayPage).size() == 2; }, startUpTimeoutMs));
    const std::wstring backupPath = audioFolder_ + L"\\备份测试.lvtxbak";

    const HWND backup = openPartsDialog(app, backupButton, L"备份");
    ASSERT_NE(backup, nullptr);
    EXPECT_NE(childTexts(backup).find(L"要还原到别的电脑，还需复制音频文件到另一个电脑的相同位置。"), std::wstring::npos);
    ASSERT_TRUE(pressItem(backup, IDOK));
    ASSERT_EQ(chooseFile(pid, L"保存备份文件", backupPath), "");
    EXPECT_EQ(expectMessage(pid, L"备份完成：节目单、节假日、调休\n\n" + backupPath + L"\n\n ", IDOK), "");
    ASSERT_TRUE(waitUntilGone(backup));
    ASSERT_TRUE(readFileBytes(backupPath).has_value());

    ASSERT_TRUE(selectListRows(app.control(programListId), {0}));
    ASSERT_TRUE(postPageCommand(app, deleteCommand));
    EXPECT_EQ(expectMessage(pid, L"确定删除 ？", IDYES), "");
    ASSERT_TRUE(waitUntil([&] { return programNames(app) == std::vector<std::wstring>{L"眼保健操"}; },
                          dialogTimeoutMs));
    // The list shows the change before the file is saved.
    ASSERT_TRUE(waitUntil(
        [&] { return storedNamesIn(dataFolder_) == std::vector<std::wstring>{L"眼保健操"}; },
        dialogTimeoutMs));
    const auto afterDelete = readFileBytes(dataFolder_ + L"\\定时播t");
    ASSERT_TRUE(selectListRows(GetDlgItem(holidayPage, holidayListId), {1}));
    ASSERT_TRUE(postCommand(holidayPage, deleteHolidaysId));
    EXPECT_EQ(expectMessage(pid, L"确定删除 ？\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\n\n ", IDYES),
              "");
    ASSERT_TRUE(waitUntil([&] { return holidayNames(holidayPage) == std::vector<std::wstring>{L"寒假"}; },
                          dialogTimeoutMs));

    const HWND restore = openPartsDialog(app, restoreButton, L"还原");
    ASSERT_NE(restore, nullptr);
    ASSERT_TRUE(pressItem(restore, IDOK));
    ASSERT_EQ(chooseFile(pid, L"打开备份文件", backupPath), "");
    EXPECT_EQ(expectMessage(pid,
                            L"确定还原 {节目单、节假日、调休} ？\n\n当前的数据将被替换，替换前先另存一份在数据文件夹：\n" +
                                dataFolder_ + L"\n\n ",
                            IDYES),
              "");
    const auto done = waitForMessageBox(pid, dialogTimeoutMs);
    ASSERT_TRUE(done.has_value());
    EXPECT_EQ(done->text.rfind(L"还原完成：节目单、节假日、调休\n\n还原前的文件已另存为：\n" + dataFolder_ +
                                   L"\\定时播t 还原前 ",
                               0),
              0u)
        << utf8(done->text);
    EXPECT_EQ(programNames(app), (std::vector<std::wstring>{L"上课铃", L"眼保健操"})) << "shown before the box";
    EXPECT_EQ(holidayNames(holidayPage), (std::vector<std::wstring>{L"寒假", L"劳动节"}));
    ASSERT_TRUE(answerMessageBox(*done, IDOK, dialogTimeoutMs));
    ASSERT_TRUE(waitUntilGone(restore));

    EXPECT_EQ(storedNamesIn(dataFolder_), (std::vector<std::wstring>{L"上课铃", L"眼保健操"}));
    const auto holidays = readFileBytes(holidaysPath());
    EXPECT_TRUE(holidays && readHolidaysFile(*holidays) == calendar);
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((dataFolder_ + L"\\定时播t 还原前 *").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << "the replaced programs file is kept";
    FindClose(search);
    EXPECT_EQ(readFileBytes(dataFolder_ + L"\\" + found.cFileName), afterDelete);
}
