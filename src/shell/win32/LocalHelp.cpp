#include "shell/win32/LocalHelp.h"

#include <shellapi.h>

#include "data/FileSystem.h"
#include "winutil/WideText.h"
#include "shell/AppState.h"

std::wstring localHelpPath() {
    return toWide(joinPath(appState().paths.exeDir, u"faqOfRun.htm"));
}

void openLocalHelp(HWND owner) {
    ShellExecuteW(owner, L"open", localHelpPath().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
