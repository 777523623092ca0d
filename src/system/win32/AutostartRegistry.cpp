#include "system/win32/AutostartRegistry.h"

#include "system/AutostartStore.h"
#include "system/win32/Win32Registry.h"

bool loadAutostart(AutostartOptions& options, std::u16string_view programPath, Prompt& prompt) {
    Win32Registry registry;
    return loadAutostartFrom(registry, options, programPath, prompt);
}

bool saveAutostart(const AutostartOptions& options, std::u16string_view programPath, Prompt& prompt) {
    Win32Registry registry;
    return saveAutostartTo(registry, options, programPath, prompt);
}
