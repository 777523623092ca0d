#pragma once
// The web console's settings file "网页t" from its byte layout alone, independently of the
// program's own reader and writer: the record of 72 bytes, then its MD5.
#include <optional>
#include <string>

// The fields a test sets and checks.
struct TestWebSettings {
    int on = 0;
    int port = 8765;
    int passwordSet = 0;
    // Written as its PBKDF2-HMAC-SHA256 hash from the system's own CNG, with passwordSet; never read back.
    std::string password;
    bool operator==(const TestWebSettings&) const = default;
};

// Without a password: an empty hash of the program's algorithm and least iteration count, which
// its reader accepts. None when the system's MD5 or CNG is unavailable.
std::optional<std::string> webSettingsFileBytes(const TestWebSettings& settings);

// The fields a file holds; none when it is too short for the record.
std::optional<TestWebSettings> webSettingsIn(const std::string& bytes);
