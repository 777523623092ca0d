#pragma once
// What lvtxctl needs of the system it runs on, written once for Windows (win32/) and once for
// Linux (posix/).
#include <string>

#include "data/FileSystem.h"
#include "web/PasswordKdf.h"

// The real file system, for the life of the tool.
FileSystem& platformFileSystem();
// The tool's own path.
std::u16string toolPath();
// Puts stdout and stderr in byte mode, so Windows writes the same bytes as Linux.
void prepareConsole();
// The system's cryptographic random source, for the console password's salt.
RandomBytes& platformRandom();
