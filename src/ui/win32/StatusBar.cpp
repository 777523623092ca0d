#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <memory>

#include "audio/DefaultDevice.h"
#include "audio/win32/ToolsSource.h"
#include "audio/win32/WarmUp.h"
#include "data/Text.h"
#include "system/DeviceBar.h"
#include "system/win32/SystemVolumeReader.h"
#include "ui/ListColumns.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"
#include "ui/win32/SettingsPageIds.h"
#include "ui/win32/StatusBarIds.h"
#include "winutil/GdiObjects.h"
#include "winutil/PictureDialog.h"

namespace {

constexpr COLORREF barColour = RGB(220, 235, 248);
constexpr COLORREF topLineColour = RGB(196, 221, 242);
constexpr COLORREF volumeColour = RGB(245, 70, 70);
constexpr COLORREF volumeDialogColour = RGB(230, 230, 230);

// The visible controls, which move together; the last is the rightmost.
constexpr std::array groupIds{IDC_DEVICE_TEXT, IDC_CHOOSE_DEVICE_LINK, IDC_VOLUME_LABEL, IDC_VOLUME_TEXT,
                              IDC_VOLUME_HELP_LINK};

// Windows as the bar's refresh reaches it.
class WindowsDeviceBar : public DeviceBarSystem {
public:
    WindowsDeviceBar(HWND bar, int osMajor, const std::u16string& exeDir) : bar_(bar), osMajor_(osMajor), exeDir_(exeDir) {}

    VolumeReading readVolume(std::u16string_view device) override { return readSystemVolume(osMajor_, device); }
    std::u16string readDefaultDevice() override { return readDefaultDeviceName(osMajor_); }
    void warmUpDefaultDevice() override { warmUpDevice(defaultDeviceName, bar_, toolsConfigFor(exeDir_)); }

private:
    HWND bar_;
    int osMajor_;
    const std::u16string& exeDir_;
};

struct StatusBarArguments {
    HWND navBar;
    const PageContext& context;
    const SettingsStore& settings;
};

struct StatusBarState {
    HWND navBar;
    double scale;
    int osMajor;
    std::u16string exeDir;
    const SettingsStore& settings;
    UniqueFont volumeFont;
    std::u16string lastDefaultDevice;
    std::array<RECT, groupIds.size()> templateRects{};  // the group where the template puts it
};
std::unique_ptr<StatusBarState> state;

void keepTemplatePositions(HWND bar) {
    for (std::size_t i = 0; i < groupIds.size(); ++i) {
        RECT& rect = state->templateRects[i];
        GetWindowRect(GetDlgItem(bar, groupIds[i]), &rect);
        MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&rect), 2);
    }
}

// Centred as a group: the template's spacing kept, the whole moved right.
void centreGroup(HWND bar, int clientWidth) {
    const int shift = std::max(0, (clientWidth - static_cast<int>(state->templateRects.back().right)) / 2);
    for (std::size_t i = 0; i < groupIds.size(); ++i) {
        const RECT& rect = state->templateRects[i];
        SetWindowPos(GetDlgItem(bar, groupIds[i]), nullptr, rect.left + shift, rect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Twice a second the same texts mostly: only changes are set, so nothing flickers; true for a
// change.
bool showText(HWND bar, int id, const std::u16string& text) {
    if (controlText(bar, id) == text) return false;
    setControlText(bar, id, text);
    return true;
}

void refresh(HWND bar) {
    WindowsDeviceBar windows(bar, state->osMajor, state->exeDir);
    const DeviceBarTexts texts =
        refreshDeviceBar(state->lastDefaultDevice, windows, fixedView(state->settings.settings().outputDevice));
    const bool deviceChanged = showText(bar, IDC_DEVICE_TEXT, texts.device);
    const bool volumeChanged = showText(bar, IDC_VOLUME_TEXT, texts.volume);
    // Redrawn with the bar's news only: scaling its pictures twice a second would cost more
    // than everything else the waiting program does.
    if (deviceChanged || volumeChanged) InvalidateRect(state->navBar, nullptr, FALSE);
}

void paintTopLine(HWND bar) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bar, &paint);
    RECT client;
    GetClientRect(bar, &client);
    const RECT line{1, 0, client.right - 1, std::max(1, scaledPixels(1, state->scale))};
    UniqueBrush brush(CreateSolidBrush(topLineColour));
    FillRect(dc, &line, brush.get());
    EndPaint(bar, &paint);
}

void showVolumePicture(HWND bar) {
    const bool coreAudio = state->osMajor > 5;
    showPictureDialog(bar, {coreAudio ? IDD_SYSTEM_VOLUME_NEW : IDD_SYSTEM_VOLUME_OLD,
                            coreAudio ? IDB_SYSTEM_VOLUME_NEW : IDB_SYSTEM_VOLUME_OLD, IDC_VOLUME_PICTURE,
                            volumeDialogColour});
}

// A click on a link, or its command: true when the bar knows it.
bool follow(HWND bar, UINT_PTR id) {
    switch (id) {
        case IDC_CHOOSE_DEVICE_LINK:
            // The settings page chooses the device, keeps it and shows it.
            SendMessageW(GetParent(bar), WM_COMMAND, MAKEWPARAM(IDC_CHOOSE_DEVICE, 0), 0);
            return true;
        case IDC_VOLUME_HELP_LINK:
            showVolumePicture(bar);
            return true;
        case IDC_REFRESH_BAR:
            refresh(bar);
            return true;
        default:
            return false;
    }
}

// The bar's colour as the device context's own brush: a stock object, because Wine's link
// control deletes the brush it is given.
INT_PTR barBrush(WPARAM deviceContext) {
    SetDCBrushColor(reinterpret_cast<HDC>(deviceContext), barColour);
    return reinterpret_cast<INT_PTR>(GetStockObject(DC_BRUSH));
}

INT_PTR colourControl(WPARAM deviceContext, LPARAM control) {
    const HDC dc = reinterpret_cast<HDC>(deviceContext);
    if (GetDlgCtrlID(reinterpret_cast<HWND>(control)) == IDC_VOLUME_TEXT) {
        SetTextColor(dc, volumeColour);
        SetBkColor(dc, barColour);
    } else {
        SetBkMode(dc, TRANSPARENT);
    }
    return barBrush(deviceContext);
}

INT_PTR CALLBACK statusBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
        {
            const auto& arguments = *reinterpret_cast<const StatusBarArguments*>(lParam);
            state.reset(new StatusBarState{arguments.navBar, arguments.context.uiScale, arguments.context.osMajor,
                                           arguments.context.exeDir, arguments.settings});
        }
            state->volumeFont.reset(makeDigitFont(window, 1.85));
            SendDlgItemMessageW(window, IDC_VOLUME_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(state->volumeFont.get()),
                                FALSE);
            keepTemplatePositions(window);
            refresh(window);
            return TRUE;
        case WM_DESTROY:
            state.reset();
            return TRUE;
        case WM_SIZE:
            centreGroup(window, LOWORD(lParam));
            return TRUE;
        case WM_PAINT:
            paintTopLine(window);
            return TRUE;
        case WM_CTLCOLORDLG:
            return barBrush(wParam);
        case WM_CTLCOLORSTATIC:
            return colourControl(wParam, lParam);
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            return (header.code == NM_CLICK || header.code == NM_RETURN) && follow(window, header.idFrom);
        }
        case WM_COMMAND:
            return follow(window, LOWORD(wParam));
    }
    return FALSE;
}

}  // namespace

HWND createStatusBar(HWND mainWindow, HWND navBar, const PageContext& context, const SettingsStore& settings) {
    const StatusBarArguments arguments{navBar, context, settings};
    return createPageDialog(IDD_STATUS_BAR, mainWindow, statusBarProc, reinterpret_cast<LPARAM>(&arguments));
}
