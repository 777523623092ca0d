#pragma once
// The addresses an operator types into a browser or phone to reach the console, one a line
// (CR LF, as a multi-line edit wants them).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

using Ipv4Bytes = std::array<std::uint8_t, 4>;

// "a.b.c.d"
std::u16string dottedAddress(const Ipv4Bytes& address);

// "http://a.b.c.d:port/" for each address in the given order, each once; unspecified and
// loopback addresses are left out, and without any other it is "http://localhost:port/".
std::u16string consoleAddresses(const std::vector<Ipv4Bytes>& addresses, int port);
