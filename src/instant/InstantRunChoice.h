#pragma once
// The run dialog "立即播": what its "开始播" takes from the two radios and their edits.
#include <string_view>
#include <variant>

#include "data/InputValidation.h"
#include "instant/InstantItem.h"

struct InstantRunChoice {
    int countMode = 1;  // 1 "播 n 首", 0 "播 n 秒"
    int songCount = 0;
    int seconds = 0;
};

// The edit of the checked radio, the only one a failure can name.
enum class InstantRunField { songs, seconds };
using InstantRunFailure = InputFailure<InstantRunField>;

// The checked edit must hold a whole number of 0 or more. The other edit is taken only when it
// passes the same check, else its option keeps its value: a bad number there would make the
// list file unreadable at the next start.
std::variant<InstantRunChoice, InstantRunFailure> readInstantRunChoice(bool songsChecked, std::u16string_view songsText,
                                                                       std::u16string_view secondsText,
                                                                       const InstantOptions& options);
