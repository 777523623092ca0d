#pragma once
// The composition root's first step: AppState made from the running system, with the real
// Windows version, every path, the Windows file system and registry, and the random seed.
#include "shell/AppState.h"

void setUpAppState();
// Every path from this program file and the user's application-data folder, as AppState gets
// them; the watcher finds the play log by them too.
AppPaths systemAppPaths();
