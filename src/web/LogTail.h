#pragma once
// The last lines of the play log file for the console, read as another program reads it.
#include <string>
#include <string_view>
#include <vector>

#include "data/FileSystem.h"

inline constexpr int maxLogTailLines = 500;

// Oldest first, without the byte-order mark and line ends; none when the file is missing or
// cannot be read. `count` is held to 1..maxLogTailLines.
std::vector<std::u16string> lastLogLines(FileSystem& fs, std::u16string_view logPath, int count);
