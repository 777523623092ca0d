#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "data/win32/LocalNow.h"
#include "data/win32/Win32Prompt.h"
#include "scheduler/TimedPlayController.h"
#include "scheduler/win32/LogFileShell.h"
#include "ui/ListColumns.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/ListViewText.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PlanView.h"
#include "ui/win32/ProgramCommands.h"
#include "ui/win32/TimedPlayLists.h"
#include "ui/win32/TimedPlayPageIds.h"

namespace {

struct PageArguments {
    const PageContext& context;
    TimedPlayController& timedPlay;
    ProgramStore& programs;
    CalendarStore& calendar;
    const std::u16string& logFile;
};

// The page while it exists: its three lists, lent to timed play, the program list shown as its
// owner changes it, and the operator's commands.
class TimedPlayPage : public ListObserver {
public:
    TimedPlayPage(HWND window, const PageArguments& arguments)
        : window_(window),
          programList_(GetDlgItem(window, IDC_PROGRAM_LIST)),
          nowPlayingList_(GetDlgItem(window, IDC_NOW_PLAYING_LIST)),
          logList_(GetDlgItem(window, IDC_LOG_LIST)),
          context_(arguments.context),
          scale_(arguments.context.uiScale),
          fs_(arguments.context.fs),
          loadPrompt_(arguments.context.loadPrompt),
          logFile_(arguments.logFile),
          timedPlay_(arguments.timedPlay),
          programs_(arguments.programs),
          calendar_(arguments.calendar),
          editor_{arguments.programs, arguments.context.fs, arguments.context.exeDir, arguments.context.musicDir},
          targets_{arguments.programs, arguments.timedPlay, editor_},
          prompt_(window),
          programCells_(programList_),
          nowPlaying_(nowPlayingList_),
          logRows_(logList_) {}

    void setUp() {
        setUpListView(programList_, programListColumns, scale_);
        setUpListView(nowPlayingList_, nowPlayingColumns, scale_);
        setUpListView(logList_, logListColumns, scale_);
        timedPlay_.attachViews(TimedPlayViews{programCells_, nowPlaying_, logRows_});
        programs_.addObserver(*this);
    }

    void tearDown() {
        if (planView_ != nullptr) DestroyWindow(planView_);
        programs_.removeObserver(*this);
        timedPlay_.detachViews();
    }

    void listChanged(const ListChange& change) override {
        switch (change.kind) {
            case ListChange::Kind::replaced:
                rebuildProgramList(programList_, programs_.programs(), localNow());
                break;
            case ListChange::Kind::added:
                showAddedRow(change.rows.front());
                break;
            case ListChange::Kind::changed:
                for (const int row : change.rows) writeRow(row);
                break;
            case ListChange::Kind::removed:
                for (auto row = change.rows.rbegin(); row != change.rows.rend(); ++row) ListView_DeleteItem(programList_, *row);
                break;
            case ListChange::Kind::moved:
                showMovedRows(change.rows, change.step);
                break;
        }
    }

    void command(int id) {
        switch (id) {
            case IDC_LOAD_PROGRAMS:
                programs_.load(&loadPrompt_);
                break;
            case IDC_STOP_PLAY_LINK:
            case IDM_STOP_PLAYS:
                stopSelectedPlays();
                break;
            case IDC_MORE_LOG_LINK:
                prompt_.showMessage(u"更多日志 - 点确定后打开日志文件", MessageIcon::information);
                openLogFile();
                break;
            case IDM_OPEN_LOG:
                openLogFile();
                break;
            case IDC_TROUBLE_LINK:
                prompt_.showMessage(u"参看： 主界面左侧 > 异常解答", MessageIcon::information);
                break;
            case IDC_EDIT_PROGRAMS_LINK:
                showEditMenu();
                break;
            case IDC_PLAN_LINK:
            case IDM_SHOW_PLAN:
                showPlanView(GetAncestor(window_, GA_ROOT), context_, programs_, calendar_, planView_);
                break;
            case IDOK:
                // Enter: the dialog manager turns it into IDOK wherever the focus is.
                if (GetFocus() == programList_ && !selectedListRows(programList_).empty()) {
                    runProgramCommand(window_, targets_, IDM_PLAY_NOW);
                }
                break;
            default:
                runProgramCommand(window_, targets_, id);
                break;
        }
    }

    // The program list's double click modifies the row under the mouse.
    void activateRow(int row) {
        if (row >= 0) runProgramCommand(window_, targets_, IDM_MODIFY_PROGRAM);
    }

    void showContextMenu(HWND list, POINT screen) {
        showListMenu(window_, GetDlgCtrlID(list), screen);
    }

    void showMultiSelectHint() {
        prompt_.showMessage(u"选多行方法：\n\n不连续行 - 按住 Ctrl  键, 用鼠标点选\n连续的行 - 按住 Shift 键, 用鼠标点选\n\n ",
                            MessageIcon::information);
    }

    void layout() {
        struct Section {
            int header[3];  // the label and its links; 0 ends the list
            int list;
            int share;      // tenths of the height left for the lists
        };
        static constexpr Section sections[] = {
            {{IDC_PROGRAMS_LABEL, IDC_EDIT_PROGRAMS_LINK, IDC_PLAN_LINK}, IDC_PROGRAM_LIST, 5},
            {{IDC_NOW_PLAYING_LABEL, IDC_STOP_PLAY_LINK, IDC_TROUBLE_LINK}, IDC_NOW_PLAYING_LIST, 2},
            {{IDC_LOG_LABEL, IDC_MORE_LOG_LINK, 0}, IDC_LOG_LIST, 3},
        };
        RECT client;
        GetClientRect(window_, &client);
        RECT units{4, 12, 3, 0};  // margin, header row, gap between sections (dialog units)
        MapDialogRect(window_, &units);
        const int margin = units.left;
        const int width = std::max(0L, client.right - 2 * margin);
        const int listsHeight = std::max(0L, client.bottom - 2 * margin - 3 * units.top - 2 * units.right);
        int y = margin;
        int left = listsHeight;
        for (const Section& section : sections) {
            for (const int id : section.header) {
                if (id == 0) break;
                HWND control = GetDlgItem(window_, id);
                RECT r;
                GetWindowRect(control, &r);
                MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(control, nullptr, r.left, y + (units.top - (r.bottom - r.top)) / 2, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            y += units.top;
            const int height = section.list == IDC_LOG_LIST ? left : listsHeight * section.share / 10;
            left -= height;
            MoveWindow(GetDlgItem(window_, section.list), margin, y, width, height, TRUE);
            y += height + units.right;
        }
    }

private:
    void writeRow(int row) {
        writeProgramRow(programList_, row, programs_.programs().at(static_cast<std::size_t>(row)), localNow());
    }

    void setRowSelected(int row, bool selected) {
        ListView_SetItemState(programList_, row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }

    // A new program's row, the only one selected, in view.
    void showAddedRow(int index) {
        const int row = appendListRow(programList_, u"");
        if (row < 0 || row != index) return rebuildProgramList(programList_, programs_.programs(), localNow());
        writeRow(row);
        deselectAllListRows(programList_);
        ListView_SetItemState(programList_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(programList_, row, FALSE);
    }

    // Each moved row trades places with its neighbour and its selection goes with it.
    void showMovedRows(const std::vector<int>& rows, int step) {
        const int focused = ListView_GetNextItem(programList_, -1, LVNI_FOCUSED);
        if (focused >= 0) ListView_SetItemState(programList_, focused, 0, LVIS_FOCUSED);
        const auto moveRow = [&](int row) {
            writeRow(row + step);
            writeRow(row);
            setRowSelected(row + step, true);
            setRowSelected(row, false);
        };
        if (step < 0) {
            for (const int row : rows) moveRow(row);
            ListView_EnsureVisible(programList_, rows.front() + step, FALSE);
        } else {
            for (auto row = rows.rbegin(); row != rows.rend(); ++row) moveRow(*row);
            ListView_EnsureVisible(programList_, rows.back() + step, FALSE);
        }
    }

    void openLogFile() { openLogFileInEditor(window_, prompt_, fs_, logFile_); }

    void showEditMenu() {
        prompt_.showMessage(u"编辑节目：\n{节目单} 列表框中点鼠标右键", MessageIcon::information);
        POINT cursor{};
        GetCursorPos(&cursor);
        showListMenu(window_, IDC_PROGRAM_LIST, cursor);
    }

    void stopSelectedPlays() {
        const std::vector<int> rows = selectedListRows(nowPlayingList_);
        if (rows.empty()) {
            prompt_.showMessage(u"终止本次播放：\n到下方 {正在播} 列表框中先选中节目", MessageIcon::information);
            return;
        }
        timedPlay_.stopSelected(rows);
    }

    HWND window_;
    HWND programList_;
    HWND nowPlayingList_;
    HWND logList_;
    PageContext context_;
    double scale_;
    FileSystem& fs_;
    Prompt& loadPrompt_;
    std::u16string logFile_;
    TimedPlayController& timedPlay_;
    ProgramStore& programs_;
    CalendarStore& calendar_;
    ProgramEditorContext editor_;
    ProgramCommandTargets targets_;
    Win32Prompt prompt_;
    ProgramListCells programCells_;
    NowPlayingRows nowPlaying_;
    LogListRows logRows_;
    HWND planView_ = nullptr;  // "播放计划" while it is open
};

bool isLink(UINT_PTR id) {
    return id == IDC_STOP_PLAY_LINK || id == IDC_MORE_LOG_LINK || id == IDC_TROUBLE_LINK ||
           id == IDC_EDIT_PROGRAMS_LINK || id == IDC_PLAN_LINK;
}

bool hasContextMenu(HWND page, HWND control) {
    const int id = GetDlgCtrlID(control);
    return GetParent(control) == page && (id == IDC_PROGRAM_LIST || id == IDC_NOW_PLAYING_LIST || id == IDC_LOG_LIST);
}

INT_PTR notify(TimedPlayPage& page, const NMHDR& header) {
    if ((header.code == NM_CLICK || header.code == NM_RETURN) && isLink(header.idFrom)) {
        page.command(static_cast<int>(header.idFrom));
        return TRUE;
    }
    if (header.code == NM_DBLCLK && header.idFrom == IDC_PROGRAM_LIST) {
        page.activateRow(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
        return TRUE;
    }
    if (header.code == LVN_BEGINDRAG && (header.idFrom == IDC_PROGRAM_LIST || header.idFrom == IDC_NOW_PLAYING_LIST)) {
        page.showMultiSelectHint();
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK timedPlayPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* page = pageObject<TimedPlayPage, PageArguments>(window, message, lParam);
    if (!page) return message == WM_INITDIALOG || message == WM_DESTROY ? TRUE : FALSE;
    switch (message) {
        case WM_SIZE:
            page->layout();
            return TRUE;
        case WM_COMMAND:
            // Links answer their id as a command too, so they can be driven from outside.
            page->command(LOWORD(wParam));
            return TRUE;
        case WM_CONTEXTMENU: {
            const auto control = reinterpret_cast<HWND>(wParam);
            if (!hasContextMenu(window, control)) return FALSE;
            page->showContextMenu(control, contextMenuPoint(control, lParam));
            return TRUE;
        }
        case WM_NOTIFY:
            return notify(*page, *reinterpret_cast<const NMHDR*>(lParam));
    }
    return FALSE;
}

}  // namespace

HWND createTimedPlayPage(HWND mainWindow, const PageContext& context, TimedPlayController& timedPlay,
                         ProgramStore& programs, CalendarStore& calendar, const std::u16string& logFile) {
    PageArguments arguments{context, timedPlay, programs, calendar, logFile};
    return createPageDialog(IDD_TIMED_PLAY_PAGE, mainWindow, timedPlayPageProc, reinterpret_cast<LPARAM>(&arguments));
}
