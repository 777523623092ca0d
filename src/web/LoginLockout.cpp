#include "web/LoginLockout.h"

#include <algorithm>

bool LoginLockout::lockedOut(std::string_view address, std::int64_t nowMs) const {
    for (const Entry& entry : entries_) {
        if (entry.address == address) return entry.lockedUntilMs != 0 && nowMs < entry.lockedUntilMs;
    }
    return false;
}

bool LoginLockout::loginFailed(std::string_view address, std::int64_t nowMs) {
    auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.address == address; });
    if (entry == entries_.end()) {
        makeRoom(nowMs);
        entries_.push_back({std::string(address)});
        entry = entries_.end() - 1;
    }
    const bool lockOver = entry->lockedUntilMs != 0 && nowMs >= entry->lockedUntilMs;
    if (lockOver || nowMs - entry->lastFailureMs >= lockoutMs) {
        entry->failures = 0;
        entry->lockedUntilMs = 0;
    }
    if (entry->lockedUntilMs != 0) return false;
    entry->lastFailureMs = nowMs;
    if (++entry->failures < maxLoginFailures) return false;
    entry->lockedUntilMs = nowMs + lockoutMs;
    return true;
}

void LoginLockout::loginSucceeded(std::string_view address) {
    std::erase_if(entries_, [&](const Entry& entry) { return entry.address == address; });
}

void LoginLockout::makeRoom(std::int64_t nowMs) {
    if (entries_.size() < maxTrackedAddresses) return;
    // Addresses still locked out are kept while any other can go.
    const auto evictFirst = [nowMs](const Entry& a, const Entry& b) {
        const bool aLocked = a.lockedUntilMs != 0 && nowMs < a.lockedUntilMs;
        const bool bLocked = b.lockedUntilMs != 0 && nowMs < b.lockedUntilMs;
        if (aLocked != bLocked) return !aLocked;
        return a.lastFailureMs < b.lastFailureMs;
    };
    entries_.erase(std::min_element(entries_.begin(), entries_.end(), evictFirst));
}
