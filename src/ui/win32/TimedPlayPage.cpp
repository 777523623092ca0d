#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "audio/win32/AudioSystemCheck.h"
#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/PreciseSleep.h"
#include "audio/win32/SystemErrorText.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "data/win32/Win32Prompt.h"
#include "scheduler/LogFile.h"
#include "scheduler/PlayLog.h"
#include "scheduler/Scheduler.h"
#include "scheduler/win32/LogFileShell.h"
#include "shell/AppState.h"
#include "shell/win32/ShellWindows.h"
#include "ui/ListColumns.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/ListViewText.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"
#include "ui/win32/ProgramCommands.h"
#include "ui/win32/TimedPlayLists.h"
#include "ui/win32/TimedPlayPageIds.h"

namespace {

constexpr UINT_PTR schedulerTimerId = 1000;
constexpr UINT schedulerPeriodMs = 50;

DateTime tickTime() {
    DateTime now = localNow();
    now.milliseconds = 0;
    return now;
}

// The page while it exists: its three lists, its players and the message boxes it owns.
class TimedPlayPage {
public:
    explicit TimedPlayPage(HWND window)
        : window_(window),
          programList_(GetDlgItem(window, IDC_PROGRAM_LIST)),
          nowPlayingList_(GetDlgItem(window, IDC_NOW_PLAYING_LIST)),
          logList_(GetDlgItem(window, IDC_LOG_LIST)),
          prompt_(window),
          players_(window, toolsConfigFor(appState().paths.exeDir)),
          programCells_(programList_),
          nowPlaying_(nowPlayingList_),
          logRows_(logList_) {}

    void setUp() {
        const double scale = appState().uiScale;
        setUpListView(programList_, programListColumns, scale);
        setUpListView(nowPlayingList_, nowPlayingColumns, scale);
        setUpListView(logList_, logListColumns, scale);
        SetTimer(window_, schedulerTimerId, schedulerPeriodMs, nullptr);
    }

    void tearDown() {
        KillTimer(window_, schedulerTimerId);
        // No player may outlive the window its events are posted to.
        fade(0);
    }

    void load() {
        AppState& app = appState();
        loadPrograms(appDataFolder(), app.paths.programsFile, &prompt_, app.readFailed.programs, app.programs);
        rebuildProgramList(programList_, app.programs, localNow());
    }

    void tick() {
        // A message box opened inside a step pumps this timer; a nested tick would change the
        // queue under the running one.
        if (ticking_) return;
        ticking_ = true;
        AppState& app = appState();
        Schedule schedule{app.programs, app.holidays, app.shiftDays, programCells_};
        JobServices jobs = services();
        schedulerTick(schedule, app.timedPlay, jobs, tickTime());
        ticking_ = false;
    }

    void audioEvent(const AudioPlayer* player) {
        JobServices jobs = services();
        onJobAudioEvent(appState().timedPlay, jobs, player);
    }

    void fade(double x) {
        JobServices jobs = services();
        fadeAllJobs(appState().timedPlay, jobs, x);
    }

    void log(const DateTime& time, std::u16string_view text) {
        logEvent(logRows_, appDataFolder(), appState().paths.logFile, time, text);
    }

    void stopByName(std::u16string_view name, std::u16string_view reason) {
        JobServices jobs = services();
        stopJobsByName(appState().timedPlay, jobs, name, reason);
    }

    void playNow(const ProgramRecord& program, int amount) {
        JobServices jobs = services();
        ::playNow(program, amount, appState().timedPlay, jobs, localNow());
    }

    void command(int id) {
        switch (id) {
            case IDC_LOAD_PROGRAMS:
                load();
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
            case IDOK:
                // Enter: the dialog manager turns it into IDOK wherever the focus is.
                if (GetFocus() == programList_ && !selectedListRows(programList_).empty()) {
                    runProgramCommand(window_, IDM_PLAY_NOW);
                }
                break;
            default:
                runProgramCommand(window_, id);
                break;
        }
    }

    // The program list's double click modifies the row under the mouse.
    void activateRow(int row) {
        if (row >= 0) runProgramCommand(window_, IDM_MODIFY_PROGRAM);
    }

    void showContextMenu(HWND list, POINT screen) {
        if (screen.x == -1 && screen.y == -1) {
            // From the keyboard: at the list's corner.
            screen = POINT{0, 0};
            ClientToScreen(list, &screen);
        }
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
            {{IDC_PROGRAMS_LABEL, IDC_EDIT_PROGRAMS_LINK, 0}, IDC_PROGRAM_LIST, 5},
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
    JobServices services() {
        AppState& app = appState();
        const SettingsRecord& settings = app.settings;
        const std::u16string* exeDir = &app.paths.exeDir;
        return JobServices{
            players_,
            nowPlaying_,
            pageFileSystem(),
            isNetworkDrive,
            [this](const DateTime& time, std::u16string_view text) { log(time, text); },
            [exeDir](AudioResult code) { return classifyOpenFailure(code, audioSystemChecks(*exeDir)); },
            [](AudioResult code) { return systemErrorText(code); },
            preciseSleep,
            localNow,
            app.randomEngine,
            std::u16string(fixedView(settings.outputDevice)),
            DuckSettings{settings.duckPercent, settings.duckFadeOutLength, settings.duckFadeInLength},
            app.instantActive,
        };
    }

    void openLogFile() {
        openLogFileInEditor(window_, prompt_, pageFileSystem(), appState().paths.logFile);
    }

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
        JobServices jobs = services();
        stopSelected(rows, appState().timedPlay, jobs, localNow());
    }

    HWND window_;
    HWND programList_;
    HWND nowPlayingList_;
    HWND logList_;
    Win32Prompt prompt_;
    DirectShowPlayerFactory players_;
    ProgramListCells programCells_;
    NowPlayingRows nowPlaying_;
    LogListRows logRows_;
    bool ticking_ = false;
};

std::unique_ptr<TimedPlayPage> thePage;

bool isLink(UINT_PTR id) {
    return id == IDC_STOP_PLAY_LINK || id == IDC_MORE_LOG_LINK || id == IDC_TROUBLE_LINK ||
           id == IDC_EDIT_PROGRAMS_LINK;
}

bool hasContextMenu(HWND page, HWND control) {
    const int id = GetDlgCtrlID(control);
    return GetParent(control) == page && (id == IDC_PROGRAM_LIST || id == IDC_NOW_PLAYING_LIST || id == IDC_LOG_LIST);
}

INT_PTR CALLBACK timedPlayPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            thePage = std::make_unique<TimedPlayPage>(window);
            thePage->setUp();
            return TRUE;
        case WM_DESTROY:
            if (thePage) thePage->tearDown();
            thePage.reset();
            return TRUE;
    }
    if (!thePage) return FALSE;
    switch (message) {
        case WM_TIMER:
            if (wParam == schedulerTimerId) thePage->tick();
            return TRUE;
        case WM_AUDIO_EVENT:
            thePage->audioEvent(reinterpret_cast<const AudioPlayer*>(lParam));
            return TRUE;
        case WM_SIZE:
            thePage->layout();
            return TRUE;
        case WM_COMMAND:
            // Links answer their id as a command too, so they can be driven from outside.
            thePage->command(LOWORD(wParam));
            return TRUE;
        case WM_CONTEXTMENU: {
            const auto control = reinterpret_cast<HWND>(wParam);
            if (!hasContextMenu(window, control)) return FALSE;
            thePage->showContextMenu(control, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return TRUE;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if ((header->code == NM_CLICK || header->code == NM_RETURN) && isLink(header->idFrom)) {
                thePage->command(static_cast<int>(header->idFrom));
                return TRUE;
            }
            if (header->code == NM_DBLCLK && header->idFrom == IDC_PROGRAM_LIST) {
                thePage->activateRow(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem);
                return TRUE;
            }
            if (header->code == LVN_BEGINDRAG &&
                (header->idFrom == IDC_PROGRAM_LIST || header->idFrom == IDC_NOW_PLAYING_LIST)) {
                thePage->showMultiSelectHint();
                return TRUE;
            }
            return FALSE;
        }
    }
    return FALSE;
}

}  // namespace

HWND createTimedPlayPage(HWND mainWindow) {
    return createPageDialog(IDD_TIMED_PLAY_PAGE, mainWindow, timedPlayPageProc);
}

void logAppEvent(const DateTime& time, std::u16string_view text) {
    if (thePage) {
        thePage->log(time, text);
        return;
    }
    // Before the page exists (or after it is gone) the line still reaches the file.
    appendLogLine(appDataFolder(), appState().paths.logFile, time, text);
}

bool isProgramPlaying(std::u16string_view name) {
    const std::vector<PlayJob>& jobs = appState().timedPlay.nowPlaying;
    return std::any_of(jobs.begin(), jobs.end(),
                       [&](const PlayJob& job) { return equalsNoCase(fixedView(job.program.name), name); });
}

void stopProgramPlays(std::u16string_view name, std::u16string_view reason) {
    if (thePage) thePage->stopByName(name, reason);
}

void playProgramNow(const ProgramRecord& program, int amount) {
    if (thePage) thePage->playNow(program, amount);
}

void fadeTimedPlay(double x) {
    if (thePage) thePage->fade(x);
}
