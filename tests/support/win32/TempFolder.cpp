#include "support/TempFolder.h"

#include <windows.h>

#include "data/FolderRepair.h"
#include "data/Text.h"
#include "winutil/WideText.h"
#include "data/win32/Win32FileSystem.h"

std::unique_ptr<FileSystem> makeRealFileSystem() {
    return std::make_unique<Win32FileSystem>();
}

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = fromWide(base) + u"lvtx-test-" + formatNumber(GetCurrentProcessId()) + u"-" + formatNumber(++counter);
        if (CreateDirectoryW(toWide(path_).c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder() {
    Win32FileSystem fs;
    removeTreeChecked(fs, path_);
}
