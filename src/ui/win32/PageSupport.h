#pragma once
// What the pages share: their creation as modeless children of the main window, their white
// background and the line along their top.
#include <windows.h>


// Creates the dialog `templateId` as a child of `mainWindow` and gives it the main window's
// title, so that its message boxes carry that title; `param` reaches WM_INITDIALOG. Null when
// the template cannot be made.
HWND createPageDialog(int templateId, HWND mainWindow, DLGPROC procedure, LPARAM param = 0);

// The object of a page that lives as long as its dialog, kept in DWLP_USER: made from the
// creation's `Arguments` and set up at WM_INITDIALOG, torn down and deleted at WM_DESTROY.
// Returns it for every other message; null for those two, and before and after its life.
template <typename Page, typename Arguments>
Page* pageObject(HWND window, UINT message, LPARAM lParam) {
    auto* page = reinterpret_cast<Page*>(GetWindowLongPtrW(window, DWLP_USER));
    if (message == WM_INITDIALOG) {
        page = new Page(window, *reinterpret_cast<const Arguments*>(lParam));
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->setUp();
        return nullptr;
    }
    if (message == WM_DESTROY) {
        if (page) page->tearDown();
        SetWindowLongPtrW(window, DWLP_USER, 0);
        delete page;
        return nullptr;
    }
    return page;
}

// The answer to WM_CTLCOLORDLG and WM_CTLCOLORSTATIC of a page drawn on white.
INT_PTR whitePageBackground(WPARAM deviceContext);
// Where the menu of WM_CONTEXTMENU opens: at the mouse, or at the control's corner when the
// keyboard asked for it.
POINT contextMenuPoint(HWND control, LPARAM lParam);
// The answer to WM_PAINT of a page: a light grey line, 3 × `scale` high, along its top edge.
void paintPageTopLine(HWND page, double scale);
// The same line, for a page that paints more.
void fillPageTopLine(HWND page, HDC dc, double scale);
