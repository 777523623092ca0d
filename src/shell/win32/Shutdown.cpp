#include "shell/win32/Shutdown.h"

#include <windows.h>

#include "audio/win32/PreciseSleep.h"
#include "data/win32/LocalNow.h"
#include "shell/win32/AppEngines.h"
#include "shell/win32/EmbeddedFont.h"
#include "shell/win32/PasteFilter.h"
#include "shell/win32/ShellWindows.h"
#include "shell/win32/Tray.h"
#include "shell/win32/WatchLink.h"

void fadeOutEverything() {
    AppEngines& engines = appEngines();
    TimedPlayController* timedPlay = engines.timedPlay();
    InstantController* instant = engines.instant();
    const auto fadeBoth = [&](double x) {
        if (timedPlay != nullptr) timedPlay->fade(x);
        if (instant != nullptr) instant->fade(x);
    };
    fadeBoth(0.98);
    for (int n = 48; n >= 0; --n) {
        preciseSleep(6);
        fadeBoth(n / 50.0);
    }
}

void shutdownApp(bool skipLog) {
    static bool done = false;
    if (done) return;
    done = true;
    announceExit();
    AppEngines& engines = appEngines();
    TimedPlayController* timedPlay = engines.timedPlay();
    InstantController* instant = engines.instant();
    if (timedPlay != nullptr) {
        if (!skipLog) timedPlay->logEvent(localNow(), u"软件关闭");
        fadeOutEverything();
        // Nothing may start between the window's end and the loop's.
        timedPlay->stopTimer();
        if (instant != nullptr) instant->stopTimer();
    }
    const HWND main = shellWindows().mainWindow;
    if (main != nullptr && !IsWindowVisible(main)) removeTrayIcon();
    removePasteFilter();
    SetThreadExecutionState(ES_CONTINUOUS);
    if (main != nullptr) DestroyWindow(main);
    releaseEmbeddedFont();
}
