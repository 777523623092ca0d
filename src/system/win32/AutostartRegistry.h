#pragma once
// The logon-start options in the current user's Run key, for the program at `programPath`
// (the running module's full path). A failure is told through `prompt` with the settings
// page's texts and returned as false; the options keep the values they had.
#include <string_view>

#include "data/Prompt.h"
#include "system/Autostart.h"

bool loadAutostart(AutostartOptions& options, std::u16string_view programPath, Prompt& prompt);
bool saveAutostart(const AutostartOptions& options, std::u16string_view programPath, Prompt& prompt);
