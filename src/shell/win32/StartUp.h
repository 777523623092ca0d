#pragma once
// Builds the main window and its pages, runs the start-up checks and loads the data files, in
// that order. False when the program must end before its message loop.
#include "shell/AppState.h"

bool createMainWindow(const StartFlags& flags);
