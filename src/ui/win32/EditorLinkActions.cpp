#include "ui/win32/EditorLinkActions.h"

#include <shellapi.h>

#include <string_view>

#include "winutil/WideText.h"
#include "ui/EditorLinks.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/ProgramEditorIds.h"

namespace {

struct InfoLink {
    int id;
    std::u16string_view message;
};

// The links that show an information box.
constexpr InfoLink infoLinks[] = {
    {IDC_LOUDNESS_LINK, loudnessAdvice},
    {IDC_RECORDING_LINK, recordingAdvice},
    {IDC_SEQUENTIAL_INFO, sequentialPlayNote},
    {IDC_RANDOM_INFO, randomPlayNote},
    {IDC_VOLUME_GUIDE_LINK, volumeAdvice},
    {IDC_LATE_START_LINK, lateStartNote},
    {IDC_FADE_LINK, fadeNote},
    {IDC_DEVICE_LINK, deviceNote},
    {IDC_EXPERT_LINK, expertNote},
};

INT_PTR CALLBACK amplifierProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            setControlText(dialog, IDC_AMPLIFIER_TEXT, amplifierAdvice);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

// The folder in Explorer; the shell reports a missing folder itself.
void openSampleFolder(HWND dialog, const std::u16string& folder) {
    showAppMessage(dialog, sampleAudioText(folder), MessageIcon::information);
    const std::wstring path = toWide(folder);
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof open;
    open.hwnd = dialog;
    open.lpVerb = L"open";
    open.lpFile = path.c_str();
    open.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&open);
}

}  // namespace

bool runEditorLink(HWND dialog, int id, const std::u16string& musicDir) {
    if (id == IDC_AMPLIFIER_LINK) {
        runDialog(dialog, IDD_AMPLIFIER_POWER, amplifierProc, nullptr);
        return true;
    }
    if (id == IDC_SAMPLE_AUDIO_LINK) {
        openSampleFolder(dialog, musicDir);
        return true;
    }
    for (const InfoLink& link : infoLinks) {
        if (link.id != id) continue;
        showAppMessage(dialog, link.message, MessageIcon::information);
        return true;
    }
    return false;
}
