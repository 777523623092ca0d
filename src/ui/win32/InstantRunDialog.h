#pragma once
// The run dialog "立即播": play n items or n seconds, 0 for endless, before a run starts.
#include <windows.h>

#include <optional>

#include "instant/InstantRunChoice.h"

// The operator's choice after "开始播", none after "取 消"; it opens on the list's options.
std::optional<InstantRunChoice> askInstantRun(HWND owner, const InstantOptions& options);
