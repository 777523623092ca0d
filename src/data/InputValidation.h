#pragma once
// Checks of texts typed into edit fields, and the failure a dialog shows for them.
#include <optional>
#include <string>
#include <string_view>

#include "data/Prompt.h"

// The trimmed text must be exactly the decimal form of the integer it denotes (no leading
// zero, no plus sign, no inner blank) and lie within the bounds that are given.
std::optional<int> validateInteger(std::u16string_view text, std::optional<int> low = std::nullopt,
                                   std::optional<int> high = std::nullopt);

// The first check that failed: its message, its icon and the field that gets the focus
// (with its whole text selected). Field numbers are the dialog's own.
struct InputFailure {
    std::u16string text;
    MessageIcon icon;
    int field;
};
