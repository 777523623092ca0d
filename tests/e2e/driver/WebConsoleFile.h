#pragma once
// Writes the web console's settings "网页t" from its byte layout alone: on, port, the password's
// PBKDF2-HMAC-SHA256 hash from the system's own CNG, then the MD5 of the record.
#include <optional>
#include <string>

// The whole file; none when the system's cryptography is unavailable.
std::optional<std::string> webConsoleFileBytes(bool on, int port, const std::string& passwordUtf8);
