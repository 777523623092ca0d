#pragma once
// The length of a file without playing it, for lists that show it before playback.
#include <cstdint>
#include <string_view>

#include "audio/win32/ToolsSource.h"

// Milliseconds, or -1 when neither the tools source nor the WMA reader opens the file.
// Needs COM on the calling thread.
std::int32_t probeDurationMs(std::u16string_view path, const AudioToolsConfig& config);
