#include "ui/win32/PlanView.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <utility>

#include "data/DataFileTexts.h"
#include "data/Text.h"
#include "data/win32/LocalNow.h"
#include "ui/ListColumns.h"
#include "ui/PlanCsv.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/FileDialogs.h"
#include "ui/win32/ListViewText.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/PlanViewIds.h"

namespace {

static_assert(planStartColumns.size() == planStartColumnCount);

// Several changes in a row (a sort, a restore of both lists) redraw the day once.
constexpr UINT redrawMessage = WM_APP + 1;
constexpr int secondsPerDay = 86400;
constexpr int weekDays = 7;
constexpr std::size_t pathUnits = 260;

struct PlanViewArguments {
    const PageContext& context;
    ProgramStore& programs;
    CalendarStore& calendar;
    HWND& openView;
};

class PlanView : public ListObserver {
public:
    PlanView(HWND window, const PlanViewArguments& arguments)
        : window_(window),
          starts_(GetDlgItem(window, IDC_PLAN_STARTS)),
          silent_(GetDlgItem(window, IDC_PLAN_SILENT)),
          scale_(arguments.context.uiScale),
          fs_(arguments.context.fs),
          programs_(arguments.programs),
          calendar_(arguments.calendar),
          openView_(arguments.openView) {}

    void setUp() {
        openView_ = window_;
        RECT frame;
        GetWindowRect(window_, &frame);
        minimumSize_ = {frame.right - frame.left, frame.bottom - frame.top};
        setUpListView(starts_, planStartColumns, scale_);
        setUpListView(silent_, planSilentColumns, scale_);
        setPickerFormat(window_, IDC_PLAN_DATE, L"yyyy'-'MM'-'dd dddd");
        limitPickerToValidDates(window_, IDC_PLAN_DATE);
        programs_.addObserver(*this);
        calendar_.addObserver(*this);
        showDay(localNow());
        layout();
    }

    void tearDown() {
        programs_.removeObserver(*this);
        calendar_.removeObserver(*this);
        openView_ = nullptr;
    }

    void listChanged(const ListChange&) override {
        if (!redrawPosted_) redrawPosted_ = PostMessageW(window_, redrawMessage, 0, 0) != 0;
    }

    void redraw() {
        redrawPosted_ = false;
        draw();
    }

    void command(int id) {
        switch (id) {
            case IDC_PLAN_PREVIOUS_DAY: showDay(addSeconds(chosenDay(), -secondsPerDay)); break;
            case IDC_PLAN_NEXT_DAY: showDay(addSeconds(chosenDay(), secondsPerDay)); break;
            case IDC_PLAN_TODAY: showDay(localNow()); break;
            case IDC_PLAN_EXPORT: showExportMenu(); break;
            case IDM_PLAN_EXPORT_DAY: exportDays(1); break;
            case IDM_PLAN_EXPORT_WEEK: exportDays(weekDays); break;
            case IDCANCEL: DestroyWindow(window_); break;
        }
    }

    // The date in the picker changed by the operator's hand.
    void dateChanged() { draw(); }

    void limitSize(MINMAXINFO& limits) const {
        limits.ptMinTrackSize = minimumSize_;
    }

    // The buttons stay on top; the starts list takes three fifths of the height left, the
    // silent programs the rest.
    void layout() {
        RECT client;
        GetClientRect(window_, &client);
        RECT units{8, 41, 11, 6};  // margin, top of the first label, label height, gap (dialog units)
        MapDialogRect(window_, &units);
        const int margin = units.left;
        const int width = std::max(0L, client.right - 2 * margin);
        const int listsHeight = std::max(0L, client.bottom - units.top - 2 * units.right - units.bottom - margin);
        const int startsHeight = listsHeight * 3 / 5;
        int y = units.top;
        place(IDC_PLAN_STARTS_LABEL, y);
        y += units.right;
        MoveWindow(starts_, margin, y, width, startsHeight, TRUE);
        y += startsHeight + units.bottom;
        place(IDC_PLAN_SILENT_LABEL, y);
        y += units.right;
        MoveWindow(silent_, margin, y, width, listsHeight - startsHeight, TRUE);
        RECT governing;
        GetWindowRect(GetDlgItem(window_, IDC_PLAN_GOVERNING), &governing);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&governing), 2);
        MoveWindow(GetDlgItem(window_, IDC_PLAN_GOVERNING), margin, governing.top, width,
                   governing.bottom - governing.top, TRUE);
    }

private:
    DateTime chosenDay() const {
        const DateTime picked = pickerValue(window_, IDC_PLAN_DATE);
        return dateTimeAt(picked.year, picked.month, picked.day, TimeOfDay{0, 0, 0});
    }

    // A day outside the picker's range leaves the picker, and so the plan, where it was.
    void showDay(const DateTime& day) {
        setPickerDate(window_, IDC_PLAN_DATE, day.year, day.month, day.day);
        draw();
    }

    PlanLists lists() const { return PlanLists{programs_.programs(), calendar_.holidays(), calendar_.shiftDays()}; }

    DayPlan planOf(const DateTime& day) {
        return dayPlan(fs_, programs_.programs(), calendar_.holidays(), calendar_.shiftDays(), day.year, day.month,
                       day.day);
    }

    void draw() {
        const DayPlan plan = planOf(chosenDay());
        const PlanLists shown = lists();
        setControlText(window_, IDC_PLAN_GOVERNING, planGoverningText(plan, shown));
        setControlText(window_, IDC_PLAN_STARTS_LABEL, u"会播放: " + formatNumber(static_cast<std::int64_t>(plan.starts.size())) + u" 次");
        setControlText(window_, IDC_PLAN_SILENT_LABEL,
                       u"不播放: " + formatNumber(static_cast<std::int64_t>(plan.silent.size())) + u" 个节目");
        fillList(starts_, plan.starts.size(), [&](std::size_t i) {
            const PlanStartCells cells = planStartCells(plan.starts[i], shown);
            return std::vector<std::u16string>(cells.begin(), cells.end());
        });
        fillList(silent_, plan.silent.size(), [&](std::size_t i) {
            const SilentProgram& silent = plan.silent[i];
            return std::vector<std::u16string>{
                std::u16string(fixedView(shown.programs.at(static_cast<std::size_t>(silent.program)).name)),
                silenceReasonText(silent, shown)};
        });
    }

    template <typename Cells>
    static void fillList(HWND list, std::size_t rows, Cells cellsOf) {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        ListView_DeleteAllItems(list);
        for (std::size_t i = 0; i < rows; ++i) {
            const std::vector<std::u16string> cells = cellsOf(i);
            const int row = appendListRow(list, cells.front());
            for (std::size_t column = 1; row >= 0 && column < cells.size(); ++column) {
                setListCell(list, row, static_cast<int>(column), cells[column]);
            }
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }

    void place(int id, int y) {
        HWND control = GetDlgItem(window_, id);
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(control, nullptr, r.left, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void showExportMenu() {
        HMENU menus = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PLAN_EXPORT_MENU));
        if (menus == nullptr) return;
        RECT button;
        GetWindowRect(GetDlgItem(window_, IDC_PLAN_EXPORT), &button);
        TrackPopupMenu(GetSubMenu(menus, 0), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, button.left, button.bottom,
                       0, window_, nullptr);
        DestroyMenu(menus);
    }

    // The day, or `count` days from it, as CSV in a file the operator names.
    void exportDays(int count) {
        const DateTime first = chosenDay();
        std::vector<PlannedDay> days;
        for (int i = 0; i < count; ++i) {
            const DateTime day = addSeconds(first, static_cast<std::int64_t>(i) * secondsPerDay);
            days.push_back({day.year, day.month, day.day, planOf(day)});
        }
        const std::string csv = planCsv(days, lists());

        std::u16string path(pathUnits, u'\0');
        const std::u16string name = planCsvName(first.year, first.month, first.day, count);
        path.replace(0, name.size(), name);
        const FileDialogSetUp setUp{L"CSV 文件 (*.csv)\0*.csv\0所有文件 (*.*)\0*.*\0", L"csv", L"导出播放计划",
                                    static_cast<DWORD>(OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT), true};
        if (!showFileDialog(window_, setUp, path)) return;
        const std::u16string target(fixedView(path.data(), path.size()));
        if (const ErrorCode error = writeWholeFile(fs_, target, csv); error != errorSuccess) {
            showAppMessage(window_, writeFailureText(fs_, referenceTexts().write, error, target), MessageIcon::warning);
            return;
        }
        std::u16string done = u"播放计划已导出：\n\n";
        done.append(target).append(u"\n\n ");
        showAppMessage(window_, done, MessageIcon::information);
    }

    HWND window_;
    HWND starts_;
    HWND silent_;
    double scale_;
    FileSystem& fs_;
    ProgramStore& programs_;
    CalendarStore& calendar_;
    HWND& openView_;
    POINT minimumSize_{};
    bool redrawPosted_ = false;
};

INT_PTR CALLBACK planViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = pageObject<PlanView, PlanViewArguments>(window, message, lParam);
    if (!view) return message == WM_INITDIALOG || message == WM_DESTROY ? TRUE : FALSE;
    switch (message) {
        case redrawMessage:
            view->redraw();
            return TRUE;
        case WM_SIZE:
            view->layout();
            return TRUE;
        case WM_GETMINMAXINFO:
            view->limitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return TRUE;
        case WM_COMMAND:
            view->command(LOWORD(wParam));
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom != IDC_PLAN_DATE || header.code != DTN_DATETIMECHANGE) return FALSE;
            view->dateChanged();
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace

void showPlanView(HWND owner, const PageContext& context, ProgramStore& programs, CalendarStore& calendar,
                  HWND& openView) {
    if (openView != nullptr) {
        if (IsIconic(openView)) ShowWindow(openView, SW_RESTORE);
        SetForegroundWindow(openView);
        return;
    }
    PlanViewArguments arguments{context, programs, calendar, openView};
    const HWND view = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PLAN_VIEW), owner,
                                         planViewProc, reinterpret_cast<LPARAM>(&arguments));
    if (view == nullptr) return;
    // The program's own icon in the caption and the task switcher, not the system's default.
    for (const auto& [size, index] : {std::pair{ICON_SMALL, GCLP_HICONSM}, std::pair{ICON_BIG, GCLP_HICON}}) {
        if (const auto icon = GetClassLongPtrW(owner, index); icon != 0) SendMessageW(view, WM_SETICON, size, icon);
    }
    ShowWindow(view, SW_SHOW);
}
