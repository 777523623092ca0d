#pragma once
// The real end of the session: the shutdown privilege enabled for this process, then
// ExitWindowsEx, forced, with a planned application reason.
#include "system/ShutdownCountdown.h"

class WindowsPowerSwitch : public PowerSwitch {
public:
    bool exitWindows(int mode, std::u16string& message) override;
};
