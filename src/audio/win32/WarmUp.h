#pragma once
// Plays the tools folder's chime briefly so that a device is awake before the first real sound.
#include <windows.h>

#include <string_view>

#include "audio/win32/ToolsSource.h"

// 128 ms of the chime on `deviceName`; every failure is silent. Blocks the calling thread.
void warmUpDevice(std::u16string_view deviceName, HWND window, const AudioToolsConfig& config);
