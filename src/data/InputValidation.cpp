#include "data/InputValidation.h"

#include "data/Text.h"

std::optional<int> validateInteger(std::u16string_view text, std::optional<int> low, std::optional<int> high) {
    const std::u16string_view trimmed = trimText(text);
    std::size_t at = 0;
    const bool negative = !trimmed.empty() && trimmed[0] == u'-';
    if (negative) at = 1;
    if (at >= trimmed.size() || trimmed.size() - at > 10) return std::nullopt;
    if (trimmed[at] == u'0' && (trimmed.size() - at > 1 || negative)) return std::nullopt;  // "007", "-0"
    long long value = 0;
    for (; at < trimmed.size(); ++at) {
        if (trimmed[at] < u'0' || trimmed[at] > u'9') return std::nullopt;
        value = value * 10 + (trimmed[at] - u'0');
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    if ((low && value < *low) || (high && value > *high)) return std::nullopt;
    return static_cast<int>(value);
}
