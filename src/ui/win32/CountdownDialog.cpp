#include "ui/win32/CountdownDialog.h"

#include <string>

#include "data/Text.h"
#include "winutil/WideText.h"
#include "ui/win32/DialogSupport.h"
#include "ui/win32/SettingsPageIds.h"
#include "winutil/GdiObjects.h"
#include "winutil/PngResource.h"

namespace {

constexpr UINT_PTR countdownTimer = 1;
constexpr COLORREF backgroundColour = RGB(0xEB, 0xFF, 0xFF);
constexpr COLORREF digitColour = RGB(250, 0, 0);

struct CountdownArguments {
    int mode;
    PowerSwitch& power;
    double scale;
};

// Made once and kept for the process: a countdown can open on any day the program runs.
HBRUSH backgroundBrush() {
    static const UniqueBrush brush(CreateSolidBrush(backgroundColour));
    return brush.get();
}

HFONT digitFont(HWND dialog) {
    static const UniqueFont font(makeDigitFont(dialog, 4.0));
    return font.get();
}

// The open dialog: the count lives in the band's window text, where it is painted large and
// where tools that read windows find it.
class CountdownWindow : public CountdownDisplay {
public:
    CountdownWindow(HWND dialog, const CountdownArguments& arguments)
        : dialog_(dialog), scale_(arguments.scale), countdown_(arguments.mode, arguments.power, *this) {}

    void setUp() {
        setControlText(dialog_, IDC_COUNTDOWN_TEXT, countdownTitle(countdown_.mode()));
        digitFont(dialog_);
        placeBand();
        showCount(countdown_.count());
        SetTimer(dialog_, countdownTimer, countdownTickMs, nullptr);
    }

    ShutdownCountdown& countdown() { return countdown_; }

    void showCount(int count) override {
        setControlText(dialog_, IDC_COUNTDOWN_DIGITS, formatNumber(count));
        InvalidateRect(GetDlgItem(dialog_, IDC_COUNTDOWN_DIGITS), nullptr, FALSE);
    }
    void stopTimer() override { KillTimer(dialog_, countdownTimer); }
    void showFailure(std::u16string_view text) override { showAppMessage(dialog_, text, MessageIcon::error); }
    void close() override { EndDialog(dialog_, 0); }

private:
    // The full client width, from 5·uiScale below the text line to 10·uiScale above "取消".
    void placeBand() {
        RECT client{};
        GetClientRect(dialog_, &client);
        const int top = childRect(dialog_, IDC_COUNTDOWN_TEXT).bottom + static_cast<int>(5 * scale_);
        const int bottom = childRect(dialog_, IDCANCEL).top - static_cast<int>(10 * scale_);
        MoveWindow(GetDlgItem(dialog_, IDC_COUNTDOWN_DIGITS), 0, top, client.right, bottom - top, FALSE);
    }

    HWND dialog_;
    double scale_;
    ShutdownCountdown countdown_;
};

void paintBand(HWND dialog, const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, backgroundBrush());
    const std::wstring count = toWide(controlText(dialog, IDC_COUNTDOWN_DIGITS));
    const HGDIOBJ oldFont = SelectObject(item.hDC, digitFont(dialog));
    SetTextColor(item.hDC, digitColour);
    SetBkMode(item.hDC, TRANSPARENT);
    RECT band = item.rcItem;
    DrawTextW(item.hDC, count.c_str(), static_cast<int>(count.size()), &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, oldFont);
}

INT_PTR CALLBACK countdownProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<CountdownWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            window = new CountdownWindow(dialog, *reinterpret_cast<const CountdownArguments*>(lParam));
            keepDialogState(dialog, reinterpret_cast<LPARAM>(window));
            window->setUp();
            return TRUE;
        case WM_DESTROY:
            KillTimer(dialog, countdownTimer);
            keepDialogState(dialog, 0);
            delete window;
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(backgroundBrush());
        case WM_DRAWITEM:
            if (wParam != IDC_COUNTDOWN_DIGITS) return FALSE;
            paintBand(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
    }
    if (!window) return FALSE;
    switch (message) {
        case WM_TIMER:
            if (wParam == countdownTimer) window->countdown().tick();
            return TRUE;
        case WM_COMMAND:
            // "取消", Escape and the close box all send IDCANCEL.
            if (LOWORD(wParam) != IDCANCEL) return FALSE;
            window->countdown().cancel();
            return TRUE;
    }
    return FALSE;
}

}  // namespace

void runCountdownDialog(HWND owner, int mode, PowerSwitch& power, double scale) {
    CountdownArguments arguments{mode, power, scale};
    runDialog(owner, IDD_COUNTDOWN, countdownProc, &arguments);
}
