#pragma once
// The watcher: a second copy of lvtx.exe, started by the program with a private command line.
// It holds no mutex, window or data file; it waits on the program's process, on the program's
// crash report and on the stop event, restarts the program after an abnormal end (at most three
// times in ten minutes) and notes each such end in the play log.
#include "shell/WatchdogLaunch.h"

// Returns when the program has ended normally, the crash loop stops or the stop event is set;
// the process's exit code.
int runWatcher(const Launch& launch);
