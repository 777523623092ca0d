#pragma once
// Whether the program runs on the data of `dataDir`: a restore underneath it would be undone by
// its next save.
#include <string_view>

bool programRunsOn(std::u16string_view dataDir);
