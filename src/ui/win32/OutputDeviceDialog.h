#pragma once
// The dialog "选音频输出设备": the output device of the settings, chosen among Windows'
// default device and the DirectSound devices. A new choice is warmed up at once; a job or
// immediate play that sounds keeps its renderer until its next file.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The device the operator chose when it differs from `current` (as Windows compares names), for
// the caller to hand to the settings; none otherwise, so confirming the device already chosen
// writes nothing. `exeDir` holds the tools the warm-up plays through.
std::optional<std::u16string> chooseOutputDevice(HWND owner, std::u16string_view current, const std::u16string& exeDir);
