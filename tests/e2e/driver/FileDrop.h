#pragma once
// Files dropped on a window of another process, as Explorer drops them: WM_DROPFILES with a
// DROPFILES block and the NUL-separated paths in that process's memory.
#include <windows.h>

#include <string>
#include <vector>

// Sends the drop and returns once the window has answered it, within the drivers' limit.
bool dropFilesOn(HWND window, const std::vector<std::wstring>& paths);
