#include "web/NetAddress.h"

#include <vector>

namespace {

bool parseIpv4(std::string_view text, std::uint8_t* out) {
    int part = 0;
    std::size_t at = 0;
    while (true) {
        const std::size_t begin = at;
        int value = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - begin < 3) {
            value = value * 10 + (text[at] - '0');
            ++at;
        }
        const std::size_t digits = at - begin;
        if (digits == 0 || value > 255 || (digits > 1 && text[begin] == '0')) return false;
        out[part++] = static_cast<std::uint8_t>(value);
        if (part == 4) return at == text.size();
        if (at >= text.size() || text[at] != '.') return false;
        ++at;
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The 16-bit groups of one side of "::"; an IPv4 tail counts as two.
bool parseGroups(std::string_view text, bool tailMayBeIpv4, std::vector<std::uint16_t>& groups) {
    if (text.empty()) return true;
    std::size_t at = 0;
    while (true) {
        const std::size_t end = text.find(':', at);
        const std::string_view group = text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        if (end == std::string_view::npos && tailMayBeIpv4 && group.find('.') != std::string_view::npos) {
            std::uint8_t v4[4];
            if (!parseIpv4(group, v4)) return false;
            groups.push_back(static_cast<std::uint16_t>(v4[0] << 8 | v4[1]));
            groups.push_back(static_cast<std::uint16_t>(v4[2] << 8 | v4[3]));
            return true;
        }
        if (group.empty() || group.size() > 4) return false;
        unsigned value = 0;
        for (const char c : group) {
            const int digit = hexValue(c);
            if (digit < 0) return false;
            value = value * 16 + static_cast<unsigned>(digit);
        }
        groups.push_back(static_cast<std::uint16_t>(value));
        if (end == std::string_view::npos) return true;
        at = end + 1;
    }
}

bool parseIpv6(std::string_view text, std::uint8_t* out) {
    std::vector<std::uint16_t> head;
    std::vector<std::uint16_t> tail;
    const std::size_t gap = text.find("::");
    if (gap == std::string_view::npos) {
        if (!parseGroups(text, true, head) || head.size() != 8) return false;
    } else {
        if (text.find("::", gap + 1) != std::string_view::npos) return false;
        if (!parseGroups(text.substr(0, gap), false, head) || !parseGroups(text.substr(gap + 2), true, tail)) return false;
        if (head.size() + tail.size() > 7) return false;
        head.resize(8 - tail.size(), 0);
        head.insert(head.end(), tail.begin(), tail.end());
    }
    for (std::size_t i = 0; i < 8; ++i) {
        out[2 * i] = static_cast<std::uint8_t>(head[i] >> 8);
        out[2 * i + 1] = static_cast<std::uint8_t>(head[i]);
    }
    return true;
}

}  // namespace

std::optional<IpAddress> parseIpAddress(std::string_view text, bool allowZone) {
    IpAddress address;
    if (text.find(':') == std::string_view::npos) {
        if (!parseIpv4(text, address.bytes.data())) return std::nullopt;
        return address;
    }
    const std::size_t zone = text.find('%');
    if (zone != std::string_view::npos) {
        if (!allowZone || zone + 1 == text.size()) return std::nullopt;
        text = text.substr(0, zone);
    }
    address.v6 = true;
    if (!parseIpv6(text, address.bytes.data())) return std::nullopt;
    return address;
}

IpAddress unmapped(const IpAddress& address) {
    if (!address.v6) return address;
    for (std::size_t i = 0; i < 10; ++i) {
        if (address.bytes[i] != 0) return address;
    }
    if (address.bytes[10] != 0xFF || address.bytes[11] != 0xFF) return address;
    IpAddress v4;
    for (std::size_t i = 0; i < 4; ++i) v4.bytes[i] = address.bytes[12 + i];
    return v4;
}

bool isLocalNetworkAddress(const IpAddress& given) {
    const IpAddress address = unmapped(given);
    const auto& b = address.bytes;
    if (!address.v6) {
        return b[0] == 127 || b[0] == 10 || (b[0] == 172 && (b[1] & 0xF0) == 16) || (b[0] == 192 && b[1] == 168) ||
               (b[0] == 169 && b[1] == 254);
    }
    if (b[0] == 0xFE && (b[1] & 0xC0) == 0x80) return true;  // fe80::/10
    for (std::size_t i = 0; i < 15; ++i) {
        if (b[i] != 0) return false;
    }
    return b[15] == 1;  // ::1
}

bool isLocalNetworkClient(std::string_view address) {
    const auto parsed = parseIpAddress(address, true);
    return parsed && isLocalNetworkAddress(*parsed);
}
