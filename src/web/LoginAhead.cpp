#include "web/LoginAhead.h"

#include <nlohmann/json.hpp>

bool isLoginRequest(const WebRequest& request) {
    return request.method == "POST" && request.path == "/api/login";
}

std::optional<PasswordVerdict> checkLoginAhead(const WebRequest& request, const PasswordHashRecord& stored,
                                               PasswordKdf& kdf) {
    if (!isLoginRequest(request)) return std::nullopt;
    const nlohmann::json body = nlohmann::json::parse(request.body, nullptr, false);
    if (!body.is_object()) return std::nullopt;
    const auto password = body.find("password");
    if (password == body.end() || !password->is_string()) return std::nullopt;
    return PasswordVerdict{stored, passwordMatches(stored, password->get_ref<const std::string&>(), kdf)};
}
