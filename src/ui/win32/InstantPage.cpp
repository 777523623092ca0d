#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>

#include "audio/AudioPath.h"
#include "audio/PlayError.h"
#include "audio/win32/ToolsSource.h"
#include "data/Text.h"
#include "data/win32/NetworkDrive.h"
#include "winutil/WideText.h"
#include "data/win32/Win32Prompt.h"
#include "instant/InstantImport.h"
#include "ui/win32/FileDrops.h"
#include "ui/win32/ImportDialog.h"
#include "ui/win32/InstantFileChooser.h"
#include "ui/win32/InstantPageIds.h"
#include "ui/win32/InstantRunDialog.h"
#include "ui/win32/AudioChoosers.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/ListViewText.h"
#include "ui/win32/PageSupport.h"
#include "instant/InstantController.h"
#include "ui/win32/Pages.h"

namespace {

constexpr COLORREF currentRowColour = RGB(230, 255, 210);
constexpr COLORREF rowColour = RGB(255, 255, 255);

// Widths are set from the list's width on every layout.
constexpr std::array<ListColumn, 2> instantColumns{{
    {u"音频", 0, ColumnAlign::left},
    {u"时长", 0, ColumnAlign::centre},
}};
constexpr std::array<std::u16string_view, 3> modeNames{u"单曲循环", u"列表循环", u"随机播放"};

constexpr char16_t dragHint[] =
    u"选多行方法：\n1. 不连续行 - 按住 Ctrl  键,  用鼠标点选\n2. 连续的行 - 按住 Shift 键, 用鼠标点选　　　　　　　　  ";

struct PageArguments {
    const PageContext& context;
    InstantController& instant;
};

std::u16string rowName(const InstantItem& item) {
    const std::u16string_view name = fixedView(item.name);
    return item.isCurrent ? u"→ " + std::u16string(name) : std::u16string(name);
}

// The page while it exists: the list and the run's controls, lent to immediate play as its
// view, and the operator's commands, each forwarded to the controller.
class InstantPage : public InstantView {
public:
    InstantPage(HWND window, const PageArguments& arguments)
        : window_(window),
          list_(GetDlgItem(window, IDC_INSTANT_LIST)),
          seekSlider_(GetDlgItem(window, IDC_INSTANT_SEEK)),
          volumeSlider_(GetDlgItem(window, IDC_INSTANT_VOLUME)),
          instant_(arguments.instant),
          scale_(arguments.context.uiScale),
          osMajor_(arguments.context.osMajor),
          fs_(arguments.context.fs),
          loadPrompt_(arguments.context.loadPrompt),
          exeDir_(arguments.context.exeDir),
          prompt_(window) {}

    void setUp() {
        setUpListView(list_, instantColumns, scale_);
        SendMessageW(seekSlider_, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
        SendMessageW(seekSlider_, TBM_SETPAGESIZE, 0, 10);
        SendMessageW(seekSlider_, TBM_SETLINESIZE, 0, 2);
        SendMessageW(volumeSlider_, TBM_SETRANGE, FALSE, MAKELPARAM(25, 100));
        SendMessageW(volumeSlider_, TBM_SETPAGESIZE, 0, 10);
        const HWND modes = GetDlgItem(window_, IDC_INSTANT_MODE);
        for (const std::u16string_view name : modeNames) {
            SendMessageW(modes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(name).c_str()));
        }
        showOptions();
        activeChanged(instant_.active());
        acceptFileDrops(window_, osMajor_);
        instant_.attachView(*this, prompt_);
    }

    void tearDown() {
        instant_.detachView();
        DragAcceptFiles(window_, FALSE);
    }

    void command(int id, int code) {
        switch (id) {
            case IDC_LOAD_INSTANT:
                load();
                break;
            case IDC_INSTANT_ADD:
                addFiles();
                break;
            case IDC_INSTANT_DELETE:
                deleteSelected();
                break;
            case IDC_INSTANT_UP:
            case IDC_INSTANT_DOWN:
                move(id == IDC_INSTANT_UP);
                break;
            case IDC_INSTANT_START:
                startRun();
                break;
            case IDC_INSTANT_STOP:
                instant_.stopRun(true);
                break;
            case IDC_INSTANT_MODE:
                if (code == CBN_SELCHANGE) {
                    const LRESULT mode = SendDlgItemMessageW(window_, IDC_INSTANT_MODE, CB_GETCURSEL, 0, 0);
                    instant_.setMode(static_cast<int>(mode));
                }
                break;
            case IDM_INSTANT_ADD_FOLDER:
                addFolder();
                break;
            case IDM_INSTANT_CLEAR:
                clearList();
                break;
            case IDM_INSTANT_SORT_NAME:
            case IDM_INSTANT_SORT_NAME_DESC:
            case IDM_INSTANT_SORT_TYPE:
            case IDM_INSTANT_SORT_TYPE_DESC:
                reorder(instant_.sort(id == IDM_INSTANT_SORT_NAME || id == IDM_INSTANT_SORT_NAME_DESC
                                          ? InstantSortKey::name
                                          : InstantSortKey::type,
                                      id == IDM_INSTANT_SORT_NAME_DESC || id == IDM_INSTANT_SORT_TYPE_DESC));
                break;
            case IDM_INSTANT_SHUFFLE:
                reorder(instant_.shuffle());
                break;
            case IDM_INSTANT_OPEN_FOLDER:
                openItemFolder();
                break;
        }
    }

    // The list's notifications; custom drawing answers through DWLP_MSGRESULT.
    INT_PTR notify(NMHDR& header) {
        if (header.idFrom != IDC_INSTANT_LIST) return FALSE;
        switch (header.code) {
            case NM_CUSTOMDRAW:
                SetWindowLongPtrW(window_, DWLP_MSGRESULT, customDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
                return TRUE;
            case NM_DBLCLK:
                playRow(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
                return TRUE;
            case LVN_KEYDOWN:
                if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) deleteSelected();
                return TRUE;
            case LVN_BEGINDRAG:
                prompt_.showMessage(dragHint, MessageIcon::information);
                return TRUE;
        }
        return FALSE;
    }

    void scrolled(HWND slider, int code, int thumb) {
        if (code == TB_ENDTRACK) return;
        if (slider == volumeSlider_) {
            const bool tracking = code == TB_THUMBTRACK;
            const int volume = tracking ? thumb : sliderPosition(volumeSlider_);
            showVolume(volume);
            instant_.setVolume(volume, tracking);
        } else if (slider == seekSlider_ && code != TB_THUMBTRACK) {
            instant_.seek(sliderPosition(seekSlider_));
        }
    }

    void showContextMenu(POINT screen) {
        if (screen.x == -1 && screen.y == -1) {
            // From the keyboard: at the list's corner.
            screen = POINT{0, 0};
            ClientToScreen(list_, &screen);
        }
        const HMENU menus = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_INSTANT_MENU));
        if (menus == nullptr) return;
        TrackPopupMenu(GetSubMenu(menus, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window_, nullptr);
        DestroyMenu(menus);
    }

    void dropFiles(HDROP drop) {
        const std::vector<std::u16string> dropped = takeDroppedPaths(drop);
        if (!haveRoom()) return;
        const DroppedFiles taken = collectDroppedFiles(fs_, isNetworkDrive, dropped);
        if (taken.failure) {
            prompt_.showMessage(*taken.failure, MessageIcon::warning);
            return;
        }
        importFiles(taken.files);
    }

    void layout();

    // InstantView
    void showStatus(std::u16string_view text) override {
        SetDlgItemTextW(window_, IDC_INSTANT_STATUS, toWide(text).c_str());
    }

    void showPosition(std::u16string_view text, int percent) override {
        SetDlgItemTextW(window_, IDC_INSTANT_POSITION, toWide(text).c_str());
        const bool held = GetCapture() == seekSlider_;
        if (text.empty() && held) ReleaseCapture();
        if (!held || text.empty()) SendMessageW(seekSlider_, TBM_SETPOS, TRUE, percent);
    }

    void rowChanged(int index) override {
        if (index < 0 || index >= static_cast<int>(instant_.items().size())) return;
        showRow(index);
        ListView_RedrawItems(list_, index, index);
    }

    void scrollToRow(int index) override { ListView_EnsureVisible(list_, index, FALSE); }

    void activeChanged(bool active) override {
        enableControls(window_, {IDC_INSTANT_START}, !active);
        enableControls(window_, {IDC_INSTANT_STOP, IDC_INSTANT_SEEK}, active);
    }

private:
    static int sliderPosition(HWND slider) { return static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)); }

    // The current item's row on its own background colour.
    LRESULT customDraw(NMLVCUSTOMDRAW& draw) const {
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
        if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
        const auto& items = instant_.items();
        const std::size_t row = draw.nmcd.dwItemSpec;
        draw.clrTextBk = row < items.size() && items[row].isCurrent ? currentRowColour : rowColour;
        return CDRF_DODEFAULT;
    }

    void load() {
        instant_.load(&loadPrompt_);
        rebuildRows();
        showOptions();
        scrollCurrentIntoView();
    }

    void showOptions() {
        const InstantOptions& options = instant_.options();
        SendMessageW(volumeSlider_, TBM_SETPOS, TRUE, options.volume);
        showVolume(options.volume);
        SendDlgItemMessageW(window_, IDC_INSTANT_MODE, CB_SETCURSEL, static_cast<WPARAM>(options.mode), 0);
    }

    void showVolume(int volume) {
        setControlText(window_, IDC_INSTANT_VOLUME_TEXT, formatText(u"音量:%s", {formatNumber(volume)}));
    }

    void showRow(int index) {
        const InstantItem& item = instant_.items()[static_cast<std::size_t>(index)];
        setListCell(list_, index, 0, rowName(item));
        setListCell(list_, index, 1, formatMinSec(item.durationMs));
    }

    // Every row's texts again, for edits that keep the rows but change their order or marks.
    void showRows() {
        for (int row = 0; row < listRowCount(list_); ++row) showRow(row);
    }

    void rebuildRows() {
        ListView_DeleteAllItems(list_);
        for (std::size_t row = 0; row < instant_.items().size(); ++row) appendRow(static_cast<int>(row));
    }

    void appendRow(int index) {
        appendListRow(list_, u"");
        showRow(index);
    }

    void scrollCurrentIntoView() {
        const int current = currentIndex(instant_.items());
        if (current < 0) return;
        ListView_EnsureVisible(list_, std::min(current + 1, listRowCount(list_) - 1), FALSE);
        ListView_EnsureVisible(list_, current, FALSE);
    }

    void selectRows(const std::vector<int>& rows) {
        ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (const int row : rows) ListView_SetItemState(list_, row, LVIS_SELECTED, LVIS_SELECTED);
    }

    bool haveRoom() {
        if (instant_.room() > 0) return true;
        prompt_.showMessage(instantCapacityMessage(), MessageIcon::warning);
        return false;
    }

    bool pathPasses(std::u16string_view path, std::u16string_view label, bool wantFolder) {
        const auto failure = checkAudioPath(fs_, isNetworkDrive, path, label, wantFolder);
        if (!failure) return true;
        prompt_.showMessage(audioPathFailureMessage(*failure, path), MessageIcon::warning);
        return false;
    }

    void addFiles() {
        if (!haveRoom()) return;
        const auto chosen = chooseInstantFiles(window_);
        if (!chosen) return;
        const std::u16string_view buffer(chosen->buffer);
        const std::u16string_view first = buffer.substr(0, buffer.find(u'\0'));
        // Several files: the first string is their folder.
        const bool several = chosen->fileOffset > 0 && buffer[chosen->fileOffset - 1] == u'\0';
        if (!pathPasses(first, several ? u"文件夹" : u"文件", several)) return;
        importFiles(splitChosenFiles(buffer, chosen->fileOffset));
    }

    void addFolder() {
        if (!haveRoom()) return;
        const auto folder = chooseAudioFolder(window_, u"");
        if (!folder || !pathPasses(*folder, u"文件夹", true)) return;
        const std::vector<std::u16string> files = audioFilesOfFolder(fs_, *folder);
        if (!files.empty()) importFiles(files);
    }

    void importFiles(const std::vector<std::u16string>& paths) {
        if (paths.empty()) return;
        const std::vector<InstantItem> added =
            importAudioFiles(window_, paths, instant_.room(), toolsConfigFor(exeDir_));
        if (added.empty()) return;
        const int first = listRowCount(list_);
        instant_.appendItems(added);
        for (std::size_t row = static_cast<std::size_t>(first); row < instant_.items().size(); ++row) {
            appendRow(static_cast<int>(row));
        }
        const int last = listRowCount(list_) - 1;
        selectRows({last});
        ListView_EnsureVisible(list_, last, FALSE);
    }

    // The selected rows; none after telling the operator to select first.
    std::vector<int> selectedRowsOr(std::u16string_view hint) {
        std::vector<int> rows = selectedListRows(list_);
        if (rows.empty()) prompt_.showMessage(hint, MessageIcon::information);
        return rows;
    }

    void deleteSelected() {
        const std::vector<int> rows = selectedRowsOr(u"删除 - 请先选中音频　  \n\n ");
        if (rows.empty()) return;
        instant_.deleteItems(rows);
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) ListView_DeleteItem(list_, *row);
        showRows();
    }

    // The moved rows stay selected at their new places, the first (up) or lowest (down) in view.
    void move(bool up) {
        const std::vector<int> rows = selectedRowsOr(up ? u"上移 - 请先选中音频\n\n " : u"下移 - 请先选中音频\n\n ");
        if (rows.empty()) return;
        const std::vector<int> moved = up ? instant_.moveUp(rows) : instant_.moveDown(rows);
        if (moved.empty()) return;
        showRows();
        selectRows(moved);
        ListView_EnsureVisible(list_, up ? moved.front() : moved.back(), FALSE);
    }

    void clearList() {
        if (instant_.items().empty()) return;
        if (!askAppQuestion(window_, u"确定清空 ？\n\n ")) return;
        instant_.clear();
        ListView_DeleteAllItems(list_);
    }

    void reorder(bool changed) {
        if (!changed) return;
        rebuildRows();
        scrollCurrentIntoView();
    }

    void openItemFolder() {
        const std::vector<int> rows = selectedRowsOr(u"打开所在文件夹 - 请先选中音频　　　\n\n ");
        if (rows.empty()) return;
        const std::u16string path(fixedView(instant_.items()[static_cast<std::size_t>(rows.front())].path));
        const PathStatus file = fs_.status(path);
        if (file.exists && !file.isFolder) {
            prompt_.showMessage(formatText(u"音频位于： %s\n( 点确定后，打开所在文件夹 )　　　　　　　　　　　　   ", {path}),
                                MessageIcon::information);
            const std::wstring argument = L"/select," + toWide(path);
            ShellExecuteW(window_, L"open", L"explorer.exe", argument.c_str(), nullptr, SW_SHOWNORMAL);
            return;
        }
        std::u16string folder = path.substr(0, path.size() - fileNameOf(path).size());
        // "D:\歌\" names its folder "D:\歌"; a drive's root keeps its separator.
        if (folder.size() > 3) folder.pop_back();
        const PathStatus holder = fs_.status(folder);
        if (!folder.empty() && holder.exists && holder.isFolder) {
            prompt_.showMessage(
                formatText(u"音频不存在： %s\n( 点确定后，打开所在文件夹 )　　　　　　　　　　　　   ", {path}),
                MessageIcon::warning);
            ShellExecuteW(window_, L"open", toWide(folder).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            return;
        }
        prompt_.showMessage(formatText(u"音频不存在： %s　　　　　　　　　　　　　　　   ", {path}),
                            MessageIcon::warning);
    }

    // The run dialog, then the run; false when the operator cancelled it.
    bool askAndBegin() {
        const auto choice = askInstantRun(window_, instant_.options());
        if (!choice) return false;
        instant_.beginRun(choice->countMode, choice->songCount, choice->seconds);
        return true;
    }

    void startRun() {
        if (instant_.active()) return;
        if (instant_.items().empty()) {
            addFiles();
            if (instant_.items().empty()) return;
        }
        askAndBegin();
    }

    // The double-clicked row becomes the current item, played after the run dialog.
    void playRow(int row) {
        if (row < 0 || row >= static_cast<int>(instant_.items().size())) return;
        instant_.chooseCurrent(row);
        showRows();
        if (!askAndBegin()) instant_.save();
    }

    HWND window_;
    HWND list_;
    HWND seekSlider_;
    HWND volumeSlider_;
    InstantController& instant_;
    double scale_;
    int osMajor_;
    FileSystem& fs_;
    Prompt& loadPrompt_;
    std::u16string exeDir_;
    Win32Prompt prompt_;
};

// Layout in dialog units: a column of edit buttons, the mode and the volume to the right of
// the list; the run's buttons, its two lines and the position slider below it.
void InstantPage::layout() {
    RECT client;
    GetClientRect(window_, &client);
    RECT units{4, 64, 50, 30};  // margin, right column width, bottom band height, start button height
    MapDialogRect(window_, &units);
    RECT small{16, 12, 4, 10};  // button height, slider height, gap, text line height
    MapDialogRect(window_, &small);
    const int margin = units.left;
    const int columnWidth = units.top;
    const int bandHeight = units.right;
    const int gap = small.right;
    const int columnLeft = std::max<int>(margin, client.right - margin - columnWidth);
    const int listWidth = std::max(0, columnLeft - 2 * margin);
    const int listHeight = std::max<int>(0, client.bottom - 2 * margin - bandHeight - gap);
    const auto place = [this](int id, int x, int y, int width, int height) {
        MoveWindow(GetDlgItem(window_, id), x, y, std::max(0, width), std::max(0, height), TRUE);
    };
    place(IDC_INSTANT_LIST, margin, margin, listWidth, listHeight);
    ListView_SetColumnWidth(list_, 0, listWidth * 75 / 100);
    ListView_SetColumnWidth(list_, 1, listWidth * 17 / 100);

    int y = margin;
    for (const int id : {IDC_INSTANT_ADD, IDC_INSTANT_DELETE, IDC_INSTANT_UP, IDC_INSTANT_DOWN}) {
        place(id, columnLeft, y, columnWidth, small.left);
        y += small.left + gap;
    }
    y += 2 * gap;
    // A drop-down's height includes its opened list.
    place(IDC_INSTANT_MODE, columnLeft, y, columnWidth, 5 * small.left);
    y += small.left + 3 * gap;
    place(IDC_INSTANT_VOLUME_TEXT, columnLeft, y, columnWidth, small.bottom);
    y += small.bottom + gap / 2;
    place(IDC_INSTANT_VOLUME, columnLeft, y, columnWidth, small.top + gap);

    const int bandTop = margin + listHeight + gap;
    const int startWidth = columnWidth * 3 / 4;
    place(IDC_INSTANT_START, margin, bandTop, startWidth, units.bottom);
    place(IDC_INSTANT_STOP, margin + startWidth + gap, bandTop, startWidth * 3 / 4, units.bottom);
    const int linesLeft = margin + startWidth + gap + startWidth * 3 / 4 + 2 * gap;
    const int linesWidth = listWidth + margin - linesLeft;
    place(IDC_INSTANT_STATUS, linesLeft, bandTop, linesWidth / 2, small.bottom);
    place(IDC_INSTANT_POSITION, linesLeft + linesWidth / 2, bandTop, linesWidth - linesWidth / 2, small.bottom);
    place(IDC_INSTANT_SEEK, linesLeft, bandTop + small.bottom + gap, linesWidth, small.top + gap);
}

INT_PTR CALLBACK instantPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* page = pageObject<InstantPage, PageArguments>(window, message, lParam);
    if (!page) return message == WM_INITDIALOG || message == WM_DESTROY ? TRUE : FALSE;
    switch (message) {
        case WM_SIZE:
            page->layout();
            return TRUE;
        case WM_COMMAND:
            page->command(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_NOTIFY:
            return page->notify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_HSCROLL:
            page->scrolled(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) != GetDlgItem(window, IDC_INSTANT_LIST)) return FALSE;
            page->showContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return TRUE;
        case WM_DROPFILES:
            page->dropFiles(reinterpret_cast<HDROP>(wParam));
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HWND createInstantPage(HWND mainWindow, const PageContext& context, InstantController& instant) {
    PageArguments arguments{context, instant};
    return createPageDialog(IDD_INSTANT_PAGE, mainWindow, instantPageProc, reinterpret_cast<LPARAM>(&arguments));
}
