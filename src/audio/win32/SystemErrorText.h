#pragma once
// DirectShow's own text for a result code, as the operator's failure messages carry it.
#include <cstdint>
#include <string>

// At most 256 characters, leading and trailing CR and LF removed; empty when the system has none.
std::u16string systemErrorText(std::int32_t code);
