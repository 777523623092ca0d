#include "ui/win32/ProgramCommands.h"

#include <commctrl.h>

#include "audio/JobTexts.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "data/win32/LocalNow.h"
#include "data/win32/Win32Prompt.h"
#include "scheduler/TimedPlayController.h"
#include "shell/AppState.h"
#include "ui/ProgramListOps.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/ListViewText.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/PlayNowDialog.h"
#include "ui/win32/ProgramEditor.h"
#include "ui/win32/TimedPlayLists.h"
#include "ui/win32/TimedPlayPageIds.h"
#include "winutil/UniqueMenu.h"

namespace {

std::vector<ProgramRecord>& programs() {
    return appState().programs;
}

HWND programList(HWND page) {
    return GetDlgItem(page, IDC_PROGRAM_LIST);
}

void save(HWND page) {
    AppState& app = appState();
    Win32Prompt prompt(page);
    savePrograms({appDataFolder(), app.paths.programsFile, &prompt, &app.readFailed.programs}, app.programs);
}

void writeRow(HWND page, int row) {
    writeProgramRow(programList(page), row, programs().at(static_cast<std::size_t>(row)), localNow());
}

void setRowSelected(HWND list, int row, bool selected) {
    ListView_SetItemState(list, row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

// The selection, or none after the message of a command that needs one.
std::vector<int> selectionFor(HWND page, std::u16string_view needsSelection) {
    std::vector<int> rows = selectedListRows(programList(page));
    if (rows.empty()) showAppMessage(page, needsSelection, MessageIcon::information);
    return rows;
}

void addProgram(HWND page, TimedPlayController& timedPlay) {
    const std::u16string full = programCapacityMessage(programs().size());
    if (!full.empty()) {
        showAppMessage(page, full, MessageIcon::warning);
        return;
    }
    if (editProgram(page, -1, timedPlay) != IDOK) return;
    const HWND list = programList(page);
    const int row = appendListRow(list, u"");
    writeRow(page, row);
    deselectAllListRows(list);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, row, FALSE);
    save(page);
}

void modifyProgram(HWND page, TimedPlayController& timedPlay) {
    const std::vector<int> rows = selectionFor(page, modifyNeedsSelection);
    if (rows.empty() || editProgram(page, rows.front(), timedPlay) != IDOK) return;
    writeRow(page, rows.front());
    save(page);
}

void deleteSelected(HWND page, TimedPlayController& timedPlay) {
    const std::vector<int> rows = selectionFor(page, deleteNeedsSelection);
    if (rows.empty() || !askAppQuestion(page, deleteQuestion)) return;
    deletePrograms(programs(), rows, [&](std::u16string_view name) {
        if (timedPlay.isPlaying(name)) timedPlay.stopByName(name, deletedReason);
    });
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) ListView_DeleteItem(programList(page), *row);
    save(page);
}

void disableSelected(HWND page, const TimedPlayController& timedPlay) {
    const std::vector<int> rows = selectionFor(page, disableNeedsSelection);
    if (rows.empty()) return;
    const DisableResult result = disablePrograms(programs(), rows,
                                                  [&](std::u16string_view name) { return timedPlay.isPlaying(name); });
    for (const int row : result.changed) writeRow(page, row);
    if (!result.changed.empty()) save(page);
    if (result.disabledAPlayingProgram) showAppMessage(page, disabledPlayingWarning, MessageIcon::warning);
}

void enableSelected(HWND page) {
    const std::vector<int> rows = selectionFor(page, enableNeedsSelection);
    if (rows.empty()) return;
    const std::vector<int> changed = enablePrograms(programs(), rows);
    for (const int row : changed) writeRow(page, row);
    if (!changed.empty()) save(page);
}

void dropFocusMark(HWND list) {
    const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    if (focused >= 0) ListView_SetItemState(list, focused, 0, LVIS_FOCUSED);
}

// Each selected row trades places with its neighbour (step -1 above, +1 below) and stays selected.
void moveSelected(HWND page, int step) {
    const HWND list = programList(page);
    const std::vector<int> rows = selectedListRows(list);
    const std::vector<int> moved = step < 0 ? moveProgramsUp(programs(), rows) : moveProgramsDown(programs(), rows);
    if (moved.empty()) return;
    dropFocusMark(list);
    const auto moveRow = [&](int row) {
        writeRow(page, row + step);
        writeRow(page, row);
        setRowSelected(list, row + step, true);
        setRowSelected(list, row, false);
    };
    if (step < 0) {
        for (const int row : rows) moveRow(row);
        ListView_EnsureVisible(list, moved.front(), FALSE);
    } else {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row) moveRow(*row);
        ListView_EnsureVisible(list, moved.back(), FALSE);
    }
    save(page);
}

// The user's locale, letter case ignored.
int collateNames(std::u16string_view a, std::u16string_view b) {
    const int order = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, reinterpret_cast<LPCWSTR>(a.data()),
                                      static_cast<int>(a.size()), reinterpret_cast<LPCWSTR>(b.data()),
                                      static_cast<int>(b.size()), nullptr, nullptr, 0);
    return order == 0 ? 0 : order - CSTR_EQUAL;
}

void sortPrograms(HWND page, bool byName, bool descending) {
    const bool sorted = byName ? sortProgramsByName(programs(), collateNames, descending)
                               : sortProgramsByTime(programs(), descending);
    if (!sorted) return;
    rebuildProgramList(programList(page), programs(), localNow());
    save(page);
}

void playSelectedNow(HWND page, TimedPlayController& timedPlay) {
    const std::vector<int> rows = selectionFor(page, playNowNeedsSelection);
    if (rows.empty()) return;
    const ProgramRecord program = programs().at(static_cast<std::size_t>(rows.front()));
    if (const auto amount = askPlayNowAmount(page, program)) timedPlay.playNow(program, *amount);
}

}  // namespace

bool runProgramCommand(HWND page, TimedPlayController& timedPlay, int id) {
    switch (id) {
        case IDM_ADD_PROGRAM:
            addProgram(page, timedPlay);
            return true;
        case IDM_MODIFY_PROGRAM:
            modifyProgram(page, timedPlay);
            return true;
        case IDM_DELETE_PROGRAMS:
            deleteSelected(page, timedPlay);
            return true;
        case IDM_ENABLE_PROGRAMS:
            enableSelected(page);
            return true;
        case IDM_DISABLE_PROGRAMS:
            disableSelected(page, timedPlay);
            return true;
        case IDM_MOVE_UP:
            moveSelected(page, -1);
            return true;
        case IDM_MOVE_DOWN:
            moveSelected(page, 1);
            return true;
        case IDM_SORT_NAME_UP:
        case IDM_SORT_NAME_DOWN:
            sortPrograms(page, true, id == IDM_SORT_NAME_DOWN);
            return true;
        case IDM_SORT_TIME_UP:
        case IDM_SORT_TIME_DOWN:
            sortPrograms(page, false, id == IDM_SORT_TIME_DOWN);
            return true;
        case IDM_PLAY_NOW:
            playSelectedNow(page, timedPlay);
            return true;
    }
    return false;
}

void showListMenu(HWND page, int listId, POINT screen) {
    const int popup = listId == IDC_PROGRAM_LIST ? 0 : listId == IDC_NOW_PLAYING_LIST ? 1 : 2;
    const UniqueMenu menus(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PAGE_MENUS)));
    if (!menus) return;
    TrackPopupMenu(GetSubMenu(menus.get(), popup), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, page,
                   nullptr);
}
