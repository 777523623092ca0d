#pragma once
// Texts of the settings page and the status bar that show what is loaded.
#include <string>
#include <string_view>

// "Default DirectSound Device" (any letter case) is shown as "默认的音频输出设备".
std::u16string displayedDeviceName(std::u16string_view outputDevice);

// "播放设备:  " and the displayed device; "Loading..." while no device is known yet.
std::u16string deviceBarText(std::u16string_view outputDevice);

// "{立即播}播出时, {定时播}音量降低 %3d%%"
std::u16string duckingText(int duckPercent);
