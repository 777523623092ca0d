#include "shell/win32/Shutdown.h"

#include <windows.h>

#include "audio/win32/PreciseSleep.h"
#include "data/win32/LocalNow.h"
#include "shell/win32/AppEngines.h"
#include "shell/win32/EmbeddedFont.h"
#include "shell/win32/PasteFilter.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/Tray.h"

void shutdownApp(bool skipLog) {
    static bool done = false;
    if (done) return;
    done = true;
    TimedPlayController* timedPlay = appEngines().timedPlay();
    if (timedPlay != nullptr) {
        if (!skipLog) timedPlay->logEvent(localNow(), u"软件关闭");
        // About 0.3 s from 0.98 to silence; at 0 every player is stopped.
        timedPlay->fade(0.98);
        for (int n = 48; n >= 0; --n) {
            preciseSleep(6);
            timedPlay->fade(n / 50.0);
        }
        // Nothing may start between the window's end and the loop's.
        timedPlay->stopTimer();
    }
    const HWND main = shellWindows().mainWindow;
    if (main != nullptr && !IsWindowVisible(main)) removeTrayIcon();
    removePasteFilter();
    SetThreadExecutionState(ES_CONTINUOUS);
    if (main != nullptr) DestroyWindow(main);
    releaseEmbeddedFont();
}
