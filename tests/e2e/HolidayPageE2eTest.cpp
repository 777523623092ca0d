// The holiday and shift-day page driven from outside: a school calendar written to "节假日t"
// shows its rows; holidays and shift days are added, refused, modified, deleted, disabled,
// enabled and sorted through the page's buttons, menus and dialogs; and the file on disk
// follows every change byte for byte.
#include <windows.h>

#include <commctrl.h>

#include "e2e/LvtxTest.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

// The page
constexpr int holidayListId = 1000;
constexpr int shiftDayListId = 1003;
constexpr int addHolidayId = 1460;
constexpr int deleteHolidaysId = 1461;
constexpr int addShiftDayId = 1465;
constexpr int deleteShiftDaysId = 1467;
constexpr int shiftDayMoreLinkId = 1263;
// The context menus
constexpr int enableHolidaysCommand = 32900;
constexpr int disableHolidaysCommand = 32901;
constexpr int sortHolidaysByNameCommand = 32902;
constexpr int sortHolidaysByDateCommand = 32903;
constexpr int enableShiftDaysCommand = 32904;
constexpr int sortShiftDaysByADateCommand = 32906;
constexpr int backupCommand = 32907;
// The holiday dialog
constexpr wchar_t holidayTitle[] = L"节假日不播放";
constexpr int nameId = 1151;
constexpr int fromId = 1354;
constexpr int toId = 1355;
constexpr int fromHourId = 1356;
constexpr int toHourId = 1357;
constexpr int holidayDisabledId = 1583;
// The shift-day dialog
constexpr wchar_t shiftDayTitle[] = L"调休, a日期按b日期来播";
constexpr int aDateId = 1675;
constexpr int bDateId = 1676;
constexpr int remarkId = 1677;

const TestHoliday nationalDay{L"国庆节", {2024, 10, 1, 0, 2024, 10, 7, 24}};
const TestHoliday newYear{L"元旦", {2025, 1, 1, 0, 2025, 1, 1, 24}};
const TestHoliday winterBreak{L"寒假", {2025, 1, 18, 0, 2025, 2, 16, 24}};
const TestHoliday labourDay{L"劳动节", {2025, 5, 1, 0, 2025, 5, 5, 24}};

SYSTEMTIME dateOf(int year, int month, int day) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    return time;
}

std::string dateText(const std::optional<SYSTEMTIME>& time) {
    if (!time) return "<no date>";
    return std::to_string(time->wYear) + "-" + std::to_string(time->wMonth) + "-" + std::to_string(time->wDay);
}

bool setDate(HWND dialog, int pickerId, int year, int month, int day) {
    return setPickerTime(GetDlgItem(dialog, pickerId), dateOf(year, month, day));
}

std::string pickerDate(HWND dialog, int pickerId) {
    return dateText(pickerTime(GetDlgItem(dialog, pickerId)));
}

class HolidayPageTest : public LvtxTest {
protected:
    void start(const TestCalendar& calendar, size_t holidayRows) {
        writeCalendar(calendar);
        startApp(app_, L"", 0);
        page_ = app_.pageHolding(holidayListId);
        ASSERT_NE(page_, nullptr);
        ASSERT_TRUE(waitUntil([&] { return rows(holidayListId).size() == holidayRows; }, startUpTimeoutMs))
            << "the page shows the file's holidays once loaded";
    }

    DWORD pid() { return app_.process().id(); }
    HWND list(int id) const { return GetDlgItem(page_, id); }
    ListRows rows(int listId) const { return readListView(list(listId)).value_or(ListRows{{L"<unreadable>"}}); }
    std::vector<std::wstring> column(int listId, size_t index) const { return ::column(rows(listId), index); }

    // Commands that open a modal window are posted; the others are sent and done on return.
    bool post(int id) { return postCommand(page_, static_cast<WORD>(id)); }
    bool send(int id) { return sendBounded(page_, WM_COMMAND, static_cast<WPARAM>(id), 0).has_value(); }

    // The file holds exactly what the program's own writer makes of `calendar`, digest and
    // zero padding included.
    void expectFile(const TestCalendar& calendar, const char* step) {
        const std::string wanted = holidaysFileBytes(calendar).value_or("");
        waitUntil([&] { return readFileBytes(holidaysPath()) == wanted; }, dialogTimeoutMs);
        const auto bytes = readFileBytes(holidaysPath());
        ASSERT_TRUE(bytes.has_value()) << step;
        const auto stored = readHolidaysFile(*bytes);
        ASSERT_TRUE(stored.has_value()) << step << ": not a holiday file with its digest";
        EXPECT_EQ(stored->holidays.size(), calendar.holidays.size()) << step;
        EXPECT_EQ(stored->shiftDays.size(), calendar.shiftDays.size()) << step;
        EXPECT_TRUE(*stored == calendar) << step;
        EXPECT_TRUE(*bytes == wanted) << step << ": the bytes differ";
    }

    // The list once it has `count` rows (the page writes them after its dialog has closed).
    ListRows rowsOnceThere(int listId, size_t count) {
        waitUntil([&] { return rows(listId).size() == count; }, dialogTimeoutMs);
        return rows(listId);
    }

    HWND openDialog(int command, const wchar_t* title) {
        if (!post(command)) return nullptr;
        return waitForDialogTitled(pid(), title);
    }

    bool confirm(HWND dialog) { return pressItem(dialog, IDOK) && waitUntilGone(dialog); }

    LvtxApp app_;
    HWND page_ = nullptr;
};

TEST_F(HolidayPageTest, ASchoolCalendarIsShownAndAHolidayIsAddedRefusedAndModifiedThroughItsDialog) {
    TestCalendar calendar{{nationalDay, newYear}, {{{2024, 9, 29}, {2024, 10, 7}, L"国庆调休"},
                                                   {{2024, 10, 12}, {2024, 10, 4}, L"", true}}};
    calendar.holidays[1].disabled = true;
    start(calendar, 2);

    EXPECT_EQ(rows(holidayListId),
              (ListRows{{L"国庆节", L"√", L"2024-10-01 00:00", L"2024-10-07 24:00"},
                        {L"元旦", L"禁用×", L"2025-01-01 00:00", L"2025-01-01 24:00"}}));
    EXPECT_EQ(rows(shiftDayListId),
              (ListRows{{L"2024-09-29 (周7)", L"2024-10-07 (周1)", L"√", L"国庆调休"},
                        {L"2024-10-12 (周6)", L"2024-10-04 (周5)", L"禁用×", L""}}));
    const std::pair<int, std::vector<int>> shares[] = {{holidayListId, {25, 11, 29, 29}},
                                                       {shiftDayListId, {29, 29, 11, 25}}};
    for (const auto& [id, percents] : shares) {
        RECT client{};
        ASSERT_TRUE(GetClientRect(list(id), &client));
        EXPECT_GT(client.right, 300) << "the list takes the page's width";
        for (size_t column = 0; column < percents.size(); ++column) {
            EXPECT_EQ(sendBounded(list(id), LVM_GETCOLUMNWIDTH, column, 0).value_or(-1),
                      client.right * percents[column] / 100)
                << "list " << id << " column " << column;
        }
    }

    const HWND dialog = openDialog(addHolidayId, holidayTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(itemText(dialog, IDOK), L"添加");
    EXPECT_EQ(itemText(dialog, nameId), L"");
    EXPECT_EQ(itemText(dialog, fromHourId), L"0");
    EXPECT_EQ(itemText(dialog, toHourId), L"24");
    EXPECT_FALSE(itemChecked(dialog, holidayDisabledId));
    SYSTEMTIME today{};
    GetLocalTime(&today);
    EXPECT_EQ(pickerDate(dialog, fromId), dateText(today));
    EXPECT_EQ(pickerDate(dialog, toId), dateText(today));

    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"请输入节假日名称", nameId), "");
    ASSERT_TRUE(setItemText(dialog, nameId, L" 国庆节\u3000"));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"该节假日已存在", nameId), "");
    ASSERT_TRUE(setItemText(dialog, nameId, L"  寒假 "));
    ASSERT_TRUE(setItemText(dialog, fromHourId, L"25"));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"开始时间，输入无效", fromHourId), "");
    ASSERT_TRUE(setItemText(dialog, fromHourId, L"0"));
    ASSERT_TRUE(setItemText(dialog, toHourId, L"二十四"));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"结束时间，输入无效", toHourId), "");
    ASSERT_TRUE(setItemText(dialog, toHourId, L"24"));
    ASSERT_TRUE(setDate(dialog, fromId, 2025, 2, 16));
    ASSERT_TRUE(setDate(dialog, toId, 2025, 1, 18));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"要求： 结束日期  ≥  开始日期", toId), "");
    ASSERT_TRUE(setDate(dialog, fromId, 2025, 1, 18));
    ASSERT_TRUE(setItemText(dialog, fromHourId, L"12"));
    ASSERT_TRUE(setItemText(dialog, toHourId, L"12"));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"要求： 结束时间  >  开始时间", toHourId), "");

    // The pickers hold only the years the file's reader accepts: an earlier date would lose
    // the whole file at the next start.
    const HWND from = GetDlgItem(dialog, fromId);
    const auto range = pickerRange(from);
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->limits, static_cast<DWORD>(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(dateText(range->min), "1853-1-1");
    EXPECT_EQ(dateText(range->max), "9999-12-31");
    setPickerTime(from, dateOf(1852, 12, 31));
    EXPECT_EQ(pickerDate(dialog, fromId), "2025-1-18") << "a date before 1853 is not taken";
    ASSERT_TRUE(setDate(dialog, fromId, 1853, 1, 1));
    EXPECT_EQ(pickerDate(dialog, fromId), "1853-1-1");
    // Without the picker's limits the check still refuses it.
    ASSERT_TRUE(setPickerRange(from, PickerRange{}));
    ASSERT_TRUE(setDate(dialog, fromId, 1852, 12, 31));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"开始日期无效，年份须在 1853 至 9999 之间", fromId), "");

    ASSERT_TRUE(setDate(dialog, fromId, 2025, 1, 18));
    ASSERT_TRUE(setItemText(dialog, fromHourId, L"0"));
    ASSERT_TRUE(setItemText(dialog, toHourId, L"24"));
    ASSERT_TRUE(setDate(dialog, toId, 2025, 2, 16));
    ASSERT_TRUE(confirm(dialog));
    calendar.holidays.push_back(winterBreak);
    EXPECT_EQ(rowsOnceThere(holidayListId, 3).back(),
              (std::vector<std::wstring>{L"寒假", L"√", L"2025-01-18 00:00", L"2025-02-16 24:00"}));
    EXPECT_EQ(selectedListRows(list(holidayListId)), std::vector<int>{2}) << "the new row alone is selected";
    expectFile(calendar, "after the add");

    // A double click modifies the row; keeping its name is no repetition.
    ASSERT_TRUE(clickListRow(list(holidayListId), 0));
    ASSERT_TRUE(clickListRow(list(holidayListId), 0, true));
    const HWND modify = waitForDialogTitled(pid(), holidayTitle);
    ASSERT_NE(modify, nullptr);
    EXPECT_EQ(itemText(modify, IDOK), L"修改");
    EXPECT_EQ(itemText(modify, nameId), L"国庆节");
    EXPECT_EQ(pickerDate(modify, fromId), "2024-10-1");
    EXPECT_EQ(pickerDate(modify, toId), "2024-10-7");
    EXPECT_EQ(itemText(modify, fromHourId), L"0");
    EXPECT_EQ(itemText(modify, toHourId), L"24");
    ASSERT_TRUE(setItemText(modify, toHourId, L"12"));
    ASSERT_TRUE(clickItem(modify, holidayDisabledId));
    ASSERT_TRUE(confirm(modify));
    calendar.holidays[0].range[7] = 12;
    calendar.holidays[0].disabled = true;
    const std::vector<std::wstring> modified{L"国庆节", L"禁用×", L"2024-10-01 00:00", L"2024-10-07 12:00"};
    EXPECT_TRUE(waitUntil([&] { return rows(holidayListId).front() == modified; }, dialogTimeoutMs))
        << utf8(rows(holidayListId).front().at(3));
    expectFile(calendar, "after the modification");
}

TEST_F(HolidayPageTest, DeletingDisablingEnablingAndSortingReachTheFileAndShiftDaysAreAddedOnlyOnce) {
    TestCalendar calendar{{winterBreak, nationalDay, labourDay, newYear},
                          {{{2024, 10, 12}, {2024, 10, 4}, L"国庆调休"}, {{2024, 9, 29}, {2024, 10, 7}, L"", true}}};
    start(calendar, 4);

    ASSERT_TRUE(post(deleteHolidaysId));
    EXPECT_EQ(expectMessage(pid(), L"删除 - 请先选中节假日\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ", IDOK), "");
    ASSERT_TRUE(selectListRows(list(holidayListId), {0, 2}));
    const std::wstring deleteQuestion =
        L"确定删除 ？\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\n\n ";
    ASSERT_TRUE(post(deleteHolidaysId));
    EXPECT_EQ(expectMessage(pid(), deleteQuestion, IDNO), "");
    EXPECT_EQ(column(holidayListId, 0), (std::vector<std::wstring>{L"寒假", L"国庆节", L"劳动节", L"元旦"}));
    ASSERT_TRUE(post(deleteHolidaysId));
    EXPECT_EQ(expectMessage(pid(), deleteQuestion, IDYES), "");
    calendar.holidays = {nationalDay, newYear};
    EXPECT_EQ(rowsOnceThere(holidayListId, 2),
              (ListRows{{L"国庆节", L"√", L"2024-10-01 00:00", L"2024-10-07 24:00"},
                        {L"元旦", L"√", L"2025-01-01 00:00", L"2025-01-01 24:00"}}));
    expectFile(calendar, "after deleting two of four");

    ASSERT_TRUE(send(sortHolidaysByNameCommand));
    calendar.holidays = {newYear, nationalDay};
    EXPECT_EQ(column(holidayListId, 0), (std::vector<std::wstring>{L"元旦", L"国庆节"}));
    expectFile(calendar, "sorted by name");
    ASSERT_TRUE(selectListRows(list(holidayListId), {1}));
    ASSERT_TRUE(send(sortHolidaysByDateCommand));
    calendar.holidays = {nationalDay, newYear};
    EXPECT_EQ(column(holidayListId, 0), (std::vector<std::wstring>{L"国庆节", L"元旦"}));
    EXPECT_TRUE(selectedListRows(list(holidayListId)).empty()) << "no row stays selected after a sort";
    expectFile(calendar, "sorted by date");

    ASSERT_TRUE(post(disableHolidaysCommand));
    EXPECT_EQ(expectMessage(pid(), L"禁用 - 请先选中节假日\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ", IDOK), "");
    ASSERT_TRUE(selectListRows(list(holidayListId), {0, 1}));
    ASSERT_TRUE(send(disableHolidaysCommand));
    calendar.holidays[0].disabled = calendar.holidays[1].disabled = true;
    EXPECT_EQ(column(holidayListId, 1), (std::vector<std::wstring>{L"禁用×", L"禁用×"}));
    expectFile(calendar, "both disabled");
    // Disabling what is disabled already writes nothing: a file put there meanwhile stays.
    const TestCalendar elsewhere{{labourDay}, {}};
    writeCalendar(elsewhere);
    ASSERT_TRUE(send(disableHolidaysCommand));
    expectFile(elsewhere, "nothing changed, nothing written");
    ASSERT_TRUE(selectListRows(list(holidayListId), {1}));
    ASSERT_TRUE(send(enableHolidaysCommand));
    calendar.holidays[1].disabled = false;
    EXPECT_EQ(column(holidayListId, 1), (std::vector<std::wstring>{L"禁用×", L"√"}));
    expectFile(calendar, "one enabled again");

    const HWND dialog = openDialog(addShiftDayId, shiftDayTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(itemText(dialog, IDOK), L"添加");
    EXPECT_EQ(itemText(dialog, remarkId), L"");
    for (const int picker : {aDateId, bDateId}) {
        const auto range = pickerRange(GetDlgItem(dialog, picker));
        ASSERT_TRUE(range.has_value());
        EXPECT_EQ(dateText(range->min) + " " + dateText(range->max), "1853-1-1 9999-12-31") << picker;
    }
    ASSERT_TRUE(setDate(dialog, aDateId, 2024, 10, 12));
    ASSERT_TRUE(setDate(dialog, bDateId, 2024, 10, 8));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"该a日期已存在，不可重复", aDateId), "");
    ASSERT_TRUE(setDate(dialog, aDateId, 2024, 9, 14));
    ASSERT_TRUE(setDate(dialog, bDateId, 2024, 9, 14));
    EXPECT_EQ(expectRefusal(pid(), dialog, IDOK, L"要求： a日期  ≠  b日期", aDateId), "");
    ASSERT_TRUE(setDate(dialog, bDateId, 2024, 9, 16));
    ASSERT_TRUE(setItemText(dialog, remarkId, L" 中秋调休\u3000"));
    ASSERT_TRUE(confirm(dialog));
    calendar.shiftDays.push_back({{2024, 9, 14}, {2024, 9, 16}, L"中秋调休"});
    EXPECT_EQ(rowsOnceThere(shiftDayListId, 3).back(),
              (std::vector<std::wstring>{L"2024-09-14 (周6)", L"2024-09-16 (周1)", L"√", L"中秋调休"}));
    EXPECT_EQ(selectedListRows(list(shiftDayListId)), std::vector<int>{2});
    expectFile(calendar, "a shift day added");

    ASSERT_TRUE(send(sortShiftDaysByADateCommand));
    calendar.shiftDays = {calendar.shiftDays[2], calendar.shiftDays[1], calendar.shiftDays[0]};
    EXPECT_EQ(column(shiftDayListId, 0),
              (std::vector<std::wstring>{L"2024-09-14 (周6)", L"2024-09-29 (周7)", L"2024-10-12 (周6)"}));
    expectFile(calendar, "shift days sorted by date a");
    ASSERT_TRUE(post(enableShiftDaysCommand));
    EXPECT_EQ(expectMessage(pid(), L"请先选中要启用的项\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ", IDOK), "");
    ASSERT_TRUE(selectListRows(list(shiftDayListId), {1}));
    ASSERT_TRUE(send(enableShiftDaysCommand));
    calendar.shiftDays[1].disabled = false;
    EXPECT_EQ(column(shiftDayListId, 2), (std::vector<std::wstring>{L"√", L"√", L"√"}));
    ASSERT_TRUE(selectListRows(list(shiftDayListId), {0, 2}));
    ASSERT_TRUE(post(deleteShiftDaysId));
    EXPECT_EQ(expectMessage(pid(), deleteQuestion, IDYES), "");
    calendar.shiftDays = {calendar.shiftDays[1]};
    EXPECT_EQ(rowsOnceThere(shiftDayListId, 1),
              (ListRows{{L"2024-09-29 (周7)", L"2024-10-07 (周1)", L"√", L""}}));
    expectFile(calendar, "two shift days deleted");

    ASSERT_TRUE(post(shiftDayMoreLinkId));
    EXPECT_EQ(expectMessage(pid(), L"更多操作 - 列表框中点鼠标右键\u3000\u3000\u3000 \n\n ", IDOK), "");
    ASSERT_TRUE(post(backupCommand));
    EXPECT_EQ(expectMessage(pid(), L"参看：主界面左侧 > 设置栏 > 备份/还原\n\n ", IDOK), "");
}

}  // namespace
