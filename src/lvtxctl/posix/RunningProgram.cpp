#include "lvtxctl/RunningProgram.h"

// The program runs on Windows only.
bool programRunsOn(std::u16string_view) {
    return false;
}
