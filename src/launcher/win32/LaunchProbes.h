#pragma once
// The launcher's view of Windows: its own module path, the existence test of a path, whether
// the system's graphics library loads, and the shell's "open".
#include <string>
#include <string_view>

#include "launcher/LaunchCheck.h"

std::u16string launcherModulePath();
LaunchProbes systemLaunchProbes();
// ShellExecute "open" with no parameters, no working folder, shown normally; its result is
// not examined.
void openWithShell(std::u16string_view path);
