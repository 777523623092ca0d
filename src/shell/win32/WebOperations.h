#pragma once
// The program's side of the web console: what it shows and what it does, through the same
// owners and controllers as the pages, on the user-interface thread.
#include <memory>

#include "web/WebConsoleOperations.h"

struct AppState;
struct AppEngines;

std::unique_ptr<WebConsoleOperations> makeWebOperations(AppState& state, AppEngines& engines);
