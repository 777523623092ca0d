#pragma once
// Files and folders dropped on a window from Explorer.
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

// Accepts drops on `window`. From Windows 6 on, an elevated program gets them from a
// non-elevated Explorer only when the window lets the drop messages through.
void acceptFileDrops(HWND window, int osMajor);
// The dropped paths in order, whole whatever their length; the drop is released.
std::vector<std::u16string> takeDroppedPaths(HDROP drop);
