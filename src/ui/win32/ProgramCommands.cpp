#include "ui/win32/ProgramCommands.h"

#include <commctrl.h>

#include "audio/JobTexts.h"
#include "data/Text.h"
#include "data/win32/Win32Prompt.h"
#include "scheduler/TimedPlayController.h"
#include "data/ProgramListOps.h"
#include "ui/ProgramListTexts.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/ListViewText.h"
#include "ui/win32/PlayNowDialog.h"
#include "ui/win32/ProgramEditor.h"
#include "ui/win32/TimedPlayPageIds.h"
#include "winutil/UniqueMenu.h"

namespace {

HWND programList(HWND page) {
    return GetDlgItem(page, IDC_PROGRAM_LIST);
}

// The selection, or none after the message of a command that needs one.
std::vector<int> selectionFor(HWND page, std::u16string_view needsSelection) {
    std::vector<int> rows = selectedListRows(programList(page));
    if (rows.empty()) showAppMessage(page, needsSelection, MessageIcon::information);
    return rows;
}

void addProgram(HWND page, const ProgramCommandTargets& targets) {
    const std::u16string full = programCapacityMessage(targets.programs.programs().size());
    if (!full.empty()) {
        showAppMessage(page, full, MessageIcon::warning);
        return;
    }
    const auto program = editProgram(page, -1, targets.editor);
    if (!program) return;
    Win32Prompt prompt(page);
    targets.programs.add(*program, prompt);
}

void modifyProgram(HWND page, const ProgramCommandTargets& targets) {
    const std::vector<int> rows = selectionFor(page, modifyNeedsSelection);
    if (rows.empty()) return;
    const auto program = editProgram(page, rows.front(), targets.editor);
    if (!program) return;
    Win32Prompt prompt(page);
    targets.programs.modify(rows.front(), *program, prompt);
}

void deleteSelected(HWND page, const ProgramCommandTargets& targets) {
    const std::vector<int> rows = selectionFor(page, deleteNeedsSelection);
    if (rows.empty() || !askAppQuestion(page, deleteQuestion)) return;
    Win32Prompt prompt(page);
    targets.programs.remove(rows, prompt);
}

void disableSelected(HWND page, const ProgramCommandTargets& targets) {
    const std::vector<int> rows = selectionFor(page, disableNeedsSelection);
    if (rows.empty()) return;
    Win32Prompt prompt(page);
    if (targets.programs.disable(rows, prompt).disabledAPlayingProgram) {
        showAppMessage(page, disabledPlayingWarning, MessageIcon::warning);
    }
}

void enableSelected(HWND page, const ProgramCommandTargets& targets) {
    const std::vector<int> rows = selectionFor(page, enableNeedsSelection);
    if (rows.empty()) return;
    Win32Prompt prompt(page);
    targets.programs.enable(rows, prompt);
}

void moveSelected(HWND page, const ProgramCommandTargets& targets, int step) {
    const std::vector<int> rows = selectedListRows(programList(page));
    Win32Prompt prompt(page);
    if (step < 0) targets.programs.moveUp(rows, prompt);
    else targets.programs.moveDown(rows, prompt);
}

// The user's locale, letter case ignored.
int collateNames(std::u16string_view a, std::u16string_view b) {
    const int order = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, reinterpret_cast<LPCWSTR>(a.data()),
                                      static_cast<int>(a.size()), reinterpret_cast<LPCWSTR>(b.data()),
                                      static_cast<int>(b.size()), nullptr, nullptr, 0);
    return order == 0 ? 0 : order - CSTR_EQUAL;
}

void sortPrograms(HWND page, const ProgramCommandTargets& targets, bool byName, bool descending) {
    Win32Prompt prompt(page);
    if (byName) targets.programs.sortByName(collateNames, descending, prompt);
    else targets.programs.sortByTime(descending, prompt);
}

void playSelectedNow(HWND page, const ProgramCommandTargets& targets) {
    const std::vector<int> rows = selectionFor(page, playNowNeedsSelection);
    if (rows.empty()) return;
    const ProgramRecord program = targets.programs.programs().at(static_cast<std::size_t>(rows.front()));
    if (const auto amount = askPlayNowAmount(page, program)) targets.timedPlay.playNow(program, *amount);
}

}  // namespace

bool runProgramCommand(HWND page, const ProgramCommandTargets& targets, int id) {
    switch (id) {
        case IDM_ADD_PROGRAM:
            addProgram(page, targets);
            return true;
        case IDM_MODIFY_PROGRAM:
            modifyProgram(page, targets);
            return true;
        case IDM_DELETE_PROGRAMS:
            deleteSelected(page, targets);
            return true;
        case IDM_ENABLE_PROGRAMS:
            enableSelected(page, targets);
            return true;
        case IDM_DISABLE_PROGRAMS:
            disableSelected(page, targets);
            return true;
        case IDM_MOVE_UP:
            moveSelected(page, targets, -1);
            return true;
        case IDM_MOVE_DOWN:
            moveSelected(page, targets, 1);
            return true;
        case IDM_SORT_NAME_UP:
        case IDM_SORT_NAME_DOWN:
            sortPrograms(page, targets, true, id == IDM_SORT_NAME_DOWN);
            return true;
        case IDM_SORT_TIME_UP:
        case IDM_SORT_TIME_DOWN:
            sortPrograms(page, targets, false, id == IDM_SORT_TIME_DOWN);
            return true;
        case IDM_PLAY_NOW:
            playSelectedNow(page, targets);
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
