#pragma once
// The user-interface thread's life: the crash guard, the main window and the message loop.
#include "shell/AppState.h"

void runUiLoop(const StartFlags& flags);
