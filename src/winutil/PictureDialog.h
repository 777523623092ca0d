#pragma once
// A modal dialog that shows one PNG picture: the picture fills the rectangle of a hidden
// frame control, keeping its proportions; OK, Cancel or the button with id IDOK close it.
#include <windows.h>

#include <optional>

struct PictureDialog {
    int templateId;
    int pictureId;  // the PNG resource
    int frameId;    // the hidden control whose rectangle the picture fills
    std::optional<COLORREF> background;  // the dialog's own colour by default
};

void showPictureDialog(HWND owner, const PictureDialog& dialog);
