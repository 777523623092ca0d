#include "scheduler/win32/LogFileShell.h"

#include <shellapi.h>

#include "winutil/WideText.h"
#include "scheduler/PlayLog.h"

void openLogFileInEditor(HWND owner, Prompt& prompt, FileSystem& fs, std::u16string_view logPath) {
    openLogFile(fs, logPath, prompt, [owner](std::u16string_view path) {
        ShellExecuteW(owner, L"open", toWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    });
}
