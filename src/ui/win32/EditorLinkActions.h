#pragma once
// The program editor's links: information boxes, the amplifier advice and the sample folder.
#include <windows.h>

// Runs link `id` of the editor `dialog`; false when `id` is not one of its links.
bool runEditorLink(HWND dialog, int id);
