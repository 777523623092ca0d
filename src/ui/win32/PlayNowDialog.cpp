#include "ui/win32/PlayNowDialog.h"

#include <commctrl.h>

#include <variant>

#include "data/Text.h"
#include "ui/EditorLinks.h"
#include "ui/ProgramEditorCheck.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/PlayNowDialogIds.h"

namespace {

struct PlayNowState {
    const ProgramRecord& program;
    int amount = 0;
    bool countMode() const { return program.countMode != 0; }
    int edit() const { return countMode() ? IDC_PLAY_NOW_SONGS : IDC_PLAY_NOW_SECONDS; }
};

void initialise(HWND dialog, const PlayNowState& state) {
    const ProgramRecord& program = state.program;
    setControlText(dialog, state.countMode() ? IDC_PLAY_NOW_SONGS_NAME : IDC_PLAY_NOW_SECONDS_NAME,
                   fixedView(program.name));
    setControlText(dialog, state.edit(), formatNumber(state.countMode() ? program.songCount : program.seconds));
}

void confirm(HWND dialog, PlayNowState& state) {
    const auto checked = checkPlayNowAmount(state.countMode(), controlText(dialog, state.edit()));
    if (const auto* failure = std::get_if<PlayNowFailure>(&checked)) {
        showInputFailure(dialog, *failure, [&state](PlayNowField) { return state.edit(); });
        return;
    }
    state.amount = std::get<int>(checked);
    EndDialog(dialog, IDOK);
}

// The fade link answers a click and its own id as a command, so it can be driven from outside.
void showFadeNote(HWND dialog) {
    showAppMessage(dialog, playNowFadeMessage, MessageIcon::information);
}

INT_PTR CALLBACK playNowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogState(dialog, lParam);
            initialise(dialog, *reinterpret_cast<const PlayNowState*>(lParam));
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            const bool clicked = header->code == NM_CLICK || header->code == NM_RETURN;
            if (header->idFrom != IDC_PLAY_NOW_FADE_LINK || !clicked) return FALSE;
            showFadeNote(dialog);
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    confirm(dialog, dialogState<PlayNowState>(dialog));
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                case IDC_PLAY_NOW_FADE_LINK:
                    showFadeNote(dialog);
                    return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

std::optional<int> askPlayNowAmount(HWND owner, const ProgramRecord& program) {
    PlayNowState state{program};
    const int dialog = state.countMode() ? IDD_PLAY_NOW_SONGS : IDD_PLAY_NOW_SECONDS;
    if (runDialog(owner, dialog, playNowProc, &state) != IDOK) return std::nullopt;
    return state.amount;
}
