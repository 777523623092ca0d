#pragma once
// The program editor's links: information boxes, the amplifier advice and the sample folder.
#include <windows.h>

#include <string>

// Runs link `id` of the editor `dialog`; false when `id` is not one of its links. The sample
// link opens `musicDir`.
bool runEditorLink(HWND dialog, int id, const std::u16string& musicDir);
