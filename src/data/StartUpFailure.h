#pragma once
// The message of a system call that failed while the program started, before anything could
// play: which call, and its code for support staff.
#include <cstdint>
#include <string>
#include <string_view>

std::u16string startUpFailureText(std::u16string_view call, std::uint32_t code);
