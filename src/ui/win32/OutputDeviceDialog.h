#pragma once
// The dialog "选音频输出设备": the output device of the settings, chosen among Windows'
// default device and the DirectSound devices. A change is kept in the settings record and
// warmed up at once; a job or immediate play that sounds keeps its renderer until its next file.
#include <windows.h>

// IDOK or IDCANCEL. The caller saves the settings file.
INT_PTR chooseOutputDevice(HWND owner);
