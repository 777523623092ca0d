#pragma once
// Five failed logins from one address lock that address out for fifteen minutes, the right
// password included. At most 256 addresses are tracked; the oldest unlocked one makes room.
// Times are steady-clock milliseconds handed in.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int maxLoginFailures = 5;
inline constexpr std::int64_t lockoutMs = 15 * 60 * 1000;
inline constexpr std::size_t maxTrackedAddresses = 256;

class LoginLockout {
public:
    bool lockedOut(std::string_view address, std::int64_t nowMs) const;
    // Counts a failure; true when it is the one that locks the address out. Failures further
    // apart than the lockout are not added up.
    bool loginFailed(std::string_view address, std::int64_t nowMs);
    void loginSucceeded(std::string_view address);
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        std::string address;
        int failures = 0;
        std::int64_t lastFailureMs = 0;
        std::int64_t lockedUntilMs = 0;  // 0: not locked
    };
    void makeRoom(std::int64_t nowMs);

    std::vector<Entry> entries_;
};
