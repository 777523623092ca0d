#include "ui/win32/InstantRunDialog.h"

#include <commctrl.h>

#include "data/Text.h"
#include "ui/win32/InstantPageIds.h"
#include "ui/win32/DialogSupport.h"

namespace {

constexpr char16_t fadeNote[] = u"分两种情况：\n播 n 秒  -  末尾 9 秒淡出；　　　  \n播 n 首  -  没有淡出效果。";
constexpr char16_t deviceNote[] =
    u"参看：\n主界面左侧 > 设置栏 > 选音频设备、多路\n( 针对 - 含多个音频输出设备/接口的电脑 )  ";

struct RunDialogState {
    const InstantOptions& options;
    InstantRunChoice choice;
};

int editOf(InstantRunField field) {
    return field == InstantRunField::songs ? IDC_RUN_SONGS_EDIT : IDC_RUN_SECONDS_EDIT;
}

// Only the checked radio's edit can be typed into; it takes the focus with its text selected.
void followRadios(HWND dialog) {
    const bool songs = isChecked(dialog, IDC_RUN_SONGS_RADIO);
    enableControls(dialog, {IDC_RUN_SONGS_EDIT}, songs);
    enableControls(dialog, {IDC_RUN_SECONDS_EDIT}, !songs);
    focusAndSelect(dialog, songs ? IDC_RUN_SONGS_EDIT : IDC_RUN_SECONDS_EDIT);
}

void initialise(HWND dialog, const InstantOptions& options) {
    setControlText(dialog, IDC_RUN_SONGS_EDIT, formatNumber(options.songCount));
    setControlText(dialog, IDC_RUN_SECONDS_EDIT, formatNumber(options.seconds));
    // Any count mode other than "播 n 首" runs by seconds.
    setChecked(dialog, options.countMode == 1 ? IDC_RUN_SONGS_RADIO : IDC_RUN_SECONDS_RADIO, true);
    followRadios(dialog);
}

void confirm(HWND dialog, RunDialogState& state) {
    const auto read = readInstantRunChoice(isChecked(dialog, IDC_RUN_SONGS_RADIO),
                                           controlText(dialog, IDC_RUN_SONGS_EDIT),
                                           controlText(dialog, IDC_RUN_SECONDS_EDIT), state.options);
    if (const auto* failure = std::get_if<InstantRunFailure>(&read)) {
        showInputFailure(dialog, *failure, editOf);
        return;
    }
    state.choice = std::get<InstantRunChoice>(read);
    EndDialog(dialog, IDOK);
}

// The links answer a click and their own id as a command, so they can be driven from outside.
bool showNote(HWND dialog, UINT_PTR id) {
    if (id != IDC_RUN_FADE_LINK && id != IDC_RUN_DEVICE_LINK) return false;
    showAppMessage(dialog, id == IDC_RUN_FADE_LINK ? fadeNote : deviceNote, MessageIcon::information);
    return true;
}

INT_PTR CALLBACK runDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogState(dialog, lParam);
            initialise(dialog, reinterpret_cast<const RunDialogState*>(lParam)->options);
            // The focus is placed already.
            return FALSE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code != NM_CLICK && header->code != NM_RETURN) return FALSE;
            return showNote(dialog, header->idFrom) ? TRUE : FALSE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    confirm(dialog, dialogState<RunDialogState>(dialog));
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                case IDC_RUN_SONGS_RADIO:
                case IDC_RUN_SECONDS_RADIO:
                    if (HIWORD(wParam) == BN_CLICKED) followRadios(dialog);
                    return TRUE;
                default:
                    return showNote(dialog, LOWORD(wParam)) ? TRUE : FALSE;
            }
    }
    return FALSE;
}

}  // namespace

std::optional<InstantRunChoice> askInstantRun(HWND owner, const InstantOptions& options) {
    RunDialogState state{options, {}};
    if (runDialog(owner, IDD_INSTANT_RUN, runDialogProc, &state) != IDOK) return std::nullopt;
    return state.choice;
}
