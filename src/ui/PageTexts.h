#pragma once
// Texts of the holiday page, the settings page and the status bar that show what is loaded.
#include <cstddef>
#include <string>
#include <string_view>

// "{立即播}播出时, {定时播}音量降低 %3d%%"
std::u16string duckingText(int duckPercent);

// How many holidays and shift days the scheduler works with.
std::u16string holidayCountsText(std::size_t holidays, std::size_t shiftDays);
