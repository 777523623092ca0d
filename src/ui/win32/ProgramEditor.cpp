#include "ui/win32/ProgramEditor.h"

#include <commctrl.h>

#include <variant>

#include "audio/JobTexts.h"
#include "audio/PlayError.h"
#include "audio/win32/DurationProbe.h"
#include "data/Text.h"
#include "data/win32/NetworkDrive.h"
#include "ui/ProgramEditorCheck.h"
#include "ui/StartTimeList.h"
#include "ui/win32/AudioChoosers.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/EditorLinkActions.h"
#include "ui/win32/ProgramEditorIds.h"
#include "ui/win32/WhenDialogs.h"

namespace {

constexpr int nameLimit = programNameCapacity - 1;
constexpr int pathLimit = pathCapacity - 1;

struct EditorState {
    int index;
    const ProgramEditorContext& context;
    ProgramEditorInput working;  // the start times, days and range; the rest lives in the controls
    bool loading = true;         // no duration probe while the controls are filled
    std::optional<ProgramRecord> confirmed;
};

void setFileMode(HWND dialog, bool fileMode) {
    CheckRadioButton(dialog, IDC_FILE_MODE, IDC_FOLDER_MODE, fileMode ? IDC_FILE_MODE : IDC_FOLDER_MODE);
    enableControls(dialog, {IDC_FILE_PATH, IDC_DURATION, IDC_CHOOSE_FILE}, fileMode);
    enableControls(dialog, {IDC_FOLDER_PATH, IDC_CHOOSE_FOLDER, IDC_SEQUENTIAL, IDC_RANDOM}, !fileMode);
}

void setCountMode(HWND dialog, bool countMode) {
    CheckRadioButton(dialog, IDC_SECONDS_MODE, IDC_SONGS_MODE, countMode ? IDC_SONGS_MODE : IDC_SECONDS_MODE);
    EnableWindow(GetDlgItem(dialog, IDC_SONGS), countMode);
    EnableWindow(GetDlgItem(dialog, IDC_SECONDS), !countMode);
}

void showDuration(HWND dialog, const EditorState& state) {
    const std::u16string path(trimText(controlText(dialog, IDC_FILE_PATH)));
    const std::int32_t length = probeDurationMs(path, toolsConfigFor(state.context.exeDir));
    setControlText(dialog, IDC_DURATION, formatMinSec(length));
}

void showWhen(HWND dialog, const ProgramEditorInput& working) {
    setControlText(dialog, IDC_START_SUMMARY, editorStartTimeSummary(working.startTimes));
    setControlText(dialog, IDC_DAY_SUMMARY, daySelectionText(working.days));
    setControlText(dialog, IDC_RANGE_TEXT, dateRangeText(working.dateRange));
}

void initialise(HWND dialog, EditorState& state) {
    const ProgramEditorInput& input = state.working;
    SendDlgItemMessageW(dialog, IDC_NAME, EM_LIMITTEXT, nameLimit, 0);
    SendDlgItemMessageW(dialog, IDC_FILE_PATH, EM_LIMITTEXT, pathLimit, 0);
    SendDlgItemMessageW(dialog, IDC_FOLDER_PATH, EM_LIMITTEXT, pathLimit, 0);
    if (state.index >= 0) SetDlgItemTextW(dialog, IDOK, L"修改");
    setControlText(dialog, IDC_NAME, input.name);
    setControlText(dialog, IDC_FILE_PATH, input.filePath);
    setControlText(dialog, IDC_FOLDER_PATH, input.folderPath);
    setFileMode(dialog, input.fileMode);
    CheckRadioButton(dialog, IDC_SEQUENTIAL, IDC_RANDOM, input.sequential ? IDC_SEQUENTIAL : IDC_RANDOM);
    setControlText(dialog, IDC_VOLUME, input.volume);
    setCountMode(dialog, input.countMode);
    setControlText(dialog, IDC_SONGS, input.songs);
    setControlText(dialog, IDC_SECONDS, input.seconds);
    showWhen(dialog, input);
    CheckRadioButton(dialog, IDC_ON_TIME, IDC_DELAYABLE, input.delayable ? IDC_DELAYABLE : IDC_ON_TIME);
    setChecked(dialog, IDC_DISABLED, input.disabled);
    if (input.filePath.empty()) setControlText(dialog, IDC_DURATION, u"00:00");
    else showDuration(dialog, state);
    state.loading = false;
}

int controlOf(EditorField field) {
    switch (field) {
        case EditorField::filePath:
            return IDC_FILE_PATH;
        case EditorField::folderPath:
            return IDC_FOLDER_PATH;
        case EditorField::volume:
            return IDC_VOLUME;
        case EditorField::startTimes:
            return IDC_START_SUMMARY;
        case EditorField::songs:
            return IDC_SONGS;
        case EditorField::seconds:
            return IDC_SECONDS;
        case EditorField::days:
            return IDC_DAY_SUMMARY;
        case EditorField::name:
            break;
    }
    return IDC_NAME;
}

ProgramEditorInput readControls(HWND dialog, const EditorState& state) {
    ProgramEditorInput input = state.working;
    input.name = controlText(dialog, IDC_NAME);
    input.fileMode = isChecked(dialog, IDC_FILE_MODE);
    input.filePath = controlText(dialog, IDC_FILE_PATH);
    input.folderPath = controlText(dialog, IDC_FOLDER_PATH);
    input.sequential = isChecked(dialog, IDC_SEQUENTIAL);
    input.volume = controlText(dialog, IDC_VOLUME);
    input.countMode = isChecked(dialog, IDC_SONGS_MODE);
    input.songs = controlText(dialog, IDC_SONGS);
    input.seconds = controlText(dialog, IDC_SECONDS);
    input.delayable = isChecked(dialog, IDC_DELAYABLE);
    input.disabled = isChecked(dialog, IDC_DISABLED);
    return input;
}

void confirm(HWND dialog, EditorState& state) {
    const std::vector<ProgramRecord>& programs = state.context.programs.programs();
    const auto checked =
        checkProgramInput(programs, state.index, readControls(dialog, state), state.context.fs, isNetworkDrive);
    if (const auto* failure = std::get_if<EditorFailure>(&checked)) {
        showInputFailure(dialog, *failure, controlOf);
        return;
    }
    const ProgramRecord& record = std::get<ProgramRecord>(checked);
    if (state.index >= 0) {
        const std::u16string oldName(fixedView(programs[static_cast<std::size_t>(state.index)].name));
        const bool renamed = fixedView(record.name) != oldName;
        if (state.context.programs.isPlaying(oldName) && !askAppWarning(dialog, stopToModifyQuestion(oldName, renamed))) {
            return;
        }
    }
    state.confirmed = record;
    EndDialog(dialog, IDOK);
}

void choosePath(HWND dialog, bool folder) {
    const int edit = folder ? IDC_FOLDER_PATH : IDC_FILE_PATH;
    const std::u16string current(trimText(controlText(dialog, edit)));
    const auto chosen = folder ? chooseAudioFolder(dialog, current) : chooseAudioFile(dialog, current);
    if (chosen) setControlText(dialog, edit, *chosen);
}

bool command(HWND dialog, EditorState& state, int id, int notification) {
    switch (id) {
        case IDC_FILE_MODE:
        case IDC_FOLDER_MODE:
            setFileMode(dialog, id == IDC_FILE_MODE);
            return true;
        case IDC_SONGS_MODE:
        case IDC_SECONDS_MODE:
            setCountMode(dialog, id == IDC_SONGS_MODE);
            return true;
        case IDC_FILE_PATH:
            if (notification == EN_CHANGE && !state.loading) showDuration(dialog, state);
            return true;
        case IDC_CHOOSE_FILE:
        case IDC_CHOOSE_FOLDER:
            choosePath(dialog, id == IDC_CHOOSE_FOLDER);
            return true;
        case IDC_SET_START_TIMES:
            if (editStartTimes(dialog, state.working.startTimes) == IDOK) showWhen(dialog, state.working);
            return true;
        case IDC_CHOOSE_DAYS:
            if (editDaySelection(dialog, state.working.days) == IDOK) showWhen(dialog, state.working);
            return true;
        case IDC_SET_RANGE:
            if (editDateRange(dialog, state.working.dateRange) == IDOK) showWhen(dialog, state.working);
            return true;
        case IDOK:
            confirm(dialog, state);
            return true;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return true;
    }
    // Links answer their id as a command too, so they can be driven from outside.
    return runEditorLink(dialog, id, state.context.musicDir);
}

INT_PTR CALLBACK editorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogState(dialog, lParam);
            initialise(dialog, *reinterpret_cast<EditorState*>(lParam));
            return TRUE;
        case WM_COMMAND:
            return command(dialog, dialogState<EditorState>(dialog), LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code != NM_CLICK && header->code != NM_RETURN) return FALSE;
            return runEditorLink(dialog, static_cast<int>(header->idFrom), dialogState<EditorState>(dialog).context.musicDir)
                       ? TRUE
                       : FALSE;
        }
    }
    return FALSE;
}

}  // namespace

std::optional<ProgramRecord> editProgram(HWND owner, int index, const ProgramEditorContext& context) {
    const std::vector<ProgramRecord>& programs = context.programs.programs();
    const bool modifying = index >= 0 && static_cast<std::size_t>(index) < programs.size();
    EditorState state{modifying ? index : -1, context,
                      editorInputFor(modifying ? &programs[static_cast<std::size_t>(index)] : nullptr)};
    if (runDialog(owner, IDD_PROGRAM_EDITOR, editorProc, &state) != IDOK) return std::nullopt;
    return state.confirmed;
}
