#include "shell/win32/ShellTexts.h"

#include "shell/win32/ShellResources.h"

namespace {
ShellTexts texts;
}

void loadShellTexts(HINSTANCE instance) {
    LoadStringW(instance, IDS_MAIN_TITLE, texts.title, 256);
    LoadStringW(instance, IDS_UPDATE_TITLE, texts.updateTitle, 256);
    LoadStringW(instance, IDS_UPDATE_TEXT, texts.updateText, 256);
}

const ShellTexts& shellTexts() {
    return texts;
}
