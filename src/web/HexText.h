#pragma once
// Bytes as lower-case hex: the session tokens in the cookie and the header.
#include <cstddef>
#include <cstdint>
#include <string>

std::string hexText(const std::uint8_t* bytes, std::size_t size);
