#pragma once
// The troubleshooting page "faqOfRun.htm" beside the program: shown on the troubleshooting page
// and opened in the user's browser after the start-up and crash messages.
#include <windows.h>

#include <string>

std::wstring localHelpPath();
void openLocalHelp(HWND owner);
