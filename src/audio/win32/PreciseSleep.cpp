#include "audio/win32/PreciseSleep.h"

#include <windows.h>

#include <mmsystem.h>

void preciseSleep(int ms) {
    timeBeginPeriod(1);
    Sleep(ms > 0 ? static_cast<DWORD>(ms) : 0);
    timeEndPeriod(1);
}
