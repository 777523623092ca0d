#pragma once
// What the pages share: their creation as modeless children of the main window, the data
// folder on the Win32 file system.
#include <windows.h>

#include "data/DataFile.h"
#include "data/win32/Win32FileSystem.h"

// Creates the dialog `templateId` as a child of `mainWindow` and gives it the main window's
// title, so that its message boxes carry that title. Null when the template cannot be made.
HWND createPageDialog(int templateId, HWND mainWindow, DLGPROC procedure);

// The answer to WM_CTLCOLORDLG and WM_CTLCOLORSTATIC of a page drawn on white.
INT_PTR whitePageBackground(WPARAM deviceContext);

Win32FileSystem& pageFileSystem();
// Whether a drive letter names a network drive (audio is never read from the network).
bool isNetworkDrive(char16_t drive);
// DataDir and the folder above it, as AppState's paths name them.
DataFolder appDataFolder();
