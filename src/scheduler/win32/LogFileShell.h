#pragma once
// The log-file command on Windows: the shell's "open" verb shows the file in the user's
// editor for text files.
#include <windows.h>

#include <string_view>

#include "data/FileSystem.h"
#include "data/Prompt.h"

// `owner` parents the shell's own windows (an "open with" choice, its error boxes); `prompt`
// shows this command's boxes.
void openLogFileInEditor(HWND owner, Prompt& prompt, FileSystem& fs, std::u16string_view logPath);
