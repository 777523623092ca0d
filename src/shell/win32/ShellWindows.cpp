#include "shell/win32/ShellWindows.h"

ShellWindows& shellWindows() {
    static ShellWindows windows;
    return windows;
}
