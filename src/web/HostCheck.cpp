#include "web/HostCheck.h"

#include "web/NetAddress.h"

namespace {

bool equalsNoCaseAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

// "" stands for 80, as a browser leaves out the default port.
bool portMatches(std::string_view text, int port) {
    if (text.empty()) return port == 80;
    if (text.size() > 5) return false;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value == port;
}

}  // namespace

bool hostAllowed(std::string_view host, const HostNames& names, int port) {
    std::string_view name;
    std::string_view portText;
    if (!host.empty() && host.front() == '[') {
        const std::size_t close = host.find(']');
        if (close == std::string_view::npos) return false;
        name = host.substr(1, close - 1);
        const std::string_view rest = host.substr(close + 1);
        if (!rest.empty() && rest.front() != ':') return false;
        portText = rest.empty() ? rest : rest.substr(1);
        if (!rest.empty() && portText.empty()) return false;
        const auto address = parseIpAddress(name);
        if (!address || !address->v6) return false;
    } else {
        const std::size_t colon = host.find(':');
        if (colon != std::string_view::npos && host.find(':', colon + 1) != std::string_view::npos) return false;
        name = host.substr(0, colon);
        if (colon != std::string_view::npos) {
            portText = host.substr(colon + 1);
            if (portText.empty()) return false;
        }
    }
    if (name.empty() || !portMatches(portText, port)) return false;

    if (const auto address = parseIpAddress(name)) {
        if (*address == *parseIpAddress("127.0.0.1") || *address == *parseIpAddress("::1")) return true;
        for (const std::string& own : names.addresses) {
            const auto ownAddress = parseIpAddress(own, true);
            if (ownAddress && *ownAddress == *address) return true;
        }
        return false;
    }
    return equalsNoCaseAscii(name, "localhost") || (!names.computerName.empty() && equalsNoCaseAscii(name, names.computerName));
}
