#pragma once
// The console's sessions: a random token in the cookie, a CSRF token of its own, ended by a
// logout, an hour without a request, or a new password generation. The table is bounded, so a
// flood of logins cannot grow it. Times are steady-clock milliseconds handed in.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "web/PasswordKdf.h"

inline constexpr std::int64_t sessionIdleMs = 60 * 60 * 1000;
inline constexpr std::size_t maxSessions = 64;
inline constexpr std::size_t tokenBytes = 32;

struct WebSession {
    std::string token;  // 64 hex digits, the cookie's value
    std::string csrf;   // 64 hex digits, sent back in X-CSRF-Token
    std::string address;
    std::uint32_t generation = 0;
    std::int64_t lastUsedMs = 0;
};

class WebSessions {
public:
    // A new session; the least recently used one goes when the table is full. None when no
    // random bytes came.
    std::optional<WebSession> open(std::string_view address, std::uint32_t generation, std::int64_t nowMs,
                                   RandomBytes& random);
    // The live session of `token`, its idle time starting again; null for an unknown token, and
    // for a session idle too long or of another generation, which ends with it.
    const WebSession* find(std::string_view token, std::uint32_t generation, std::int64_t nowMs);
    // False when there was no such session.
    bool close(std::string_view token);
    std::size_t size() const { return sessions_.size(); }

private:
    void dropStale(std::uint32_t generation, std::int64_t nowMs);

    std::vector<WebSession> sessions_;
};
