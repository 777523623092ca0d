#pragma once
// The name under which Windows lists its default audio output: the output device of fresh
// settings, the warm-up's device, and the renderer taken when a named device is missing.
#include <string_view>

inline constexpr std::u16string_view defaultDeviceName = u"Default DirectSound Device";
