#include "ui/win32/FileDialogs.h"

#include <commdlg.h>

std::optional<std::size_t> showFileDialog(HWND owner, const FileDialogSetUp& setUp, std::u16string& buffer) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = setUp.filter;
    dialog.nFilterIndex = 1;
    // The string types differ only in name: both are UTF-16 units.
    dialog.lpstrFile = reinterpret_cast<wchar_t*>(buffer.data());
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrDefExt = setUp.defaultExtension;
    dialog.lpstrTitle = setUp.title;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | setUp.flags;
    const BOOL chosen = setUp.saving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return dialog.nFileOffset;
}
