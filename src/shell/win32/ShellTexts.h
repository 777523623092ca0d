#pragma once
// The string resources read at start-up: the main window's title and the update notice.
#include <windows.h>

struct ShellTexts {
    wchar_t title[256] = {};        // 103: display name and version
    wchar_t updateTitle[256] = {};  // 111
    wchar_t updateText[256] = {};   // 112
};

void loadShellTexts(HINSTANCE instance);
const ShellTexts& shellTexts();
