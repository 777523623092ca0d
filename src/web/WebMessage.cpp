#include "web/WebMessage.h"

namespace {

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            decoded += ' ';
        } else if (text[i] == '%') {
            if (i + 2 >= text.size()) return std::nullopt;
            const int high = hexDigit(text[i + 1]);
            const int low = hexDigit(text[i + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::string_view trimmedBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i])) return false;
    }
    return true;
}

std::optional<std::string_view> WebHeaders::find(std::string_view name) const {
    for (const auto& [key, value] : headers_) {
        if (equalsIgnoringCase(key, name)) return std::string_view(value);
    }
    return std::nullopt;
}

void WebHeaders::set(std::string_view name, std::string_view value) {
    std::erase_if(headers_, [&](const auto& header) { return equalsIgnoringCase(header.first, name); });
    add(name, value);
}

void WebHeaders::add(std::string_view name, std::string_view value) {
    headers_.emplace_back(std::string(name), std::string(value));
}

std::optional<std::string> queryValue(std::string_view query, std::string_view name) {
    while (!query.empty()) {
        const std::size_t end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
        const std::size_t equals = pair.find('=');
        const auto key = percentDecoded(pair.substr(0, equals));
        if (!key || *key != name) continue;
        return percentDecoded(equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1));
    }
    return std::nullopt;
}

std::optional<std::string_view> cookieValue(std::string_view cookieHeader, std::string_view name) {
    while (!cookieHeader.empty()) {
        const std::size_t end = cookieHeader.find(';');
        const std::string_view pair = trimmedBlanks(cookieHeader.substr(0, end));
        cookieHeader = end == std::string_view::npos ? std::string_view() : cookieHeader.substr(end + 1);
        const std::size_t equals = pair.find('=');
        if (equals != std::string_view::npos && pair.substr(0, equals) == name) return pair.substr(equals + 1);
    }
    return std::nullopt;
}
