#include <windows.h>

#include "instant/win32/InstantPageIds.h"
#include "ui/win32/PageSupport.h"
#include "ui/win32/Pages.h"

namespace {

// The immediate-play list and its load arrive with their own page; until then the load
// command finds nothing to read.
INT_PTR CALLBACK instantPageProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

}  // namespace

HWND createInstantPage(HWND mainWindow) {
    return createPageDialog(IDD_INSTANT_PAGE, mainWindow, instantPageProc);
}
