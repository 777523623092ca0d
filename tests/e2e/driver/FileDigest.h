#pragma once
// The MD5 digest that ends every data file, computed by the system's own provider so that the
// tests share no code with the program's.
#include <optional>
#include <string>

// The 16 bytes of the digest of `data`; none when the provider is unavailable.
std::optional<std::string> md5Digest(const std::string& data);
