#pragma once
// Paths from the command line, freed from the working folder. The data-file rules take the
// folder above the data folder and join names with the separator a path already uses; a bare
// relative name such as "c" or "." has neither, so every path is made full first.
#include <string>
#include <string_view>

// The absolute form of `path`, without "." or ".." components or a separator at its end (a root
// keeps its own); `path` as given when it is empty or cannot be resolved.
std::u16string fullPath(std::u16string_view path);
