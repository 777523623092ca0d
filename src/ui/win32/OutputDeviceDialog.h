#pragma once
// The dialog "选音频输出设备": the output device of the settings, chosen among Windows'
// default device and the DirectSound devices. A change is kept in the settings record and
// warmed up at once; a job or immediate play that sounds keeps its renderer until its next file.
#include <windows.h>

// True when the operator chose another device; the caller then saves the settings file.
// Confirming the device already chosen changes nothing and writes nothing.
bool chooseOutputDevice(HWND owner);
