#pragma once
// IP addresses as text: the client's, which decides whether the console answers at all, and
// those a Host header names.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

struct IpAddress {
    bool v6 = false;
    std::array<std::uint8_t, 16> bytes{};  // an IPv4 address in the first four
    bool operator==(const IpAddress&) const = default;
};

// Dotted IPv4 (no leading zeros) or IPv6 with "::" and an IPv4 tail; a zone ("%12") is
// accepted only with `allowZone`. An IPv4-mapped IPv6 address stays IPv6 here.
std::optional<IpAddress> parseIpAddress(std::string_view text, bool allowZone = false);

// An IPv4-mapped IPv6 address as the IPv4 address it maps; any other as it is.
IpAddress unmapped(const IpAddress& address);

// Loopback, private (10/8, 172.16/12, 192.168/16) or link-local (169.254/16, fe80::/10), after
// unmapping.
bool isLocalNetworkAddress(const IpAddress& address);
// The client's address as the server reports it; false also for text that is no address.
bool isLocalNetworkClient(std::string_view address);
