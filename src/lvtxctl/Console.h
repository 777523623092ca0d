#pragma once
// Console output as UTF-8 bytes.
#include <string_view>

// Puts stdout and stderr in byte mode, so Windows writes the same bytes as Linux.
void prepareConsole();
void writeOutput(std::string_view text);
void writeError(std::string_view text);
