#pragma once
// The version of Windows the program runs on.
#include <windows.h>

struct WindowsVersion {
    DWORD major = 0;
    DWORD minor = 0;
    DWORD build = 0;
};

// GetVersionEx answers at most 6.2 to a program not declared for later versions: from 6.2 on,
// the kernel's own RtlGetVersion is asked, or, where it is missing, the kernel's shared data.
WindowsVersion windowsVersion();
