#pragma once
// Console output as UTF-8 bytes.
#include <string_view>

void writeOutput(std::string_view text);
void writeError(std::string_view text);
