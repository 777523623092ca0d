#include "shell/win32/NavBar.h"

#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <array>
#include <memory>

#include "shell/AppState.h"
#include "shell/ShellLayout.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/NavBarIds.h"
#include "winutil/PngResource.h"
#include "shell/win32/ShellWindows.h"
#include "winutil/GdiObjects.h"
#include "winutil/SelectedObject.h"

namespace {

constexpr COLORREF backgroundColour = RGB(201, 243, 255);
constexpr COLORREF rightLineColour = RGB(170, 235, 255);
constexpr COLORREF topLineColour = RGB(230, 230, 230);

struct NavBarState {
    UniqueBrush background;
    // Button k: [2k] normal, [2k + 1] selected.
    std::array<std::unique_ptr<Gdiplus::Bitmap>, 2 * navButtonCount> pictures;
};
std::unique_ptr<NavBarState> state;

void fillRect(HDC dc, const RECT& rect, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &rect, brush.get());
}

void paintBar(HDC dc, const RECT& client) {
    const double s = appState().uiScale;
    FillRect(dc, &client, state->background.get());
    {
        Gdiplus::Graphics graphics(dc);
        const NavButtons buttons = navButtonRects(s);
        for (int k = 0; k < navButtonCount; ++k) {
            Gdiplus::Bitmap* picture = state->pictures[2 * k + (k == appState().currentPage ? 1 : 0)].get();
            if (picture == nullptr) continue;
            const RECT target{buttons[k].left, buttons[k].top, buttons[k].right, buttons[k].bottom};
            drawScaled(graphics, *picture, target);
        }
    }
    const int lineWidth = static_cast<int>(s) > 0 ? static_cast<int>(s) : 1;
    fillRect(dc, {client.right - lineWidth, 0, client.right, client.bottom}, rightLineColour);
    fillRect(dc, {0, 0, client.right, static_cast<int>(3 * s)}, topLineColour);
}

// Drawn off screen first, so switching pages does not flicker.
void paint(HWND bar) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(bar, &ps);
    RECT client{};
    GetClientRect(bar, &client);
    const UniqueMemoryDc memory(CreateCompatibleDC(dc));
    const UniqueBitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (memory && bitmap) {
        const SelectedObject selected(memory.get(), bitmap.get());
        paintBar(memory.get(), client);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
    EndPaint(bar, &ps);
}

int buttonUnderCursor(HWND bar) {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(bar, &cursor);
    return navButtonAt(navButtonRects(appState().uiScale), cursor.x, cursor.y);
}

bool setCursor(HWND bar) {
    const HWND main = shellWindows().mainWindow;
    if (inMenuLoop() || GetLastActivePopup(main) != main) return false;
    SetCursor(LoadCursorW(nullptr, buttonUnderCursor(bar) >= 0 ? IDC_HAND : IDC_ARROW));
    return true;
}

INT_PTR CALLBACK navBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            state = std::make_unique<NavBarState>();
            state->background.reset(CreateSolidBrush(backgroundColour));
            for (int i = 0; i < 2 * navButtonCount; ++i) {
                state->pictures[i] = loadPngResource(shellWindows().instance, IDB_NAV_FIRST + i);
            }
            return FALSE;
        case WM_ERASEBKGND:
            SetWindowLongPtrW(bar, DWLP_MSGRESULT, 1);
            return TRUE;
        case WM_PAINT:
            paint(bar);
            return TRUE;
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(state->background.get());
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(state->background.get());
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT || !setCursor(bar)) return FALSE;
            SetWindowLongPtrW(bar, DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_LBUTTONDOWN: {
            const int clicked = navButtonAt(navButtonRects(appState().uiScale), static_cast<short>(LOWORD(lParam)),
                                            static_cast<short>(HIWORD(lParam)));
            showPage(clicked >= 0 ? clicked : appState().currentPage);
            return TRUE;
        }
        case WM_DESTROY:
            state.reset();
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

HWND createNavBar(HWND mainWindow) {
    return CreateDialogParamW(shellWindows().instance, MAKEINTRESOURCEW(IDD_NAV_BAR), mainWindow, navBarProc, 0);
}
