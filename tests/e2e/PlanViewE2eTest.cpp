// The plan view "播放计划" opened from the timed-play page: a shift Sunday and a sports day as
// the running program would ring them, "后一天", a holiday switched off on its page while the
// view is open, and the week exported as CSV.
#include <windows.h>

#include "e2e/LvtxTest.h"
#include "e2e/PageDriving.h"
#include "e2e/driver/Controls.h"
#include "e2e/driver/DataFolder.h"
#include "e2e/driver/Wait.h"
#include "e2e/driver/Windows.h"

namespace {

// The link "播放计划…" beside "节目单编辑…", and the view's controls
enum PlanId {
    planLink = 1960,
    datePicker = 2002,
    nextDay = 2004,
    governingLine = 2007,
    startsList = 2009,
    silentList = 2011,
    exportWeek = 32872,
};
// The holiday page's list and its "禁用" command
constexpr int holidayListId = 1000;
constexpr int disableHolidaysCommand = 32901;

struct ShownDay {
    std::wstring governing;
    ListRows starts;
    ListRows silent;
};

ShownDay shownDay(HWND view) {
    return {itemText(view, governingLine), readListView(GetDlgItem(view, startsList)).value_or(ListRows{}),
            readListView(GetDlgItem(view, silentList)).value_or(ListRows{})};
}

// The picker set to the day before, then "后一天" pressed: the view shows `day`.
bool showDayAfter(HWND view, WORD year, WORD month, WORD dayBefore) {
    SYSTEMTIME before{};
    before.wYear = year, before.wMonth = month, before.wDay = dayBefore;
    return setPickerTime(GetDlgItem(view, datePicker), before) && pressItem(view, nextDay);
}

}  // namespace

TEST_F(LvtxTest, ThePlanViewShowsAShiftSundayAndASportsDayFollowsTheCalendarAndExportsTheWeek) {
    const std::wstring bell = tone(L"bell", 1000);
    TestProgram lesson{L"上课铃", bell, {{8, 0, 0}}};
    lesson.weekdays = {1, 1, 1, 1, 1, 0, 0};
    TestProgram weekend{L"周末铃", bell, {{9, 0, 0}}};
    weekend.weekdays = {0, 0, 0, 0, 0, 1, 1};
    writePrograms({lesson, weekend});
    // Sunday 2027-03-07 plays Wednesday's schedule; the sports day holds Thursday from 8 to 18.
    writeCalendar({{{L"运动会", {2027, 3, 11, 8, 2027, 3, 11, 18}}}, {{{2027, 3, 7}, {2027, 3, 10}, L"补课"}}});
    LvtxApp app;
    startApp(app, L"", 2);
    const DWORD pid = app.process().id();

    ASSERT_TRUE(postPageCommand(app, planLink));
    const HWND view = waitForDialogTitled(pid, L"播放计划");
    ASSERT_NE(view, nullptr);

    ASSERT_TRUE(showDayAfter(view, 2027, 3, 6));
    ASSERT_TRUE(waitUntil([&] { return shownDay(view).governing == L"调休：按 2027-03-10 的安排播放"; }, dialogTimeoutMs))
        << utf8(shownDay(view).governing);
    const auto picked = pickerTime(GetDlgItem(view, datePicker));
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(picked->wYear * 10000 + picked->wMonth * 100 + picked->wDay, 20270307) << "后一天 moves one day";
    ShownDay sunday = shownDay(view);
    EXPECT_EQ(sunday.starts, (ListRows{{L"08:00:00", L"上课铃", bell, L"1遍", L"准时播"}})) << "a weekday bell on Sunday";
    EXPECT_EQ(sunday.silent, (ListRows{{L"周末铃", L"非所选周几（每周:67）"}}));

    ASSERT_TRUE(showDayAfter(view, 2027, 3, 10));
    const std::wstring sportsDay = L"节假日：运动会（2027-03-11 08:00 ~ 2027-03-11 18:00）";
    ASSERT_TRUE(waitUntil([&] { return shownDay(view).governing == sportsDay; }, dialogTimeoutMs));
    ShownDay thursday = shownDay(view);
    EXPECT_TRUE(thursday.starts.empty());
    EXPECT_EQ(thursday.silent, (ListRows{{L"上课铃", L"节假日：运动会"}, {L"周末铃", L"非所选周几（每周:67）"}}));

    // The holiday switched off on its page shows in the open view.
    const HWND holidayPage = app.pageHolding(holidayListId);
    ASSERT_NE(holidayPage, nullptr);
    ASSERT_TRUE(selectListRows(GetDlgItem(holidayPage, holidayListId), {0}));
    ASSERT_TRUE(postCommand(holidayPage, disableHolidaysCommand));
    ASSERT_TRUE(waitUntil([&] { return shownDay(view).governing.empty(); }, dialogTimeoutMs));
    EXPECT_EQ(column(shownDay(view).starts, 1), std::vector<std::wstring>{L"上课铃"});

    // The week from Sunday, as the staff room's sheet.
    ASSERT_TRUE(showDayAfter(view, 2027, 3, 6));
    ASSERT_TRUE(waitUntil([&] { return !shownDay(view).governing.empty(); }, dialogTimeoutMs));
    const std::wstring sheet = audioFolder_ + L"\\播放计划.csv";
    ASSERT_TRUE(postItemCommand(view, exportWeek));
    ASSERT_EQ(chooseFile(pid, L"导出播放计划", sheet), "");
    EXPECT_EQ(expectMessage(pid, L"播放计划已导出：\n\n" + sheet + L"\n\n ", IDOK), "");
    const auto bytes = readFileBytes(sheet);
    ASSERT_TRUE(bytes.has_value());
    const std::string path = utf8(bell);
    EXPECT_EQ(*bytes, "\xEF\xBB\xBF日期,时间,节目名称,播放内容,时长,播放方式,当日安排\r\n"
                      "2027-03-07 (周7),08:00:00,上课铃," + path + ",1遍,准时播,调休：按 2027-03-10 的安排播放\r\n"
                      "2027-03-08 (周1),08:00:00,上课铃," + path + ",1遍,准时播,\r\n"
                      "2027-03-09 (周2),08:00:00,上课铃," + path + ",1遍,准时播,\r\n"
                      "2027-03-10 (周3),08:00:00,上课铃," + path + ",1遍,准时播,\r\n"
                      "2027-03-11 (周4),08:00:00,上课铃," + path + ",1遍,准时播,\r\n"
                      "2027-03-12 (周5),08:00:00,上课铃," + path + ",1遍,准时播,\r\n"
                      "2027-03-13 (周6),09:00:00,周末铃," + path + ",1遍,准时播,\r\n");

    ASSERT_TRUE(pressItem(view, IDCANCEL));
    EXPECT_TRUE(waitUntilGone(view));
}
