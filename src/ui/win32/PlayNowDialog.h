#pragma once
// "立即播此节目": how many songs (dialog 176) or seconds (dialog 175) to play now.
#include <windows.h>

#include <optional>

#include "data/ProgramRecord.h"

// The amount entered, or none when the operator cancelled.
std::optional<int> askPlayNowAmount(HWND owner, const ProgramRecord& program);
