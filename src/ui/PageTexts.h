#pragma once
// Texts of the settings page that show what is loaded.
#include <string>
#include <string_view>

// "{立即播}播出时, {定时播}音量降低 %3d%%"
std::u16string duckingText(int duckPercent);
