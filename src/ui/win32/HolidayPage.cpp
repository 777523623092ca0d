#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "data/HolidayValidation.h"
#include "data/win32/Win32Prompt.h"
#include "ui/HolidayCells.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/HolidayDialogs.h"
#include "ui/win32/HolidayPageIds.h"
#include "ui/win32/ListViewText.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"
#include "winutil/UniqueMenu.h"

namespace {

// What the commands of one list say when they need a selection and there is none.
struct SelectionTexts {
    std::u16string_view modify;
    std::u16string_view remove;
    std::u16string_view enable;
    std::u16string_view disable;
};

// The holiday list and the shift-day list as the page's commands see them.
struct HolidayList {
    using Record = HolidayRecord;
    static constexpr int id = IDC_HOLIDAY_LIST;
    static constexpr int menu = 0;
    static constexpr const auto& columns = holidayListColumns;
    static constexpr SelectionTexts texts{
        u"修改 - 请先选中节假日\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
        u"删除 - 请先选中节假日\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
        u"启用 - 请先选中节假日\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
        u"禁用 - 请先选中节假日\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
    };
    static constexpr int index = holidayListIndex;
    static const std::vector<HolidayRecord>& records(const CalendarStore& calendar) { return calendar.holidays(); }
    static CalendarRowCells cells(const HolidayRecord& record) { return holidayRowCells(record); }
    static std::u16string capacityMessage(std::size_t count) { return holidayCapacityMessage(count); }
    static std::optional<HolidayRecord> edit(HWND owner, const CalendarStore& calendar, int row) {
        return editHoliday(owner, calendar.holidays(), row);
    }
    static void remove(CalendarStore& calendar, const std::vector<int>& rows, Prompt& prompt) {
        calendar.removeHolidays(rows, prompt);
    }
    static void setDisabled(CalendarStore& calendar, const std::vector<int>& rows, bool disabled, Prompt& prompt) {
        calendar.setHolidaysDisabled(rows, disabled, prompt);
    }
};

struct ShiftDayList {
    using Record = ShiftDayRecord;
    static constexpr int id = IDC_SHIFT_DAY_LIST;
    static constexpr int menu = 1;
    static constexpr const auto& columns = shiftDayListColumns;
    static constexpr SelectionTexts texts{
        u"请先选中要修改的项\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
        u"请先选中要删除的项\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
        u"请先选中要启用的项\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
        u"请先选中要禁用的项\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000 \n\n ",
    };
    static constexpr int index = shiftDayListIndex;
    static const std::vector<ShiftDayRecord>& records(const CalendarStore& calendar) { return calendar.shiftDays(); }
    static CalendarRowCells cells(const ShiftDayRecord& record) { return shiftDayRowCells(record); }
    static std::u16string capacityMessage(std::size_t count) { return shiftDayCapacityMessage(count); }
    static std::optional<ShiftDayRecord> edit(HWND owner, const CalendarStore& calendar, int row) {
        return editShiftDay(owner, calendar.shiftDays(), row);
    }
    static void remove(CalendarStore& calendar, const std::vector<int>& rows, Prompt& prompt) {
        calendar.removeShiftDays(rows, prompt);
    }
    static void setDisabled(CalendarStore& calendar, const std::vector<int>& rows, bool disabled, Prompt& prompt) {
        calendar.setShiftDaysDisabled(rows, disabled, prompt);
    }
};

constexpr std::u16string_view deleteQuestion =
    u"确定删除 ？\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\n\n ";
constexpr std::u16string_view backupHint = u"参看：主界面左侧 > 设置栏 > 备份/还原\n\n ";
constexpr std::u16string_view moreHint = u"更多操作 - 列表框中点鼠标右键\u3000\u3000\u3000 \n\n ";
constexpr std::u16string_view multiSelectHint =
    u"选多行方法：\n1. 不连续行 - 按住 Ctrl  键, 用鼠标点选\n2. 连续的行 - 按住 Shift 键, 用鼠标点选";

struct PageArguments {
    const PageContext& context;
    CalendarStore& calendar;
};

// The page while it exists: both lists mirror their owner's row for row as it changes them.
class HolidayPage : public ListObserver {
public:
    HolidayPage(HWND window, const PageArguments& arguments)
        : window_(window),
          scale_(arguments.context.uiScale),
          loadPrompt_(arguments.context.loadPrompt),
          calendar_(arguments.calendar) {}

    void setUp() {
        setUpListViewByShares(list<HolidayList>(), HolidayList::columns);
        setUpListViewByShares(list<ShiftDayList>(), ShiftDayList::columns);
        calendar_.addObserver(*this);
    }

    void tearDown() { calendar_.removeObserver(*this); }

    double scale() const { return scale_; }

    void listChanged(const ListChange& change) override {
        if (change.list == HolidayList::index) show<HolidayList>(change);
        else show<ShiftDayList>(change);
    }

    void command(int id) {
        switch (id) {
            case IDC_LOAD_HOLIDAYS: calendar_.load(&loadPrompt_); break;
            case IDC_ADD_HOLIDAY: add<HolidayList>(); break;
            case IDC_MODIFY_HOLIDAY: modify<HolidayList>(); break;
            case IDC_DELETE_HOLIDAYS: remove<HolidayList>(); break;
            case IDM_ENABLE_HOLIDAYS: setDisabled<HolidayList>(false); break;
            case IDM_DISABLE_HOLIDAYS: setDisabled<HolidayList>(true); break;
            case IDM_SORT_HOLIDAYS_BY_NAME: sort(&CalendarStore::sortHolidaysByName); break;
            case IDM_SORT_HOLIDAYS_BY_DATE: sort(&CalendarStore::sortHolidaysByStart); break;
            case IDC_ADD_SHIFT_DAY: add<ShiftDayList>(); break;
            case IDC_MODIFY_SHIFT_DAY: modify<ShiftDayList>(); break;
            case IDC_DELETE_SHIFT_DAYS: remove<ShiftDayList>(); break;
            case IDM_ENABLE_SHIFT_DAYS: setDisabled<ShiftDayList>(false); break;
            case IDM_DISABLE_SHIFT_DAYS: setDisabled<ShiftDayList>(true); break;
            case IDM_SORT_SHIFT_DAYS_BY_A_DATE: sort(&CalendarStore::sortShiftDaysByADate); break;
            case IDM_CALENDAR_BACKUP: inform(backupHint); break;
            case IDC_HOLIDAY_MORE_LINK:
            case IDC_SHIFT_DAY_MORE_LINK: inform(moreHint); break;
        }
    }

    // A double click modifies the first selected row; on no row it does nothing.
    void activate(int listId) {
        if (listId == HolidayList::id && !selectedListRows(list<HolidayList>()).empty()) modify<HolidayList>();
        if (listId == ShiftDayList::id && !selectedListRows(list<ShiftDayList>()).empty()) modify<ShiftDayList>();
    }

    void showContextMenu(HWND control, POINT screen) {
        const UniqueMenu menus(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_HOLIDAY_MENUS)));
        if (!menus) return;
        const int popup = GetDlgCtrlID(control) == HolidayList::id ? HolidayList::menu : ShiftDayList::menu;
        TrackPopupMenu(GetSubMenu(menus.get(), popup), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                       window_, nullptr);
    }

    void showMultiSelectHint() { inform(multiSelectHint); }

    // The lists share the page's height and take its width beside a column of buttons; the
    // example line takes the last heading row.
    void layout() {
        RECT client;
        GetClientRect(window_, &client);
        RECT units{6, 12, 60, 16};  // margin, heading row, button width, button height (dialog units)
        MapDialogRect(window_, &units);
        const int margin = units.left;
        const int heading = units.top;
        const int listWidth = std::max(0L, client.right - 3 * margin - units.right);
        const int listsHeight = std::max(0L, client.bottom - 3 * margin - 3 * heading);
        int y = layoutSection(IDC_HOLIDAY_HEADING, HolidayList::id,
                              {IDC_ADD_HOLIDAY, IDC_MODIFY_HOLIDAY, IDC_DELETE_HOLIDAYS, IDC_HOLIDAY_MORE_LINK},
                              margin, listWidth, listsHeight / 2, units);
        y = layoutSection(IDC_SHIFT_DAY_HEADING, ShiftDayList::id,
                          {IDC_ADD_SHIFT_DAY, IDC_MODIFY_SHIFT_DAY, IDC_DELETE_SHIFT_DAYS, IDC_SHIFT_DAY_MORE_LINK},
                          y, listWidth, listsHeight - listsHeight / 2, units);
        moveControl(IDC_CALENDAR_EXAMPLE, margin, y);
        fitColumnShares(list<HolidayList>(), HolidayList::columns);
        fitColumnShares(list<ShiftDayList>(), ShiftDayList::columns);
    }

private:
    template <typename List>
    HWND list() const {
        return GetDlgItem(window_, List::id);
    }

    void inform(std::u16string_view text) { showAppMessage(window_, text, MessageIcon::information); }

    template <typename List>
    void writeRow(int row) {
        const CalendarRowCells cells = List::cells(List::records(calendar_).at(static_cast<std::size_t>(row)));
        for (std::size_t column = 0; column < cells.size(); ++column) {
            setListCell(list<List>(), row, static_cast<int>(column), cells[column]);
        }
    }

    template <typename List>
    void appendRow() {
        const HWND view = list<List>();
        const int row = appendListRow(view, u"");
        if (row < 0) return;
        writeRow<List>(row);
        deselectAllListRows(view);
        ListView_SetItemState(view, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(view, row, FALSE);
    }

    template <typename List>
    void updateRow(int row) {
        writeRow<List>(row);
        ListView_EnsureVisible(list<List>(), row, FALSE);
    }

    // One row per record in vector order, none selected, the first row in view.
    template <typename List>
    void refill() {
        const HWND view = list<List>();
        SendMessageW(view, WM_SETREDRAW, FALSE, 0);
        ListView_DeleteAllItems(view);
        for (std::size_t i = 0; i < List::records(calendar_).size(); ++i) {
            const int row = appendListRow(view, u"");
            if (row >= 0) writeRow<List>(row);
        }
        deselectAllListRows(view);
        if (listRowCount(view) > 0) ListView_EnsureVisible(view, 0, FALSE);
        SendMessageW(view, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(view, nullptr, TRUE);
    }

    // The selected rows, or none after the message of a command that needs one.
    template <typename List>
    std::vector<int> selectionFor(std::u16string_view needsSelection) {
        std::vector<int> rows = selectedListRows(list<List>());
        if (rows.empty()) inform(needsSelection);
        return rows;
    }

    // The change of one list as its owner told it.
    template <typename List>
    void show(const ListChange& change) {
        switch (change.kind) {
            case ListChange::Kind::replaced:
            case ListChange::Kind::moved:
                refill<List>();
                break;
            case ListChange::Kind::added:
                appendRow<List>();
                break;
            case ListChange::Kind::changed:
                for (const int row : change.rows) updateRow<List>(row);
                break;
            case ListChange::Kind::removed:
                for (auto row = change.rows.rbegin(); row != change.rows.rend(); ++row) {
                    ListView_DeleteItem(list<List>(), *row);
                }
                break;
        }
    }

    template <typename List>
    void add() {
        const std::u16string full = List::capacityMessage(List::records(calendar_).size());
        if (!full.empty()) {
            showAppMessage(window_, full, MessageIcon::warning);
            return;
        }
        const auto record = List::edit(window_, calendar_, -1);
        if (!record) return;
        Win32Prompt prompt(window_);
        calendar_.add(*record, prompt);
    }

    template <typename List>
    void modify() {
        const std::vector<int> rows = selectionFor<List>(List::texts.modify);
        if (rows.empty()) return;
        const auto record = List::edit(window_, calendar_, rows.front());
        if (!record) return;
        Win32Prompt prompt(window_);
        calendar_.modify(rows.front(), *record, prompt);
    }

    template <typename List>
    void remove() {
        const std::vector<int> rows = selectionFor<List>(List::texts.remove);
        if (rows.empty() || !askAppQuestion(window_, deleteQuestion)) return;
        Win32Prompt prompt(window_);
        List::remove(calendar_, rows, prompt);
    }

    template <typename List>
    void setDisabled(bool disabled) {
        const std::vector<int> rows = selectionFor<List>(disabled ? List::texts.disable : List::texts.enable);
        if (rows.empty()) return;
        Win32Prompt prompt(window_);
        List::setDisabled(calendar_, rows, disabled, prompt);
    }

    void sort(SaveResult (CalendarStore::*sortRecords)(Prompt&)) {
        Win32Prompt prompt(window_);
        (calendar_.*sortRecords)(prompt);
    }

    void moveControl(int id, int x, int y, int width = -1, int height = -1) {
        const HWND control = GetDlgItem(window_, id);
        const UINT keepSize = width < 0 ? SWP_NOSIZE : 0;
        SetWindowPos(control, nullptr, x, y, width, height, keepSize | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The heading above the list, the list, and beside it its buttons and link; the y after it.
    int layoutSection(int headingId, int listId, std::initializer_list<int> buttons, int y, int listWidth,
                      int listHeight, const RECT& units) {
        const int margin = units.left;
        moveControl(headingId, margin, y);
        y += units.top;
        moveControl(listId, margin, y, listWidth, listHeight);
        int buttonY = y;
        for (const int id : buttons) {
            moveControl(id, 2 * margin + listWidth, buttonY, units.right, units.bottom);
            buttonY += units.bottom + margin;
        }
        return y + listHeight + margin;
    }

    HWND window_;
    double scale_;
    Prompt& loadPrompt_;
    CalendarStore& calendar_;
};

bool isPageList(HWND page, HWND control) {
    const int id = GetDlgCtrlID(control);
    return GetParent(control) == page && (id == HolidayList::id || id == ShiftDayList::id);
}

INT_PTR notify(HolidayPage& page, const NMHDR& header) {
    const bool fromLink = header.idFrom == IDC_HOLIDAY_MORE_LINK || header.idFrom == IDC_SHIFT_DAY_MORE_LINK;
    const bool fromList = header.idFrom == HolidayList::id || header.idFrom == ShiftDayList::id;
    if ((header.code == NM_CLICK || header.code == NM_RETURN) && fromLink) {
        page.command(static_cast<int>(header.idFrom));
        return TRUE;
    }
    if (header.code == NM_DBLCLK && fromList) {
        page.activate(static_cast<int>(header.idFrom));
        return TRUE;
    }
    if (header.code == LVN_BEGINDRAG && fromList) {
        page.showMultiSelectHint();
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK holidayPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* page = pageObject<HolidayPage, PageArguments>(window, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
        case WM_DESTROY:
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return whitePageBackground(wParam);
    }
    if (!page) return FALSE;
    switch (message) {
        case WM_PAINT:
            paintPageTopLine(window, page->scale());
            return TRUE;
        case WM_SIZE:
            page->layout();
            return TRUE;
        case WM_COMMAND:
            // Links answer their id as a command too, so they can be driven from outside.
            page->command(LOWORD(wParam));
            return TRUE;
        case WM_CONTEXTMENU: {
            const auto control = reinterpret_cast<HWND>(wParam);
            if (!isPageList(window, control)) return FALSE;
            page->showContextMenu(control, contextMenuPoint(control, lParam));
            return TRUE;
        }
        case WM_NOTIFY:
            return notify(*page, *reinterpret_cast<const NMHDR*>(lParam));
    }
    return FALSE;
}

}  // namespace

HWND createHolidayPage(HWND mainWindow, const PageContext& context, CalendarStore& calendar) {
    const PageArguments arguments{context, calendar};
    return createPageDialog(IDD_HOLIDAY_PAGE, mainWindow, holidayPageProc, reinterpret_cast<LPARAM>(&arguments));
}
