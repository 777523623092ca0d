#include "winutil/PictureDialog.h"

#include <objidl.h>  // gdiplus.h needs it under WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <memory>

#include "winutil/PngResource.h"

namespace {

struct ShownPicture {
    const PictureDialog& dialog;
    std::unique_ptr<Gdiplus::Bitmap> picture;
};

void paintPicture(HWND window, const ShownPicture& shown) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window, &ps);
    Gdiplus::Graphics graphics(dc);
    drawFitted(graphics, *shown.picture, childRect(window, shown.dialog.frameId));
    EndPaint(window, &ps);
}

INT_PTR CALLBACK pictureDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* shown = reinterpret_cast<ShownPicture*>(GetWindowLongPtrW(window, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            shown = reinterpret_cast<ShownPicture*>(lParam);
            shown->picture = loadPngResource(GetModuleHandleW(nullptr), shown->dialog.pictureId);
            return TRUE;
        case WM_PAINT:
            if (!shown || !shown->picture) return FALSE;
            paintPicture(window, *shown);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            if (!shown || !shown->dialog.background) return FALSE;
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            SetDCBrushColor(reinterpret_cast<HDC>(wParam), *shown->dialog.background);
            return reinterpret_cast<INT_PTR>(GetStockObject(DC_BRUSH));
        case WM_COMMAND:
            if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
            EndDialog(window, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void showPictureDialog(HWND owner, const PictureDialog& dialog) {
    ShownPicture shown{dialog, nullptr};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog.templateId), owner, pictureDialogProc,
                    reinterpret_cast<LPARAM>(&shown));
}
