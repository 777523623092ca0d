#pragma once
// The immediate-play page: a modeless child of the main window holding the list, the run's
// controls and the hidden "loadData" button whose command loads the list file once at
// start-up. It lends `instant` its controls as the run's view and forwards every command;
// the load's failure messages go to `loadPrompt`.
#include <windows.h>

#include "data/Prompt.h"
#include "instant/InstantController.h"

HWND createInstantPage(HWND mainWindow, InstantController& instant, Prompt& loadPrompt);
