#include "web/ConsoleAddresses.h"

#include <algorithm>

#include "data/Text.h"

namespace {

std::u16string addressLine(std::u16string_view host, int port) {
    std::u16string line(u"http://");
    line += host;
    line += u':';
    line += formatNumber(port);
    line += u'/';
    return line;
}

// Nobody elsewhere on the network reaches these.
bool unreachable(const Ipv4Bytes& address) {
    return address[0] == 127 || address == Ipv4Bytes{};
}

}  // namespace

std::u16string dottedAddress(const Ipv4Bytes& address) {
    std::u16string text;
    for (const std::uint8_t octet : address) {
        if (!text.empty()) text += u'.';
        text += formatNumber(octet);
    }
    return text;
}

std::u16string consoleAddresses(const std::vector<Ipv4Bytes>& addresses, int port) {
    std::vector<Ipv4Bytes> shown;
    for (const Ipv4Bytes& address : addresses) {
        if (unreachable(address) || std::find(shown.begin(), shown.end(), address) != shown.end()) continue;
        shown.push_back(address);
    }
    if (shown.empty()) return addressLine(u"localhost", port);
    std::u16string text;
    for (const Ipv4Bytes& address : shown) {
        if (!text.empty()) text += u"\r\n";
        text += addressLine(dottedAddress(address), port);
    }
    return text;
}
