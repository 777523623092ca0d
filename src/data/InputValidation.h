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

// The trimmed text must read back exactly as the number printed with `decimals` decimals
// (so "1", "1.5" and "1.25" pass with two decimals; "1.234", ".5", "1e2" and "01" do not)
// and lie within the bounds.
std::optional<double> validateDecimal(std::u16string_view text, int decimals, double low, double high);

// The first check that failed: its message, its icon and the field that gets the focus (with
// its whole text selected), if any. `Field` is the checking dialog's enum of its fields; the
// dialog knows which control holds each.
template <typename Field>
struct InputFailure {
    std::u16string text;
    MessageIcon icon;
    std::optional<Field> field;
};
