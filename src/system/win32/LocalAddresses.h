#pragma once
// The IPv4 addresses this PC has on its networks, for the web console's address list.
#include <array>
#include <cstdint>
#include <vector>

// In the adapters' order; adapters that are down and the loopback adapter are left out.
// Empty also when the system cannot list them.
std::vector<std::array<std::uint8_t, 4>> localIpv4Addresses();
