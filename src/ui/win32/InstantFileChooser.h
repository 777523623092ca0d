#pragma once
// The immediate-play page's open-file dialog: several audio files of one folder at once.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

struct ChosenFiles {
    // One full path, or the folder followed by each name, NUL-separated, ending in an empty name.
    std::u16string buffer;
    std::size_t fileOffset = 0;  // where the (first) file name starts
};

// None when the operator cancelled or the dialog failed.
std::optional<ChosenFiles> chooseInstantFiles(HWND owner);
