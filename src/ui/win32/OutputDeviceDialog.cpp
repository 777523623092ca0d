#include "ui/win32/OutputDeviceDialog.h"

#include <optional>
#include <string>
#include <string_view>

#include "audio/DefaultDevice.h"
#include "audio/win32/OutputDevices.h"
#include "audio/win32/ToolsSource.h"
#include "audio/win32/WarmUp.h"
#include "data/Text.h"
#include "winutil/WideText.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/OutputDeviceDialogIds.h"

namespace {

// Once, a moment after opening, so that the notices appear over the visible dialog.
constexpr UINT_PTR noticeTimer = 1010;
constexpr UINT noticeDelayMs = 250;

constexpr std::u16string_view missingDeviceText = u"该设备不存在：　　　　　　　　　　　　　 \n%s\n\n ";
constexpr std::u16string_view emptyChoiceText = u"请选取音频输出设备　　　　　   \n\n\n ";
constexpr std::u16string_view switchedText = u"切换设备：\n下次播放音频/语音时生效 !　　   \n\n ";

struct DeviceDialogState {
    std::u16string current;  // the device in the settings
    std::u16string exeDir;
    std::u16string enumerationError;
    bool savedDeviceMissing = false;
    std::optional<std::u16string> chosen;  // set only when it differs from `current`
};

void enableList(HWND dialog) {
    enableControls(dialog, {IDC_DEVICE_LIST}, isChecked(dialog, IDC_LISTED_DEVICE));
}

void initialise(HWND dialog, DeviceDialogState& state) {
    const OutputDeviceList devices = listOutputDevices();
    state.enumerationError = devices.errorText;
    const HWND list = GetDlgItem(dialog, IDC_DEVICE_LIST);
    for (const std::u16string& name : devices.names) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(name).c_str()));
    }
    const std::u16string_view device = state.current;
    const bool isDefault = sameTextIgnoringCase(device, defaultDeviceName);
    setChecked(dialog, isDefault ? IDC_DEFAULT_DEVICE : IDC_LISTED_DEVICE, true);
    enableList(dialog);
    if (isDefault) {
        SendMessageW(list, CB_SETCURSEL, 0, 0);
    } else {
        const LRESULT found = SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(toWide(device).c_str()));
        state.savedDeviceMissing = found == CB_ERR;
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    }
    SetTimer(dialog, noticeTimer, noticeDelayMs, nullptr);
}

void showNotices(HWND dialog, const DeviceDialogState& state) {
    KillTimer(dialog, noticeTimer);
    if (!state.enumerationError.empty()) showAppMessage(dialog, state.enumerationError, MessageIcon::warning);
    if (state.savedDeviceMissing) {
        showAppMessage(dialog, formatText(missingDeviceText, {state.current}), MessageIcon::warning);
    }
}

std::u16string selectedDevice(HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_DEVICE_LIST);
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    const LRESULT length = index == CB_ERR ? CB_ERR : SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    name.resize(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data()))));
    return fromWide(name);
}

void confirm(HWND dialog, DeviceDialogState& state) {
    const std::u16string choice =
        isChecked(dialog, IDC_DEFAULT_DEVICE) ? std::u16string(defaultDeviceName) : selectedDevice(dialog);
    if (choice.empty()) {
        showAppMessage(dialog, emptyChoiceText, MessageIcon::information);
        return;
    }
    if (!sameTextIgnoringCase(choice, state.current)) {
        state.chosen = choice;
        warmUpDevice(choice, dialog, toolsConfigFor(state.exeDir));
        showAppMessage(dialog, switchedText, MessageIcon::information);
    }
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK outputDeviceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == noticeTimer) {
        showNotices(dialog, dialogState<DeviceDialogState>(dialog));
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDC_DEFAULT_DEVICE || LOWORD(wParam) == IDC_LISTED_DEVICE)) {
        enableList(dialog);
        return TRUE;
    }
    return confirmingDialogProc<DeviceDialogState, initialise, confirm>(dialog, message, wParam, lParam);
}

}  // namespace

std::optional<std::u16string> chooseOutputDevice(HWND owner, std::u16string_view current, const std::u16string& exeDir) {
    DeviceDialogState state;
    state.current = std::u16string(current);
    state.exeDir = exeDir;
    if (runDialog(owner, IDD_OUTPUT_DEVICE, outputDeviceProc, &state) != IDOK) return std::nullopt;
    return state.chosen;
}
