#pragma once
// One request to the console and its answer, as the server hands them over: UTF-8 text,
// header names without regard to case.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class WebHeaders {
public:
    // The value of the first header so named, or none.
    std::optional<std::string_view> find(std::string_view name) const;
    // Replaces every header so named.
    void set(std::string_view name, std::string_view value);
    void add(std::string_view name, std::string_view value);
    const std::vector<std::pair<std::string, std::string>>& all() const { return headers_; }

private:
    std::vector<std::pair<std::string, std::string>> headers_;
};

struct WebRequest {
    std::string method;  // "GET", "POST", ...
    std::string path;    // "/api/status", without the query
    std::string query;   // after "?", still percent-encoded
    WebHeaders headers;
    std::string body;
    std::string clientAddress;  // the peer's IP address as text
};

struct WebResponse {
    int status = 200;
    std::string contentType;
    WebHeaders headers;
    std::string body;
};

// ASCII letters fold to lower case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The value of `name` in a query ("a=1&b=x%20y"), percent-decoded with "+" as a blank; none
// when absent or badly encoded.
std::optional<std::string> queryValue(std::string_view query, std::string_view name);
// The value of cookie `name` in a Cookie header, or none.
std::optional<std::string_view> cookieValue(std::string_view cookieHeader, std::string_view name);
