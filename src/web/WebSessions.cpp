#include "web/WebSessions.h"

#include <algorithm>
#include <array>
#include <span>

#include "web/HexText.h"
#include "web/PasswordHash.h"

namespace {

bool sameToken(std::string_view a, std::string_view b) {
    return sameBytesConstantTime(std::span(reinterpret_cast<const std::uint8_t*>(a.data()), a.size()),
                                 std::span(reinterpret_cast<const std::uint8_t*>(b.data()), b.size()));
}

std::optional<std::string> randomToken(RandomBytes& random) {
    std::array<std::uint8_t, tokenBytes> bytes{};
    if (!random.fill(bytes)) return std::nullopt;
    return hexText(bytes.data(), bytes.size());
}

}  // namespace

std::optional<WebSession> WebSessions::open(std::string_view address, std::uint32_t generation, std::int64_t nowMs,
                                            RandomBytes& random) {
    auto token = randomToken(random);
    auto csrf = randomToken(random);
    if (!token || !csrf) return std::nullopt;
    dropStale(generation, nowMs);
    if (sessions_.size() >= maxSessions) {
        const auto oldest = std::min_element(sessions_.begin(), sessions_.end(), [](const WebSession& a, const WebSession& b) {
            return a.lastUsedMs < b.lastUsedMs;
        });
        sessions_.erase(oldest);
    }
    sessions_.push_back({std::move(*token), std::move(*csrf), std::string(address), generation, nowMs});
    return sessions_.back();
}

const WebSession* WebSessions::find(std::string_view token, std::uint32_t generation, std::int64_t nowMs) {
    dropStale(generation, nowMs);
    // Every token is compared in full, so the time taken tells nothing of a near miss.
    WebSession* found = nullptr;
    for (WebSession& session : sessions_) {
        if (sameToken(session.token, token)) found = &session;
    }
    if (found) found->lastUsedMs = nowMs;
    return found;
}

bool WebSessions::close(std::string_view token) {
    const auto before = sessions_.size();
    std::erase_if(sessions_, [&](const WebSession& session) { return sameToken(session.token, token); });
    return sessions_.size() != before;
}

void WebSessions::dropStale(std::uint32_t generation, std::int64_t nowMs) {
    std::erase_if(sessions_, [&](const WebSession& session) {
        return session.generation != generation || nowMs - session.lastUsedMs >= sessionIdleMs;
    });
}
