#pragma once
// The MD5 digest that ends every data file, from the system's own provider, so that the
// tests' files do not depend on the program's implementation.
#include <optional>
#include <string>

// The 16 digest bytes; none when the system's MD5 is unavailable.
std::optional<std::string> md5Digest(const std::string& data);
