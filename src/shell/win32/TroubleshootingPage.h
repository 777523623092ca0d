#pragma once
// Page 5 异常解答 (dialog 153): the local troubleshooting page "faqOfRun.htm" in an HTML view.
#include <windows.h>

// Also sets the HTML view in ShellWindows.
HWND createTroubleshootingPage(HWND mainWindow);
