// The timed-play page's lists on real list-view controls: columns, cells of any length,
// selections, the program rows and the adapters the scheduler, jobs and log write through.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "data/Text.h"
#include "support/ProgramSamples.h"
#include "ui/ProgramCells.h"
#include "ui/win32/ListViewText.h"
#include "ui/win32/TimedPlayLists.h"

namespace {

const DateTime today{2024, 5, 5, 3, 12, 0, 0, 0};

// A report-view list of its own, destroyed with the fixture.
class ListViews : public ::testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&classes);
        list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 600, 300,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(list, nullptr);
    }
    void TearDown() override { DestroyWindow(list); }

    void select(int row) { ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED); }

    HWND list = nullptr;
};

}  // namespace

TEST_F(ListViews, ColumnsTakeTheScaledWidthsAndAlignment) {
    setUpListView(list, programListColumns, 1.5);
    ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 8);
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), 270);
    EXPECT_EQ(ListView_GetColumnWidth(list, 1), 127);  // 85 × 1.5, truncated
    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    ListView_GetColumn(list, 1, &column);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER);
    ListView_GetColumn(list, 5, &column);
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_FULLROWSELECT);
}

TEST_F(ListViews, CellsOfAnyLengthReadBackWhole) {
    setUpListView(list, logListColumns, 1.0);
    const std::u16string longText(3000, u'播');
    const int row = appendListRow(list, u"2024-05-03 12:00:00");
    setListCell(list, row, 1, longText);
    EXPECT_EQ(listCellText(list, row, 0), u"2024-05-03 12:00:00");
    EXPECT_EQ(listCellText(list, row, 1), longText);
    EXPECT_EQ(listCellText(list, row + 1, 0), u"");
}

TEST_F(ListViews, ProgramListIsRebuiltInOrderWithNothingSelected) {
    setUpListView(list, programListColumns, 1.0);
    std::vector<ProgramRecord> programs{sampleProgram(u"上课铃"), sampleProgram(u"下课铃"), sampleProgram(u"眼保健操")};
    programs[1].disabled = 1;
    rebuildProgramList(list, programs, today);
    select(0);
    programs.pop_back();
    rebuildProgramList(list, programs, today);

    ASSERT_EQ(listRowCount(list), 2);
    EXPECT_TRUE(selectedListRows(list).empty());
    for (int row = 0; row < 2; ++row) {
        const auto cells = programRowCells(programs[row], today);
        for (int column = 0; column < 8; ++column) EXPECT_EQ(listCellText(list, row, column), cells[column]);
    }
    ProgramListCells status(list);
    EXPECT_EQ(status.validityText(1), u"禁用×");
    status.setValidityText(0, u"已过有效期");
    EXPECT_EQ(listCellText(list, 0, statusColumn), u"已过有效期");
}

TEST_F(ListViews, NowPlayingRowsFollowTheQueue) {
    setUpListView(list, nowPlayingColumns, 1.0);
    NowPlayingRows rows(list);
    rows.appendRow(u"上课铃");
    rows.appendRow(u"广播操");
    rows.appendRow(u"眼保健操(手动)");
    rows.setCell(1, 1, u"排队等候");
    select(2);
    select(0);
    EXPECT_EQ(selectedListRows(list), (std::vector<int>{0, 2}));
    rows.deleteRow(0);
    ASSERT_EQ(listRowCount(list), 2);
    EXPECT_EQ(listCellText(list, 0, 0), u"广播操");
    EXPECT_EQ(listCellText(list, 0, 1), u"排队等候");
    rows.clear();
    EXPECT_EQ(listRowCount(list), 0);
}

TEST_F(ListViews, LogListStartsAfreshPastItsRowLimit) {
    setUpListView(list, logListColumns, 1.0);
    LogListRows log(list);
    for (std::size_t i = 0; i < maxLogRows; ++i) log.showLogRow(u"2024-05-03 12:00:00", formatNumber(i));
    EXPECT_EQ(listRowCount(list), static_cast<int>(maxLogRows));
    EXPECT_EQ(listCellText(list, 255, 1), u"255");
    log.showLogRow(u"2024-05-03 12:00:01", u"上课铃 ◆ 开始播放");
    ASSERT_EQ(listRowCount(list), 1);
    EXPECT_EQ(listCellText(list, 0, 0), u"2024-05-03 12:00:01");
    EXPECT_EQ(listCellText(list, 0, 1), u"上课铃 ◆ 开始播放");
}
