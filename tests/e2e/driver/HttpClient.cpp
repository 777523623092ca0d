#include "e2e/driver/HttpClient.h"

#include <ws2tcpip.h>


namespace {

constexpr DWORD timeoutMs = 15000;

std::string narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr, nullptr);
    return result;
}

std::wstring widen(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
    return result;
}

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (tolower(static_cast<unsigned char>(text[i])) != tolower(static_cast<unsigned char>(prefix[i]))) return false;
    }
    return true;
}

std::size_t contentLength(const std::string& head) {
    std::size_t start = 0;
    while (start < head.size()) {
        std::size_t end = head.find("\r\n", start);
        if (end == std::string::npos) end = head.size();
        const std::string line = head.substr(start, end - start);
        if (startsWithIgnoringCase(line, "Content-Length:")) return std::strtoul(line.c_str() + 15, nullptr, 10);
        start = end + 2;
    }
    return 0;
}

bool answerComplete(const std::string& received) {
    const std::size_t headEnd = received.find("\r\n\r\n");
    return headEnd != std::string::npos && received.size() - (headEnd + 4) >= contentLength(received.substr(0, headEnd + 2));
}

}  // namespace

HttpClient::HttpClient(int port) : port_(port) {
    WSADATA data{};
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

HttpClient::~HttpClient() {
    if (started_) WSACleanup();
}

std::optional<std::string> HttpClient::exchange(const std::string& request) {
    const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) return std::nullopt;
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs), sizeof timeoutMs);
    setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeoutMs), sizeof timeoutMs);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port_));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::optional<std::string> answer;
    if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        send(socket, request.data(), static_cast<int>(request.size()), 0) == static_cast<int>(request.size())) {
        // Wine's HTTP service keeps the connection open whatever the request asks: the answer
        // ends where its Content-Length says.
        std::string received;
        char chunk[4096];
        int got = 0;
        while ((got = recv(socket, chunk, sizeof chunk, 0)) > 0) {
            received.append(chunk, static_cast<std::size_t>(got));
            if (answerComplete(received)) {
                answer = std::move(received);
                break;
            }
        }
    }
    closesocket(socket);
    return answer;
}

void HttpClient::keepCookies(const std::string& head) {
    std::size_t start = 0;
    while (start < head.size()) {
        std::size_t end = head.find("\r\n", start);
        if (end == std::string::npos) end = head.size();
        const std::string line = head.substr(start, end - start);
        start = end + 2;
        if (!startsWithIgnoringCase(line, "Set-Cookie:")) continue;
        std::string pair = line.substr(11, line.find(';') == std::string::npos ? std::string::npos : line.find(';') - 11);
        pair.erase(0, pair.find_first_not_of(' '));
        const std::size_t equals = pair.find('=');
        if (equals == std::string::npos) continue;
        const std::string name = pair.substr(0, equals);
        const std::string value = pair.substr(equals + 1);
        if (value.empty()) {
            cookies_.erase(name);
        } else {
            cookies_[name] = value;
        }
    }
}

std::optional<HttpReply> HttpClient::call(const wchar_t* method, const std::wstring& path, const std::string& body,
                                          const std::vector<std::pair<std::wstring, std::wstring>>& headers) {
    if (!started_) return std::nullopt;
    std::string request = narrow(method) + " " + narrow(path) + " HTTP/1.1\r\n";
    bool hostGiven = false;
    for (const auto& [name, value] : headers) {
        hostGiven = hostGiven || _wcsicmp(name.c_str(), L"Host") == 0;
        request += narrow(name) + ": " + narrow(value) + "\r\n";
    }
    if (!hostGiven) request += "Host: 127.0.0.1:" + std::to_string(port_) + "\r\n";
    if (!cookies_.empty()) {
        std::string cookie;
        for (const auto& [name, value] : cookies_) cookie += (cookie.empty() ? "" : "; ") + name + "=" + value;
        request += "Cookie: " + cookie + "\r\n";
    }
    if (!body.empty()) request += "Content-Type: application/json\r\n";
    if (!body.empty() || std::wstring(method) == L"POST") request += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    request += "Connection: close\r\n\r\n" + body;

    const std::optional<std::string> received = exchange(request);
    if (!received) return std::nullopt;
    const std::size_t headEnd = received->find("\r\n\r\n");
    if (headEnd == std::string::npos || !received->starts_with("HTTP/1.")) return std::nullopt;
    const std::string head = received->substr(0, headEnd + 2);
    HttpReply reply;
    reply.status = atoi(head.c_str() + head.find(' ') + 1);
    reply.headers = widen(head);
    reply.body = received->substr(headEnd + 4);
    keepCookies(head);
    return reply;
}
