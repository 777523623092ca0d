#include "data/InputValidation.h"

#include <cstdio>
#include <cstdlib>
#include <string>

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

std::optional<double> validateDecimal(std::u16string_view text, int decimals, double low, double high) {
    const std::u16string_view trimmed = trimText(text);
    std::string ascii;
    for (const char16_t unit : trimmed) {
        if (unit > 0x7F) return std::nullopt;
        ascii.push_back(static_cast<char>(unit));
    }
    char* end = nullptr;
    const double value = std::strtod(ascii.c_str(), &end);
    if (ascii.empty() || end == ascii.c_str()) return std::nullopt;
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.*f", decimals, value);
    if (ascii.size() > std::char_traits<char>::length(printed)) return std::nullopt;
    if (std::char_traits<char>::compare(ascii.c_str(), printed, ascii.size()) != 0) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}
