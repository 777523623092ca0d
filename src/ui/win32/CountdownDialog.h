#pragma once
// The countdown before a power rule acts: "关机倒计时" or "关机重启倒计时" above a red count
// from 60, one count each 950 ms, and "取消". At 0 `power` ends the session; a refusal is shown
// before the dialog closes.
#include <windows.h>

#include "system/ShutdownCountdown.h"

// Modal, owned by `owner`, laid out for the screen's `scale`; returns when the dialog has closed.
void runCountdownDialog(HWND owner, int mode, PowerSwitch& power, double scale);
