#pragma once
// The system's open-file and save-file dialogs, set up in one place for every chooser.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

struct FileDialogSetUp {
    const wchar_t* filter;            // pairs of name and pattern, each NUL-ended, then one more NUL
    const wchar_t* defaultExtension;  // added to a typed name that has none
    const wchar_t* title = nullptr;   // null: the system's own
    DWORD flags = 0;                  // beyond OFN_EXPLORER and OFN_HIDEREADONLY
    bool saving = false;              // the save dialog, else the open dialog
};

// Shows the dialog on `buffer`, whose size is the room for the answer and whose text before the
// first NUL is where the dialog starts. On OK the buffer holds the choice and the result is the
// offset of the (first) file name; none when cancelled or failed, CommDlgExtendedError telling which.
std::optional<std::size_t> showFileDialog(HWND owner, const FileDialogSetUp& setUp, std::u16string& buffer);
