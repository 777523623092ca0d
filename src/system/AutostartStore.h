#pragma once
// Loading and saving the logon-start options in the current user's Run key through a
// Registry: one access repair and retry when the key will not open, a missing key or value
// read as "off", and every other failure told through `prompt` and returned as false.
#include <string_view>

#include "data/Prompt.h"
#include "system/Autostart.h"
#include "system/Registry.h"

// Leaves `options` as they are when the value is missing, empty or unreadable.
bool loadAutostartFrom(Registry& registry, AutostartOptions& options, std::u16string_view programPath,
                       Prompt& prompt);
// Writes the value for the options, or deletes it when autostart is off.
bool saveAutostartTo(Registry& registry, const AutostartOptions& options, std::u16string_view programPath,
                     Prompt& prompt);
